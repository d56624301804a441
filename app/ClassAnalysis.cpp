// Item analysis and suspected copies over the score sheet.
#include "app/ClassAnalysis.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "scoring/ScoreSheet.h"
#include "tools/TmString.h"

const wchar_t CClassAnalysis::kUnreadText[] = L"(未读出)";

namespace {

// The answers given to one value by those who did not match it, in order
// of first appearance, with the students who gave each.
struct CValueAnswers {
    std::unordered_map<std::wstring, size_t> m_index;
    std::vector<std::wstring> m_texts;
    std::vector<std::vector<int>> m_givers;  // positions among the students

    // Returns the answer's index.
    size_t Add(const std::wstring& text, int student)
    {
        auto found = m_index.emplace(text, m_texts.size());
        if (found.second) {
            m_texts.push_back(text);
            m_givers.emplace_back();
        }
        m_givers[found.first->second].push_back(student);
        return found.first->second;
    }
};

bool IsUnread(const CScoreSheetRow& row)
{
    return !row.m_answered || row.m_unread;
}

bool AllFilesSame(const CFileFingerprint (&a)[TM_PROJECT_FILE_COUNT], const CFileFingerprint (&b)[TM_PROJECT_FILE_COUNT])
{
    for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f)
        if (!a[f].SameAs(b[f]))
            return false;
    return true;
}

bool EntirelyRight(const CScoreSheetEntry& entry)
{
    for (const CScoreSheetRow& row : entry.m_rows)
        if (!row.m_matched)
            return false;
    return true;
}

class CAnalysisRun {
public:
    CAnalysisRun(const CScoreSheet& sheet, const CClassAnalysisOptions& options, CClassAnalysis& out)
        : m_sheet(sheet), m_options(options), m_out(out)
    {
    }

    void Run()
    {
        CollectStudents();
        if (m_students.empty())
            return;
        AnalyseItems();
        FindIdenticalFiles();
        FindSharedWrongAnswers();
        std::stable_sort(m_out.m_similar.begin(), m_out.m_similar.end(),
                         [](const CSimilarPair& x, const CSimilarPair& y) {
                             if (x.m_reason != y.m_reason)
                                 return x.m_reason < y.m_reason;
                             return x.m_reason == TM_SIMILAR_WRONG && x.m_evidence > y.m_evidence;
                         });
    }

private:
    const CScoreSheetEntry& Student(int position) const { return m_sheet.m_entries[m_students[position]]; }

    // The students compared: loaded, with rows of the same values.
    void CollectStudents()
    {
        const std::vector<CScoreSheetRow>* first = nullptr;
        for (size_t i = 0; i < m_sheet.m_entries.size(); ++i) {
            const CScoreSheetEntry& entry = m_sheet.m_entries[i];
            if (!entry.m_hasProject || !entry.m_loaded || entry.m_rows.empty())
                continue;
            if (!first)
                first = &entry.m_rows;
            else if (entry.m_rows.size() != first->size())
                continue;  // taken against another standard: not comparable
            m_students.push_back(i);
        }
        m_out.m_students = (int)m_students.size();
        // Answers given by more than this many add (almost) nothing.
        m_maxGivers = std::max(10, (int)(m_students.size() / 20));
    }

    void AnalyseItems()
    {
        const std::vector<CScoreSheetRow>& values = Student(0).m_rows;
        const int students = (int)m_students.size();
        m_answers.resize(values.size());
        m_answerOf.assign((size_t)students * values.size(), -1);
        for (size_t j = 0; j < values.size(); ++j) {
            CItemAnalysis item;
            item.m_category = values[j].m_category;
            item.m_name = values[j].m_name;
            item.m_standardText = values[j].m_standardText;
            item.m_matched = 0;
            item.m_loaded = students;
            item.m_commonWrongCount = 0;
            CValueAnswers& answers = m_answers[j];
            for (int s = 0; s < students; ++s) {
                const CScoreSheetRow& row = Student(s).m_rows[j];
                if (row.m_matched)
                    ++item.m_matched;
                else if (IsUnread(row))
                    answers.Add(CClassAnalysis::kUnreadText, s);
                else
                    m_answerOf[(size_t)s * values.size() + j] = (int)answers.Add(row.m_studentText, s);
            }
            // The first of the most given, in student order of first giving.
            for (size_t a = 0; a < answers.m_texts.size(); ++a) {
                if ((int)answers.m_givers[a].size() > item.m_commonWrongCount) {
                    item.m_commonWrongCount = (int)answers.m_givers[a].size();
                    item.m_commonWrong = answers.m_texts[a];
                }
            }
            m_out.m_items.push_back(std::move(item));
        }
    }

