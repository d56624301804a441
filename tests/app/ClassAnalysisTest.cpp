// Item analysis and suspected copies over a score sheet described in text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ClassAnalysis.h"
#include "scoring/ScoreSheet.h"

namespace {

const int kValues = 40;

// A class of students, each described by one answer per value: '.' the
// standard's answer, '?' not read, any other letter a wrong answer of
// that text. Files: the fingerprints' seed, 0 for files of one's own.
class CDescribedClass {
public:
    CDescribedClass()
    {
        for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f)
            m_sheet.m_standardFiles[f] = Fingerprint(1000, f);
    }

    // Returns the entry index.
    size_t Add(const std::string& answers, int files = 0)
    {
        CScoreSheetEntry entry;
        entry.m_prjPath = L"/class/" + std::to_wstring(m_sheet.m_entries.size()) + L"/frame.prj";
        entry.m_loaded = true;
        entry.m_scored = true;
        for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f)
            entry.m_files[f] = Fingerprint(files ? files : 2000 + (int)m_sheet.m_entries.size(), f);
        for (int j = 0; j < kValues; ++j) {
            const char answer = j < (int)answers.size() ? answers[j] : '.';
            CScoreSheetRow row;
            row.m_category = j < 20 ? TM_CATEGORY_GEN_INFO : TM_CATEGORY_CALC_RESULT;
            row.m_name = L"值" + std::to_wstring(j);
            row.m_standardText = L"1";
            row.m_valueScore = 2.5f;
            row.m_matched = answer == '.';
            row.m_answered = answer != '?';
            row.m_unread = false;
            row.m_studentText = row.m_matched ? L"1" : row.m_answered ? std::wstring(1, (wchar_t)answer) : L"";
            row.m_earned = row.m_matched ? row.m_valueScore : 0.0f;
            entry.m_rows.push_back(row);
        }
        m_sheet.m_entries.push_back(entry);
        return m_sheet.m_entries.size() - 1;
    }

    // One wrong answer of the student's own at each of the values given.
    static std::string Own(std::initializer_list<int> values, char text)
    {
        std::string answers(kValues, '.');
        for (int j : values)
            answers[j] = text;
        return answers;
    }

    static CFileFingerprint Fingerprint(int seed, int file)
    {
        const std::string bytes = std::to_string(seed) + "/" + std::to_string(file);
        return CFileFingerprint::Of(bytes.data(), bytes.size());
    }

    CScoreSheet m_sheet;
};

const CSimilarPair* FindPair(const CClassAnalysis& analysis, size_t a, size_t b)
{
    for (const CSimilarPair& pair : analysis.m_similar)
        if (pair.m_a == a && pair.m_b == b)
            return &pair;
    return nullptr;
}

}  // namespace

TEST(ClassAnalysis, CountsEachValuesMatchesAndItsMostCommonWrongAnswerFirstInStudentOrder)
{
    CDescribedClass described;
    described.Add("ab?");
    described.Add("b.?");
    described.Add("ba.");
    described.Add("...");
    CScoreSheetEntry failed;
    failed.m_loaded = false;  // a project that did not load is not compared
    described.m_sheet.m_entries.push_back(failed);

    const CClassAnalysis analysis(described.m_sheet, CClassAnalysisOptions());
    ASSERT_EQ(analysis.m_items.size(), (size_t)kValues);
    EXPECT_EQ(analysis.m_students, 4);
    const CItemAnalysis& first = analysis.m_items[0];
    EXPECT_EQ(first.m_name, L"值0");
    EXPECT_EQ(first.m_matched, 1);
    EXPECT_EQ(first.m_loaded, 4);
    // "a" once, "b" twice: the most given wins.
    EXPECT_EQ(first.m_commonWrong, L"b");
    EXPECT_EQ(first.m_commonWrongCount, 2);
    // A tie goes to the answer given first in student order.
    EXPECT_EQ(analysis.m_items[1].m_commonWrong, L"b");
    EXPECT_EQ(analysis.m_items[1].m_commonWrongCount, 1);
    EXPECT_EQ(analysis.m_items[2].m_commonWrong, CClassAnalysis::kUnreadText);
    EXPECT_EQ(analysis.m_items[3].m_commonWrongCount, 0);
    // Lowest share first; equal shares keep the standard's order.
    const std::vector<size_t> order = analysis.ItemsByMatchedShare();
    EXPECT_EQ(order[0], 0u);
    EXPECT_EQ(order[1], 1u);
    EXPECT_EQ(order[2], 2u);
    EXPECT_EQ(analysis.m_items[1].m_matched, 2);
}

