// CScoringProject::Load: reading one project folder into its record.
//
// The order is fixed: the .prj model (general values and floor tables), the
// per-storey values, the calculation results, the two completion values.
// Only the model file can make a load fail; missing or damaged result files
// leave their values at the reader's initial values, and the record lists
// them (a missing file silently costs a student its points). Files named
// after the .prj file are found whatever the case of their names, as on
// Windows, where the projects are made. Every load starts by
// emptying the six items, so reloading never doubles a value.
//
// Loading drives the readers, so it lives with them: the scoring library
// knows the record, the readers know how to fill it.
#include <cstdio>

#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "tools/FileNameLookup.h"
#include "tools/ReadALine.h"
#include "tools/TmInputFile.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

bool CScoringProject::Load()
{
    ClearAllValues();
    ClearLoadNotes();

    if (!TMTOOLS::OS::FileExist(m_prjPath.c_str())) {
        std::wstring text = TMTOOLS::String::stringFormat(L"工程 %s 不存在.", m_prjPath.c_str());
        TMTOOLS::OS::TmShowMessage(text.c_str(), L"Tesmo评分系统");
        m_loadStatus = TM_LOAD_FAILED;
        return false;
    }
    // A folder named like a project file exists but cannot be read as one;
    // neither can a FIFO or a device (reading would wait or never end) nor
    // a file far larger than any model, which the open says.
    TMTOOLS::OS::TmInputStatus status;
    FILE* file = TMTOOLS::OS::OpenInputFile(m_prjPath.c_str(), TMTOOLS::OS::TM_MAX_INPUT_FILE_BYTES, status);
    if (!file) {
        m_loadStatus = TM_LOAD_FAILED;
        return false;
    }

    // The line reader decodes GBK and folds CR LF itself; no process locale
    // is changed, and the file is opened for reading only.
    bool read;
    {
        CReadALine reader(nullptr);
        reader.SetFileName(m_prjPath.c_str());
        reader.DetectEncoding(file);
        read = ReadProjectModel(file, reader, *this);
    }
    fclose(file);
    if (!read) {
        m_loadStatus = TM_LOAD_FAILED;
        return false;
    }

    // One lookup for the files named after the .prj file: the folder is
    // listed once for all of them.
    TMTOOLS::OS::CFileNameLookup names;
    CreateFloorValues(*this, m_genInfoItem.m_floorCount);
    LoadCalcResultItems(names);
    CreateCompletionValues(names);
    m_nameNotes = names.Notes();
    return true;
}
