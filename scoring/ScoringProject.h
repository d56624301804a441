// The record of one project, the standard project or a student's.
//
// It knows the project's files, holds the model tables the readers extract
// and owns the six category items, which own the values that are scored.
//
// The class is split over two libraries. Setting the paths, the completion
// values and the status text are defined here, in scoring/ScoringProject.cpp
// (library tmscoring). Load and LoadCalcResultItems drive the readers, which
// fill this record and so depend on scoring; they are defined with them, in
// readers/ScoringProjectLoad.cpp and readers/CalcResultItems.cpp (library
// tmreaders), so that the dependency runs one way. A program that loads
// projects links tmreaders, which brings tmscoring; one that only scores
// records already loaded links tmscoring alone, and must not call Load.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scoring/FloorTables.h"
#include "scoring/ScoringCategory.h"
#include "scoring/ScoringCategoryItem.h"
#include "scoring/ScoringGenInfoItem.h"

namespace TMTOOLS {
namespace OS {
class CFileNameLookup;
}
}  // namespace TMTOOLS

// m_loadStatus
enum {
    TM_LOAD_OK = 0,      // read, or not yet read
    TM_LOAD_FAILED = 1,  // reading failed
    TM_LOAD_UNREAD = 2,  // left unread: its loading was stopped before it
};

class CScoringProject {
public:
    CScoringProject();
    ~CScoringProject();
    CScoringProject(const CScoringProject&) = delete;
    CScoringProject& operator=(const CScoringProject&) = delete;

    // Sets the paths from the .prj path and the six full scores (category
    // order); status back to 0. False, with nothing but m_prjPath changed,
    // when the path has no "." or no "/" or its extension is not ".prj"
    // (any case).
    bool SetProjectPath(const std::wstring& path, float genInfoScore, float layerInfoScore,
                        float goujianScore, float calcResultScore, float workDrawingScore,
                        float tmQIScore);
    // The same with the six scores in an array, category order.
    bool SetProjectPath(const std::wstring& path, const float (&fullScores)[TM_CATEGORY_COUNT]);

    // Reads the project: empties the six items, reads the .prj model, makes
    // the per-storey values, reads the results, adds the completion values.
    // True when the model file was read; status 1 on failure.
    bool Load();
    // Reads the result files beside the .prj file and adds the
    // "结构模型与荷载" and "计算结果" values (the items are empty before).
    void LoadCalcResultItems();
    // The same, finding the files through names (which Load shares with
    // the completion values, so that the folder is listed once).
    void LoadCalcResultItems(TMTOOLS::OS::CFileNameLookup& names);
    // Adds "施工图" and "钢筋算量接口": "完成" when the .pfd / .tsm file
    // exists (its name in any case), "未做" otherwise.
    void CreateCompletionValues();
    void CreateCompletionValues(TMTOOLS::OS::CFileNameLookup& names);

    // "读入成功" for status 0, "读总信息失败" for status 1, "未读入" for 2.
    std::wstring GetLoadStatusText() const;
    // What the last load found amiss without failing, for the teacher to
    // see beside the status: the result files missing or unrecognised, and
    // names chosen among several that differ only in case. Empty when
    // nothing was.
    std::wstring GetLoadNoteText() const;

    // Item of category k (TM_CATEGORY_...); k must be 0 to 5.
    CScoringItem& GetItem(int category);
    const CScoringItem& GetItem(int category) const;
    // Empties all six items, in category order.
    void ClearAllValues();

    std::wstring m_prjPath;   // full path of the .prj file
    std::wstring m_folder;    // the .prj path before its last "/"
    std::wstring m_basePath;  // the .prj path before its last "."
    std::wstring m_pfdPath;   // m_basePath + ".pfd" (drawings)
    std::wstring m_tsmPath;   // m_basePath + ".tsm" (rebar quantities)

    // Load cases, three parallel lists.
    std::vector<std::wstring> m_loadCaseNames;
    std::vector<std::wstring> m_loadCaseShortNames;
    std::vector<int8_t> m_loadCaseCodes;

    // Floor and per-storey tables and optimisation parameters.
    CFloorTables m_floorTables;

    // The six category items, in category order.
    CScoringGenInfoItem m_genInfoItem;
    CScoringLayerInfoItem m_layerInfoItem;
    CScoringGoujianItem m_goujianItem;
    CScoringCalcResultItem m_calcResultItem;
    CScoringWorkDrawingItem m_workDrawingItem;
    CScoringTmQIItem m_tmQIItem;

    int32_t m_loadStatus;

    // Set by each load (emptied first). Result files, by the name derived
    // from the .prj file's: not found, or found with nothing recognised in
    // them ("无法识别"); the values made from such files (they hold the
    // reader's initial values, not the project's); notes on names that
    // differ only in case.
    std::vector<std::wstring> m_missingResultFiles;
    std::vector<std::wstring> m_unrecognisedResultFiles;
    std::vector<std::wstring> m_valuesWithoutFile;
    std::vector<std::wstring> m_nameNotes;
    // Empties the four lists above.
    void ClearLoadNotes();
};

// Owning, ordered list of project records (the student projects).
typedef std::vector<std::unique_ptr<CScoringProject>> CScoringProjectList;
