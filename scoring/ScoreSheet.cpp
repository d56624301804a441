// Filling the score sheet from the project records.
#include "scoring/ScoreSheet.h"

#include "scoring/ScoreComputation.h"
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

void CScoreSheet::TakeRows(const CScoringProject& standard, const CScoringProject& student, size_t index)
{
    if (index >= m_entries.size())
        return;
    std::vector<CScoreSheetRow>& rows = m_entries[index].m_rows;
    rows.clear();
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        const CScoringItem& standardItem = standard.GetItem(k);
        const CScoringItem& studentItem = student.GetItem(k);
        const float valueScore = standardItem.GetValueScore();
        for (const std::unique_ptr<CTmData>& value : standardItem.GetValues()) {
            if (!value->m_selected)
                continue;
            const CTmData* answer = studentItem.FindValue(value->m_name);
            CScoreSheetRow row;
            row.m_category = k;
            row.m_name = value->m_name;
            row.m_standardText = value->GetValueText();
            row.m_studentText = answer ? answer->GetValueText() : std::wstring();
            row.m_valueScore = valueScore;
            row.m_answered = answer != nullptr;
            row.m_earned = answer ? answer->m_score : 0.0f;
            rows.push_back(std::move(row));
        }
    }
}

std::wstring CScoreSheet::ScoreText(float score)
{
    return TMTOOLS::String::stringFormat(L"%.2f", (double)score);
}
