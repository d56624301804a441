// What a graded class tells its teacher beyond the totals: which values the
// class got wrong (item analysis) and which hand-ins agree beyond what
// honest work explains (suspected copies).
//
// It reads the score sheet only: every student's rows (TakeAllRows) and
// the fingerprints of the files loading read. Students whose project did
// not load take no part. The list of pairs says "suspected": it gives the
// evidence, the teacher judges.
//
// A pair appears once, under the first reason that holds:
//   "文件完全相同"   the .prj and the four result files byte-identical, and
//                  not both entirely right (two exactly right models entered
//                  the same way may give the same files);
//   "与标准工程相同" (one student, no pair) all five files are the standard
//                  project's own; such students form no file pairs;
//   "错误答案相同"   the two give the same wrong answers, weighed by how few
//                  others gave them: each shared wrong answer given by n
//                  students adds 1/(n - 1) to the evidence (answers given by
//                  more than max(10, 5 % of the students) add nothing), and
//                  the pair is flagged when the evidence reaches the bar and
//                  the shared wrong answers make at least the given share of
//                  the values where either of the two differs from the
//                  standard.
// A value not read ("(未读出)": a result file missing or unreadable, a
// storey the project lacks) is an answer for the item analysis but never
// evidence; agreeing with the standard is no evidence either.
//
// The pairs are found through an index from (value, wrong answer) to the
// students who gave it, and the share is checked only on the pairs whose
// evidence reached the bar, so a large class costs about its number of
// answers, not the square of its size.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scoring/ProjectFiles.h"

class CScoreSheet;

// One selected value of the standard over the class.
struct CItemAnalysis {
    int m_category;
    std::wstring m_name;
    std::wstring m_standardText;
    int m_matched;  // students who earned its share
    int m_loaded;   // students compared (whose project loaded)
    // The most common answer of those who did not match ("(未读出)" for a
    // value not read; ties: the first in student order); empty when all
    // matched.
    std::wstring m_commonWrong;
    int m_commonWrongCount;

    // m_matched / m_loaded; 0 without students.
    double MatchedShare() const { return m_loaded ? (double)m_matched / m_loaded : 0.0; }
};

enum TmSimilarReason {
    TM_SIMILAR_FILES = 0,  // "文件完全相同"
    TM_SIMILAR_STANDARD,   // "与标准工程相同"
    TM_SIMILAR_WRONG,      // "错误答案相同"
};

// A wrong answer two students share.
struct CSharedWrong {
    std::wstring m_name;
    std::wstring m_text;
    std::wstring m_standardText;
    int m_givers;  // students who gave it
};

struct CSimilarPair {
    TmSimilarReason m_reason;
    size_t m_a;  // score-sheet entry indices; m_b is kNoStudent for
    size_t m_b;  // "与标准工程相同"
    double m_evidence;
    int m_sharedWrong;  // values where both gave the same wrong answer
    int m_differing;    // values where either differs from the standard
    bool m_identicalFiles[TM_PROJECT_FILE_COUNT];
    std::vector<CSharedWrong> m_examples;  // the first five shared, in order

    static const size_t kNoStudent = (size_t)-1;
};

struct CClassAnalysisOptions {
    double m_minEvidence = 5.0;
    double m_minSharedShare = 0.8;
};

class CClassAnalysis {
public:
    // What unread values are called.
    static const wchar_t kUnreadText[];
    static const int kExamples = 5;

    CClassAnalysis();
    CClassAnalysis(const CScoreSheet& sheet, const CClassAnalysisOptions& options);

    static const wchar_t* ReasonText(TmSimilarReason reason);
    // The pair's identical files by their suffixes (".prj, _结构信息.txt"),
    // and its shared wrong answers ("name=text（标准 s，n人）；...").
    static std::wstring IdenticalFilesText(const CSimilarPair& pair);
    static std::wstring ExamplesText(const CSimilarPair& pair);
    // Indices into m_items, the share matched lowest first (ties in the
    // standard's order).
    std::vector<size_t> ItemsByMatchedShare() const;

    // In the standard's order.
    std::vector<CItemAnalysis> m_items;
    // Strongest first: identical files, the standard handed in, then the
    // shared wrong answers by falling evidence.
    std::vector<CSimilarPair> m_similar;
    // The students compared.
    int m_students;
};
