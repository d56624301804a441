// The walk of the .prj file from its header to the end of the
// analysis-program blocks; the floor tables that follow are read by
// CFloorTablesReader.
//
// Rows 3 to 13 hold data of the analysis programs that nothing here scores:
// they are read only to keep the place in the file, with the line kinds and
// value counts the file has, because a line's meaning is its place.
#include "readers/ProjectModelReader.h"

#include "readers/FloorTablesReader.h"
#include "readers/PrjConversions.h"
#include "readers/PrjLineReader.h"
#include "scoring/ScoringProject.h"
#include "scoring/TmData.h"
#include "tools/ReadALine.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

namespace {

// Reads the given real lines in order; each must parse.
bool RealLines(CPrjLineReader& line, std::initializer_list<int> limits)
{
    for (int limit : limits) {
        if (!line.RealLine(limit))
            return false;
    }
    return true;
}

class CProjectModelWalk {
public:
    CProjectModelWalk(FILE* file, CReadALine& reader, CScoringProject& project)
        : m_file(file), m_reader(reader), m_project(project), m_line(file, reader)
    {
    }

    bool Read();

private:
    bool ReadFloorCount();
    bool ReadLoadCombinationBlock();
    bool ReadSolverBlock();
    bool ReadMeridoBlock();

    FILE* m_file;
    CReadALine& m_reader;
    CScoringProject& m_project;
    CPrjLineReader m_line;
    std::wstring m_header;
    int32_t m_floorCount = 0;
    // Values of the load-case line after the floor tables ("FOMB" #12).
    int m_loadCaseLineValues = 5;
};

bool CProjectModelWalk::Read()
{
    // Row 1: the version text decides which blocks have which layout.
    m_header = m_line.TextLine();
    if (!ReadFloorCount())
        return false;
    m_line.RealLine(4);
    m_line.SkipLine();
    if (!m_line.IntegerLine(6) || !RealLines(m_line, {11, 9, 14}))
        return false;

    // The ORVEX and KELDA blocks end themselves on a failure; the walk goes
    // on at the next keyword line either way.
    if (m_line.KeywordLine(L"ORVEX\n"))
        ReadOrvexGeneralInfo(m_header, m_file, m_reader, m_project);
    if (m_line.KeywordLine(L"KELDA\n"))
        SkipKeldaGeneralInfo(m_reader, m_file);
    if (m_line.KeywordLine(L"FOMB\n") && !ReadLoadCombinationBlock())
        return false;

    m_line.SkipLine();
    if (!m_line.IntegerLine(13))
        return false;
    m_line.RealLine(9);
    if (!m_line.RealLine(6))
        return false;
    m_line.RealLine(21);
    m_line.RealLine(11);

    if (m_line.KeywordLine(L"PIRN\n") && !RealLines(m_line, {11, 9, 5, 3}))
        return false;
    if (m_line.KeywordLine(L"SOLVAN\n") && !ReadSolverBlock())
        return false;
    if (m_line.KeywordLine(L"MERIDO\n") && !ReadMeridoBlock())
        return false;

    CFloorTablesReader tables(m_line, m_project, m_floorCount);
    if (m_line.KeywordLine(L"LUNTA\n") && !tables.ReadMasonryBlock())
        return false;
    if (m_line.KeywordLine(L"VESKO\n") && !tables.ReadStoreyBlock())
        return false;
    return tables.ReadTablesAndLoadCases(m_header, m_loadCaseLineValues);
}

// Row 2: N, "结构计算总层数". The floor tables are made for N storeys, so a
// count no building has is refused rather than allocated. The count must be
// there: a file that ends before it (empty, a header only, or text that is
// not GBK, such as UTF-16, whose second line starts with a NUL) is no model,
// and reading it on would give a project of defaults that earns points.
bool CProjectModelWalk::ReadFloorCount()
{
    if (!m_line.IntegerLine(1) || m_line.Count() < 1)
        return false;
    m_floorCount = m_line.Integer(0, 0);
    if (m_floorCount > kMaxPrjFloorCount) {
        const wchar_t* fileName = m_reader.m_fileName ? m_reader.m_fileName : L"";
        TMTOOLS::OS::TmShowWarnMessage(
            TMTOOLS::String::stringFormat(L"在文件 %s 中\n第 %d 行的结构计算总层数 %d 超出了程序的处理范围(%d)。",
                                          fileName, (int)m_reader.m_lineNumber, m_floorCount, kMaxPrjFloorCount)
                .c_str());
        return false;
    }
    CScoringGenInfoItem& general = m_project.m_genInfoItem;
    general.AddValue(new CTmIntData(L"结构计算总层数", TM_GROUP_GENERAL, m_floorCount));
    general.m_floorCount = m_floorCount;
    m_project.m_floorTables.Reset(m_floorCount);
    return true;
}

bool CProjectModelWalk::ReadLoadCombinationBlock()
{
    if (!m_line.RealLine(15) || !m_line.RealLine(15))
        return false;
    if (m_line.Count() > 12)
        m_loadCaseLineValues = m_line.IntPrime(12);
    return RealLines(m_line, {11, 19, 22});
}

bool CProjectModelWalk::ReadSolverBlock()
{
    if (m_header.find(L"Version97.5") == std::wstring::npos)
        return RealLines(m_line, {9, 8, 8, 10, 9, 7, 16});
    return RealLines(m_line, {11, 12, 15, 15, 12, 10});
}

bool CProjectModelWalk::ReadMeridoBlock()
{
    if (!m_line.RealLine(11))
        return false;
    if (m_line.Count() >= 11) {
        // A storey count of its own; a line of that many values follows
        // when it differs from N.
        const int storeys = LowByte(m_line.Int(10));
        if (storeys > 0 && storeys != m_floorCount && !m_line.RealLine(storeys))
            return false;
    }
    return RealLines(m_line, {14, 8, 10, 9, 8, 16, 11});
}

}  // namespace

bool ReadProjectModel(FILE* file, CReadALine& reader, CScoringProject& project)
{
    project.m_floorTables.Clear();
    CScoringGenInfoItem& general = project.m_genInfoItem;
    general.m_floorCount = 0;
    general.m_basementFloorCount = 0;
    general.m_resultOption = 0;
    if (!file)
        return false;
    rewind(file);
    reader.m_lineNumber = 0;
    reader.m_isEnd = false;
    CProjectModelWalk walk(file, reader, project);
    return walk.Read();
}
