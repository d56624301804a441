// Filling the score sheet from the project records.
#include "scoring/ScoreSheet.h"

#include "scoring/ScoreComputation.h"
#include "scoring/ValueLookup.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

CScoreSheetEntry::CScoreSheetEntry()
    : m_loaded(false), m_hasProject(true), m_scored(false), m_categoryScores(), m_total(0.0f)
{
}

std::wstring CScoreSheetEntry::TotalText() const
{
    return m_scored ? CScoreSheet::ScoreText(m_total) : std::wstring();
}

CScoreSheet::CScoreSheet() : m_valueScores() {}

void CScoreSheet::ListStudents(const CScoringProjectList& students, const std::vector<char>& loaded,
                               const std::vector<std::wstring>& inputs)
{
    for (float& share : m_valueScores)
        share = 0.0f;
    m_entries.assign(students.size(), CScoreSheetEntry());
    for (size_t i = 0; i < students.size(); ++i) {
        const CScoringProject& student = *students[i];
        CScoreSheetEntry& entry = m_entries[i];
        entry.m_prjPath = student.m_prjPath;
        entry.m_folder = student.m_folder;
        // From the path itself, not m_folder: a project whose path could
        // not be used is still listed under its folder's name.
        std::wstring folder;
        TMTOOLS::OS::GetFolderPath(student.m_prjPath, folder);
        TMTOOLS::OS::GetShortFilePath(folder, entry.m_folderName);
        entry.m_loaded = i < loaded.size() && loaded[i];
        entry.m_status = student.GetLoadStatusText();
        entry.m_missing = student.m_missingResultFiles;
        entry.m_missing.insert(entry.m_missing.end(), student.m_unrecognisedResultFiles.begin(),
                               student.m_unrecognisedResultFiles.end());
        entry.m_note = student.GetLoadNoteText();
        entry.m_input = i < inputs.size() && !inputs[i].empty() ? inputs[i] : student.m_prjPath;
        for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f)
            entry.m_files[f] = student.m_files[f];
    }
}

void CScoreSheet::AddWithoutProject(const std::wstring& input, const std::wstring& status)
{
    CScoreSheetEntry entry;
    entry.m_hasProject = false;
    entry.m_prjPath = input;
    entry.m_input = input;
    TMTOOLS::OS::GetShortFilePath(input, entry.m_folderName);
    entry.m_status = status;
    m_entries.push_back(std::move(entry));
}

void CScoreSheet::TakeTotals(const CScoringProject& standard, const CScoringProjectList& students)
{
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        m_valueScores[k] = standard.GetItem(k).GetValueScore();
    for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f)
        m_standardFiles[f] = standard.m_files[f];
    for (size_t i = 0; i < m_entries.size() && i < students.size(); ++i) {
        CScoreSheetEntry& entry = m_entries[i];
        if (!entry.m_hasProject)
            break;
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            entry.m_categoryScores[k] = students[i]->GetItem(k).m_score;
        entry.m_total = ProjectTotal(*students[i]);
        entry.m_scored = true;
    }
}

void CScoreSheet::ClearTotals()
{
    for (float& score : m_valueScores)
        score = 0.0f;
    for (CScoreSheetEntry& entry : m_entries) {
        for (float& score : entry.m_categoryScores)
            score = 0.0f;
        entry.m_total = 0.0f;
        entry.m_scored = false;
    }
}

CScoreSheetLayout::CScoreSheetLayout(const CScoringProject& standard)
{
    std::vector<CRowLayout>& layout = m_rows;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        const CScoringItem& item = standard.GetItem(k);
        const float valueScore = item.GetValueScore();
        const CTmDataList& values = item.GetValues();
        for (size_t p = 0; p < values.size(); ++p) {
            if (!values[p]->m_selected)
                continue;
            CRowLayout entry;
            entry.m_standard = values[p].get();
            entry.m_position = p;
            CScoreSheetRow& row = entry.m_row;
            row.m_category = k;
            row.m_name = values[p]->m_name;
            row.m_standardText = values[p]->GetValueText();
            row.m_valueScore = valueScore;
            row.m_answered = false;
            row.m_earned = 0.0f;
            row.m_matched = false;
            row.m_unread = false;
            layout.push_back(std::move(entry));
        }
    }
}

namespace {

void FillRows(const CScoreSheetLayout& layout, const CScoringProject& student, std::vector<CScoreSheetRow>& rows)
{
    rows.clear();
    rows.reserve(layout.Rows().size());
    std::vector<CValueLookup> lookups;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        lookups.emplace_back(student.GetItem(k).GetValues());
    for (const CScoreSheetLayout::CRowLayout& entry : layout.Rows()) {
        const CTmData* answer = lookups[entry.m_row.m_category].Find(entry.m_row.m_name, entry.m_position);
        rows.push_back(entry.m_row);
        CScoreSheetRow& row = rows.back();
        if (!answer)
            continue;
        row.m_studentText = answer->GetValueText();
        row.m_answered = true;
        row.m_earned = answer->m_score;
        row.m_matched = entry.m_standard->IsEqual(*answer);
        row.m_unread = !student.m_valuesWithoutFile.empty() && student.IsValueUnread(entry.m_row.m_name);
    }
}

}  // namespace

void CScoreSheet::TakeRows(const CScoringProject& standard, const CScoringProject& student, size_t index)
{
    if (index < m_entries.size())
        FillRows(CScoreSheetLayout(standard), student, m_entries[index].m_rows);
}

void CScoreSheet::TakeRows(const CScoreSheetLayout& layout, const CScoringProject& student, size_t index)
{
    if (index < m_entries.size())
        FillRows(layout, student, m_entries[index].m_rows);
}

void CScoreSheet::TakeAllRows(const CScoringProject& standard, const CScoringProjectList& students)
{
    const CScoreSheetLayout layout(standard);
    for (size_t i = 0; i < m_entries.size() && i < students.size(); ++i) {
        if (m_entries[i].m_hasProject)
            FillRows(layout, *students[i], m_entries[i].m_rows);
    }
}

std::wstring CScoreSheet::ScoreText(float score)
{
    return TMTOOLS::String::stringFormat(L"%.2f", (double)score);
}
