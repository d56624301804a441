// The KELDA block of the .prj file: the general data of the other analysis
// program. Nothing of it is scored; it is read line for line only to reach
// what follows. Its optional lines depend on counts inside it.
#include "readers/PrjConversions.h"
#include "readers/PrjLineReader.h"
#include "readers/ProjectModelReader.h"
#include "tools/TmMessage.h"

namespace {

bool Title(CPrjLineReader& line, const wchar_t* title, const wchar_t* message)
{
    if (line.TitleLine(title))
        return true;
    TMTOOLS::OS::TmShowWarnMessage(message);
    return false;
}

bool SkipGeneral(CPrjLineReader& line)
{
    if (!Title(line, L"总信息", L"读取'总信息'出错!") || !line.RealLine(14))
        return false;
    if (line.Int(2) > 0 && !line.IntegerLine(8))
        return false;
    return true;
}

bool SkipEarthquake(CPrjLineReader& line)
{
    if (!Title(line, L"地震信息", L"读取'地震信息'出错!") || !line.RealLine(11))
        return false;
    const float directions = line.Real(10);
    if (!line.RealLine(8))
        return false;
    const int whipStoreys = line.Int(4);
    const int shearSegments = line.Int(7);
    if (PrjInt(directions) > 0 && !line.RealLine(8))
        return false;
    if (whipStoreys > 0 && !line.IntegerLine(15))
        return false;
    if (shearSegments > 0 && !line.IntegerLine(10))
        return false;
    return true;
}

bool SkipWind(CPrjLineReader& line)
{
    if (!Title(line, L"风信息", L"读取'风信息'出错!") || !line.RealLine(13))
        return false;
    const int directions = line.Int(12);
    if (directions > 0 && !line.RealLine(8))
        return false;
    if (directions > 1 && !line.NextLineContains(L"调整信息")) {
        // One line per further direction; a count beyond the file stops at
        // its end.
        for (int d = 1; d < directions && !line.AtEnd(); ++d) {
            if (!line.RealLine(5))
                return false;
        }
    }
    return true;
}

bool SkipSection(CPrjLineReader& line, const wchar_t* title, const wchar_t* message, int values)
{
    return Title(line, title, message) && line.RealLine(values);
}

}  // namespace

bool SkipKeldaGeneralInfo(CReadALine& reader, FILE* file)
{
    CPrjLineReader line(file, reader);
    return SkipGeneral(line) && SkipEarthquake(line) && SkipWind(line) &&
           SkipSection(line, L"调整信息", L"读取'调整信息'出错!", 8) &&
           SkipSection(line, L"组合系数", L"读取'组合系数'出错!", 20) &&
           SkipSection(line, L"材料信息", L"读取'材料信息'出错!", 18) &&
           SkipSection(line, L"基础信息", L"读取'基础信息'出错!", 4);
}