TEST(ClassAnalysis, FlagsCopiesAndRingsButNotSharedMistakesAgreementWithTheKeyOrUnreadValues)
{
    CDescribedClass c;
    // Twenty honest students, each with two mistakes of their own.
    for (int i = 0; i < 20; ++i)
        c.Add(CDescribedClass::Own({i % kValues, (i + 13) % kValues}, (char)('A' + i)));
    // A copy of a student with twelve mistakes, two of them edited.
    std::string copied = CDescribedClass::Own({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 'x');
    const size_t original = c.Add(copied);
    copied[0] = copied[1] = 'y';
    const size_t copy = c.Add(copied);
    // Five students who made one modelling mistake that changed sixteen
    // values, each with a slip of their own besides.
    std::vector<size_t> mistaken;
    for (int i = 0; i < 5; ++i) {
        std::string answers = CDescribedClass::Own({20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35}, 'm');
        answers[36 + (i % 4)] = (char)('a' + i);
        mistaken.push_back(c.Add(answers));
    }
    // A ring of three copies.
    std::vector<size_t> ring;
    for (int i = 0; i < 3; ++i)
        ring.push_back(c.Add(CDescribedClass::Own({12, 13, 14, 15, 16, 17, 18, 19, 36, 37, 38, 39}, 'r')));
    // Exact copies of the files of a student with mistakes.
    const size_t same1 = c.Add(CDescribedClass::Own({5, 6}, 'q'), 77);
    const size_t same2 = c.Add(CDescribedClass::Own({5, 6}, 'q'), 77);
    // Two entirely right with the same files, not the standard's.
    const size_t right1 = c.Add("", 88);
    const size_t right2 = c.Add("", 88);
    // The standard handed in, twice.
    const size_t standard1 = c.Add("", 1000);
    const size_t standard2 = c.Add("", 1000);
    // Two without most result files: unread is no evidence.
    const std::string unread(30, '?');
    const size_t unread1 = c.Add(unread);
    const size_t unread2 = c.Add(unread);

    const CClassAnalysis analysis(c.m_sheet, CClassAnalysisOptions());

    const CSimilarPair* files = FindPair(analysis, same1, same2);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(std::wstring(CClassAnalysis::ReasonText(files->m_reason)), L"文件完全相同");
    EXPECT_TRUE(files->m_identicalFiles[TM_FILE_PRJ] && files->m_identicalFiles[TM_FILE_DISPLACEMENT]);
    EXPECT_EQ(analysis.m_similar[0].m_reason, TM_SIMILAR_FILES);
    EXPECT_EQ(FindPair(analysis, right1, right2), nullptr);

    for (size_t alone : {standard1, standard2}) {
        const CSimilarPair* pair = FindPair(analysis, alone, CSimilarPair::kNoStudent);
        ASSERT_NE(pair, nullptr);
        EXPECT_EQ(std::wstring(CClassAnalysis::ReasonText(pair->m_reason)), L"与标准工程相同");
    }
    EXPECT_EQ(FindPair(analysis, standard1, standard2), nullptr);

    const CSimilarPair* edited = FindPair(analysis, original, copy);
    ASSERT_NE(edited, nullptr);
    EXPECT_EQ(std::wstring(CClassAnalysis::ReasonText(edited->m_reason)), L"错误答案相同");
    EXPECT_EQ(edited->m_sharedWrong, 10);
    EXPECT_EQ(edited->m_differing, 12);
    EXPECT_DOUBLE_EQ(edited->m_evidence, 10.0);
    ASSERT_EQ(edited->m_examples.size(), 5u);
    EXPECT_EQ(edited->m_examples[0].m_name, L"值2");
    EXPECT_EQ(edited->m_examples[0].m_text, L"x");
    EXPECT_EQ(edited->m_examples[0].m_standardText, L"1");
    EXPECT_EQ(edited->m_examples[0].m_givers, 2);
    EXPECT_FALSE(edited->m_identicalFiles[TM_FILE_PRJ]);

    for (int p = 0; p < 3; ++p) {
        const CSimilarPair* pair = FindPair(analysis, ring[p], ring[(p + 1) % 3]);
        if (!pair)
            pair = FindPair(analysis, ring[(p + 1) % 3], ring[p]);
        ASSERT_NE(pair, nullptr);
        EXPECT_DOUBLE_EQ(pair->m_evidence, 6.0);
    }
    // Sixteen shared answers given by five: 4 each pair, under the bar.
    for (size_t a : mistaken)
        for (size_t b : mistaken)
            EXPECT_EQ(FindPair(analysis, a, b), nullptr);
    EXPECT_EQ(FindPair(analysis, unread1, unread2), nullptr);
    // 1 + 2 alone + 1 edited copy + 3 ring pairs.
    EXPECT_EQ(analysis.m_similar.size(), 7u);
    // Evidence falls along the shared-answer pairs.
    EXPECT_EQ(analysis.m_similar.back().m_reason, TM_SIMILAR_WRONG);
    EXPECT_DOUBLE_EQ(analysis.m_similar.back().m_evidence, 6.0);

    // Both bars are options: a lower evidence bar takes in the five.
    CClassAnalysisOptions lower;
    lower.m_minEvidence = 4.0;
    lower.m_minSharedShare = 0.5;
    EXPECT_NE(FindPair(CClassAnalysis(c.m_sheet, lower), mistaken[0], mistaken[1]), nullptr);
}