    // The pair's figures from their rows: shared wrong answers (read, the
    // same text), the values where either differs, the evidence and the
    // first examples.
    CSimilarPair Compare(TmSimilarReason reason, int a, int b) const
    {
        CSimilarPair pair;
        pair.m_reason = reason;
        pair.m_a = m_students[a];
        pair.m_b = m_students[b];
        pair.m_evidence = 0.0;
        pair.m_sharedWrong = 0;
        pair.m_differing = 0;
        const CScoreSheetEntry& x = Student(a);
        const CScoreSheetEntry& y = Student(b);
        for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f)
            pair.m_identicalFiles[f] = x.m_files[f].SameAs(y.m_files[f]);
        for (size_t j = 0; j < x.m_rows.size(); ++j) {
            const CScoreSheetRow& u = x.m_rows[j];
            const CScoreSheetRow& v = y.m_rows[j];
            if (u.m_matched && v.m_matched)
                continue;
            ++pair.m_differing;
            if (u.m_matched || v.m_matched || IsUnread(u) || IsUnread(v) || u.m_studentText != v.m_studentText)
                continue;
            ++pair.m_sharedWrong;
            const int answer = m_answerOf[(size_t)a * x.m_rows.size() + j];
            const int givers = (int)m_answers[j].m_givers[answer].size();
            if (givers >= 2 && givers <= m_maxGivers)
                pair.m_evidence += 1.0 / (givers - 1);
            if ((int)pair.m_examples.size() < CClassAnalysis::kExamples)
                pair.m_examples.push_back(CSharedWrong{u.m_name, u.m_studentText, u.m_standardText, givers});
        }
        return pair;
    }

    static uint64_t PairKey(int a, int b) { return ((uint64_t)(uint32_t)a << 32) | (uint32_t)b; }

    void FindIdenticalFiles()
    {
        const int students = (int)m_students.size();
        // Students by their five files; those with the standard's own files
        // are reported alone.
        std::unordered_map<uint64_t, std::vector<int>> groups;
        for (int s = 0; s < students; ++s) {
            const CScoreSheetEntry& entry = Student(s);
            bool allRead = true;
            uint64_t key = 0;
            for (const CFileFingerprint& file : entry.m_files) {
                allRead = allRead && file.m_read;
                key = key * 1099511628211ULL ^ file.m_hash ^ (file.m_size << 7);
            }
            if (!allRead)
                continue;
            if (AllFilesSame(entry.m_files, m_sheet.m_standardFiles)) {
                CSimilarPair alone;
                alone.m_reason = TM_SIMILAR_STANDARD;
                alone.m_a = m_students[s];
                alone.m_b = CSimilarPair::kNoStudent;
                alone.m_evidence = 0.0;
                alone.m_sharedWrong = 0;
                alone.m_differing = 0;
                for (const CScoreSheetRow& row : entry.m_rows)
                    alone.m_differing += row.m_matched ? 0 : 1;
                for (bool& same : alone.m_identicalFiles)
                    same = true;
                m_out.m_similar.push_back(std::move(alone));
                continue;
            }
            groups[key].push_back(s);
        }
        std::vector<std::pair<int, int>> pairs;
        for (const auto& group : groups) {
            const std::vector<int>& members = group.second;
            for (size_t p = 0; p < members.size(); ++p) {
                for (size_t q = p + 1; q < members.size(); ++q) {
                    const int a = members[p], b = members[q];
                    if (!AllFilesSame(Student(a).m_files, Student(b).m_files))
                        continue;  // the key's rare coincidence
                    if (EntirelyRight(Student(a)) && EntirelyRight(Student(b)))
                        continue;
                    pairs.emplace_back(a, b);
                }
            }
        }
        std::sort(pairs.begin(), pairs.end());
        for (const auto& pair : pairs) {
            m_flagged.insert(PairKey(pair.first, pair.second));
            m_out.m_similar.push_back(Compare(TM_SIMILAR_FILES, pair.first, pair.second));
        }
    }

    // For each student a, the evidence with every later student who shares
    // one of a's wrong answers, summed in a dense row (a hash of pairs
    // would cost more than the sums themselves); the pairs that reach the
    // bar are compared row by row.
    void FindSharedWrongAnswers()
    {
        const int students = (int)m_students.size();
        const size_t values = m_answers.size();
        std::vector<double> evidence(students, 0.0);
        std::vector<int> touched;
        for (int a = 0; a < students; ++a) {
            for (size_t j = 0; j < values; ++j) {
                const int answer = m_answerOf[(size_t)a * values + j];
                if (answer < 0)
                    continue;
                const std::vector<int>& givers = m_answers[j].m_givers[answer];
                const int n = (int)givers.size();
                if (n < 2 || n > m_maxGivers)
                    continue;
                const double weight = 1.0 / (n - 1);
                // Givers are in student order: only the later ones.
                for (auto b = std::upper_bound(givers.begin(), givers.end(), a); b != givers.end(); ++b) {
                    if (evidence[*b] == 0.0)
                        touched.push_back(*b);
                    evidence[*b] += weight;
                }
            }
            std::sort(touched.begin(), touched.end());
            for (int b : touched) {
                // A little below the bar, so that rounding cannot drop a
                // pair that reaches it.
                if (evidence[b] >= m_options.m_minEvidence - 1e-9 && !m_flagged.count(PairKey(a, b))) {
                    CSimilarPair pair = Compare(TM_SIMILAR_WRONG, a, b);
                    if (pair.m_sharedWrong >= m_options.m_minSharedShare * pair.m_differing - 1e-9)
                        m_out.m_similar.push_back(std::move(pair));
                }
                evidence[b] = 0.0;
            }
            touched.clear();
        }
    }

    const CScoreSheet& m_sheet;
    const CClassAnalysisOptions& m_options;
    CClassAnalysis& m_out;
    std::vector<size_t> m_students;  // entry indices
    std::vector<CValueAnswers> m_answers;
    // Per student and value, the index of the student's answer among the
    // value's answers when it is wrong and read; -1 otherwise.
    std::vector<int> m_answerOf;
    int m_maxGivers = 10;
    std::unordered_set<uint64_t> m_flagged;
};

}  // namespace

