#include "tests/readers/ResultFileText.h"

#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace resulttext {

std::wstring DisplacementTable(const std::wstring& heading, const std::vector<CStoreyDisplacement>& rows,
                               int drift)
{
    std::wstring text = L"=== 工况 === 楼层最大位移\n";
    text += heading + L"\n";
    text += L"\n";
    text += L" 层号  塔号    节点号    最大位移    平均位移   位移比      层高\n";
    text += L"               节点号    最大层间    平均层间   层间      最大层间\n";
    text += L"                         位移        位移       位移比    位移角\n";
    text += L"                         (mm)        (mm)\n";
    text += L"\n";
    for (const CStoreyDisplacement& row : rows) {
        text += stringFormat(L"%6d%6d%10d%12.2f%12.2f%9.2f%10.0f.\n", row.storey, 1, 100 + row.storey, 12.5,
                             11.9, (double)row.ratio, 3300.0);
        text += stringFormat(L"%12s%10d%12.2f%12.2f%9.2f    1/%5d.\n", L"", 100 + row.storey, 3.12, 2.95,
                             (double)row.storeyRatio, 1058);
    }
    text += L" ----------------------------------------------------------------------\n";
    text += stringFormat(L"  X方向最大层间位移角:        1/%5d.(第  2层第 1塔)\n", drift);
    text += L"\n";
    return text;
}

std::wstring WindDriftTable(const std::wstring& heading, int storeys, int drift)
{
    std::vector<CStoreyDisplacement> rows;
    for (int storey = storeys; storey >= 1; --storey)
        rows.push_back({storey, 1.0f, 1.0f});
    return DisplacementTable(heading, rows, drift);
}

}  // namespace resulttext
