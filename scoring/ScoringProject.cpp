// The project record: paths, completion values, status text, item access.
//
// Reading the project (Load) is in ScoringProjectLoad.cpp.
#include "scoring/ScoringProject.h"

#include "tools/FileNameLookup.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

CScoringProject::CScoringProject() : m_loadStatus(TM_LOAD_OK) {}

CScoringProject::~CScoringProject() = default;

bool CScoringProject::SetProjectPath(const std::wstring& path, float genInfoScore,
                                     float layerInfoScore, float goujianScore,
                                     float calcResultScore, float workDrawingScore,
                                     float tmQIScore)
{
    m_prjPath = path;

    const size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos)
        return false;
    const std::wstring extension = path.substr(dot);
    if (TMTOOLS::String::StringCompareNoCase(extension.c_str(), L".prj") != 0)
        return false;
    // A dot in a folder name gives an "extension" with a "/" in it, which is
    // refused above.
    const size_t slash = path.rfind(L'/');
    if (slash == std::wstring::npos)
        return false;

    m_basePath = path.substr(0, dot);
    m_folder = path.substr(0, slash);
    m_pfdPath = m_basePath + L".pfd";
    m_tsmPath = m_basePath + L".tsm";

    m_genInfoItem.m_fullScore = genInfoScore;
    m_layerInfoItem.m_fullScore = layerInfoScore;
    m_goujianItem.m_fullScore = goujianScore;
    m_calcResultItem.m_fullScore = calcResultScore;
    m_workDrawingItem.m_fullScore = workDrawingScore;
    m_tmQIItem.m_fullScore = tmQIScore;

    m_loadStatus = TM_LOAD_OK;
    ClearLoadNotes();
    return true;
}

bool CScoringProject::SetProjectPath(const std::wstring& path,
                                     const float (&fullScores)[TM_CATEGORY_COUNT])
{
    return SetProjectPath(path, fullScores[0], fullScores[1], fullScores[2], fullScores[3],
                          fullScores[4], fullScores[5]);
}

void CScoringProject::CreateCompletionValues()
{
    TMTOOLS::OS::CFileNameLookup names;
    CreateCompletionValues(names);
}

void CScoringProject::CreateCompletionValues(TMTOOLS::OS::CFileNameLookup& names)
{
    const int group = TM_GROUP_RESULT;
    const bool drawn = TMTOOLS::OS::FileExist(names.Find(m_pfdPath).c_str());
    const bool counted = TMTOOLS::OS::FileExist(names.Find(m_tsmPath).c_str());
    m_workDrawingItem.AddValue(new CTmStringData(L"施工图", group, drawn ? L"完成" : L"未做"));
    m_tmQIItem.AddValue(new CTmStringData(L"钢筋算量接口", group, counted ? L"完成" : L"未做"));
}

std::wstring CScoringProject::GetLoadStatusText() const
{
    if (m_loadStatus == TM_LOAD_FAILED)
        return L"读总信息失败";
    if (m_loadStatus == TM_LOAD_UNREAD)
        return L"未读入";
    return L"读入成功";
}

std::wstring CScoringProject::GetLoadNoteText() const
{
    std::wstring note;
    auto append = [&note](const wchar_t* label, const std::vector<std::wstring>& names) {
        if (names.empty())
            return;
        note += note.empty() ? L"" : L"；";
        note += label;
        for (size_t i = 0; i < names.size(); ++i)
            note += (i ? L"、" : L"") + names[i];
    };
    append(L"缺少结果文件：", m_missingResultFiles);
    append(L"无法识别：", m_unrecognisedResultFiles);
    for (const std::wstring& text : m_nameNotes)
        note += (note.empty() ? L"" : L"；") + text;
    return note;
}

void CScoringProject::ClearLoadNotes()
{
    m_missingResultFiles.clear();
    m_unrecognisedResultFiles.clear();
    m_valuesWithoutFile.clear();
    m_nameNotes.clear();
}

CScoringItem& CScoringProject::GetItem(int category)
{
    const CScoringProject* self = this;
    return const_cast<CScoringItem&>(self->GetItem(category));
}

const CScoringItem& CScoringProject::GetItem(int category) const
{
    switch (category) {
    case TM_CATEGORY_GEN_INFO:
        return m_genInfoItem;
    case TM_CATEGORY_LAYER_INFO:
        return m_layerInfoItem;
    case TM_CATEGORY_GOUJIAN:
        return m_goujianItem;
    case TM_CATEGORY_CALC_RESULT:
        return m_calcResultItem;
    case TM_CATEGORY_WORK_DRAWING:
        return m_workDrawingItem;
    default:
        return m_tmQIItem;
    }
}

void CScoringProject::ClearAllValues()
{
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        GetItem(k).ClearValues();
}