CClassAnalysis::CClassAnalysis() : m_students(0) {}

CClassAnalysis::CClassAnalysis(const CScoreSheet& sheet, const CClassAnalysisOptions& options) : m_students(0)
{
    CAnalysisRun(sheet, options, *this).Run();
}

const wchar_t* CClassAnalysis::ReasonText(TmSimilarReason reason)
{
    switch (reason) {
    case TM_SIMILAR_FILES: return L"文件完全相同";
    case TM_SIMILAR_STANDARD: return L"与标准工程相同";
    default: return L"错误答案相同";
    }
}

std::wstring CClassAnalysis::IdenticalFilesText(const CSimilarPair& pair)
{
    std::wstring text;
    for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f) {
        if (pair.m_identicalFiles[f])
            text += (text.empty() ? L"" : L", ") + std::wstring(GetProjectFileSuffix(f));
    }
    return text;
}

std::wstring CClassAnalysis::ExamplesText(const CSimilarPair& pair)
{
    std::wstring text;
    for (const CSharedWrong& example : pair.m_examples)
        text += TMTOOLS::String::stringFormat(L"%s%s=%s（标准 %s，%d人）", text.empty() ? L"" : L"；",
                                              example.m_name.c_str(), example.m_text.c_str(),
                                              example.m_standardText.c_str(), example.m_givers);
    return text;
}

std::vector<size_t> CClassAnalysis::ItemsByMatchedShare() const
{
    std::vector<size_t> order(m_items.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](size_t x, size_t y) {
        // Compared as fractions, exactly.
        return (long long)m_items[x].m_matched * m_items[y].m_loaded <
               (long long)m_items[y].m_matched * m_items[x].m_loaded;
    });
    return order;
}
