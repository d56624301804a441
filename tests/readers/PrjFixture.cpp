#include "tests/readers/PrjFixture.h"

#include <cstdio>
#include <cwchar>

#include "readers/ProjectModelReader.h"
#include "tools/ReadALine.h"

namespace tmtest {

namespace {

std::wstring Number(double value)
{
    wchar_t text[64];
    swprintf(text, 64, L"%g", value);
    return text;
}

void Append(std::wstring& text, const CLines& lines)
{
    for (const std::wstring& line : lines)
        text += line + L"\n";
}

void AppendBlock(std::wstring& text, const wchar_t* keyword, const CPrjBlock& block)
{
    if (!block.m_present)
        return;
    text += keyword;
    text += L"\n";
    Append(text, block.m_lines);
}

}  // namespace

CLines COrvexSections::Lines() const
{
    CLines all;
    for (const CLines* section : {&m_general, &m_earthquake, &m_wind, &m_adjustment, &m_combination, &m_material,
                                  &m_foundation, &m_timeHistory})
        all.insert(all.end(), section->begin(), section->end());
    return all;
}

std::wstring NumberLine(int count, double start, double step)
{
    std::wstring line;
    for (int i = 0; i < count; ++i) {
        if (i)
            line += L" ";
        line += Number(start + step * i);
    }
    return line;
}

CLines RunLines(const std::vector<std::pair<int, double>>& runs)
{
    CLines lines{std::to_wstring(runs.size())};
    for (const auto& run : runs)
        lines.push_back(std::to_wstring(run.first) + L" " + Number(run.second));
    return lines;
}

CLines ValueLines(const std::vector<double>& values, int perLine)
{
    CLines lines;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i % perLine == 0)
            lines.push_back(L"");
        else
            lines.back() += L" ";
        lines.back() += Number(values[i]);
    }
    return lines;
}

CLines DefaultFloorTables(int floorCount)
{
    const int n = floorCount > 0 ? floorCount : 1;
    const int lowTop = n / 2 > 0 ? n / 2 : 1;
    CLines lines{L"标准层", L"2", std::to_wstring(lowTop) + L" " + std::to_wstring(n)};
    const CLines sections[] = {
        RunLines({{1, 4.5}, {n, 3.3}}),
        RunLines({{n, 30}}),
        RunLines({{n, 35}}),
        RunLines({{n, 40}}),
    };
    const wchar_t* titles[] = {L"层高", L"墙柱砼等级", L"梁砼等级", L"板砼等级"};
    for (int i = 0; i < 4; ++i) {
        lines.push_back(titles[i]);
        lines.insert(lines.end(), sections[i].begin(), sections[i].end());
    }
    for (int i = 0; i < 3; ++i) {
        lines.push_back(L"其它");
        lines.push_back(L"0");
    }
    return lines;
}

CPrjFixture::CPrjFixture(int floorCount)
{
    m_header = L"ORVEX Version06.3-2 2023.08";
    m_floorCount = {std::to_wstring(floorCount)};
    m_rows3to6 = {L"1.0 2.0 3.0 4.0", L"这一行不读", NumberLine(6), NumberLine(11), NumberLine(9), NumberLine(14)};

    m_orvex.m_general = {L"总信息", L"2 1 0 3 4 1.1 5 6 7 8 2.5 1.5 9 10 11 12 0 13 0 14 15 16 17 18"};
    m_orvex.m_earthquake = {L"地震信息", L"1 7.5 2 3 0.12 0.45 0.05 2 15 1 0 0.9 0 0",
                            L"3 2 0.8 1.1 0 1.5 1 0 -1 0 4 1 2.5 4.5"};
    m_orvex.m_wind = {L"风信息", L"1 0.55 -0.3 2 1 12 1.3 0 0 0 0 0.6 1 0.04 0 0.3 0.3 0.015 1.1 1 0 0.1",
                      L"0 90"};
    m_orvex.m_adjustment = {L"调整信息", L"0.7 1.8 0.85 1.0 0.4 1.5 1 0 1 0.9 0.8 0.75 0.65 0.6 1.2 1.05"};
    m_orvex.m_combination = {L"组合系数",
                             L"1.3 1.5 0.71 0.72 0.5 1.41 0.73 0.51 1.42 0.61 1.43 0.74 1.44 0.62 1.31 0.52 0.41 "
                             L"0.42 0.53 0.54"};
    m_orvex.m_material = {L"材料信息", L"25 360 270 400 300 435 210 78 1 2 0.85 20 25 15 18 1e-05 1.2e-05 400"};
    m_orvex.m_foundation = {L"基础信息", L"8000 9000"};

    m_fomb.Set({NumberLine(15), L"1 1 1 1 1 1 1 1 1 1 1 1 5 1 1", NumberLine(11), NumberLine(19), NumberLine(22)});
    m_row10 = {L"这一行不读", NumberLine(13), NumberLine(9, 0.5, 0.5), NumberLine(6), NumberLine(21), NumberLine(11)};
    m_floorTables = DefaultFloorTables(floorCount);
    m_loadCaseLine = {L"荷载", L"5", L"1 2 3 4 5"};
    m_optimization = {L"无优化"};
    m_loadCases = {L"4", L"恒荷载", L"恒", L"1", L"活荷载", L"活", L"2", L"风荷载", L"风", L"5", L"地震", L"震", L"7"};
}

std::wstring CPrjFixture::Text() const
{
    std::wstring text = m_header + L"\n";
    Append(text, m_floorCount);
    Append(text, m_rows3to6);
    if (m_hasOrvex) {
        text += L"ORVEX\n";
        Append(text, m_oldOrvexBlock.empty() ? m_orvex.Lines() : m_oldOrvexBlock);
    }
    AppendBlock(text, L"KELDA", m_kelda);
    AppendBlock(text, L"FOMB", m_fomb);
    Append(text, m_row10);
    AppendBlock(text, L"PIRN", m_pirn);
    AppendBlock(text, L"SOLVAN", m_solvan);
    AppendBlock(text, L"MERIDO", m_merido);
    AppendBlock(text, L"LUNTA", m_lunta);
    AppendBlock(text, L"VESKO", m_vesko);
    Append(text, m_floorTables);
    AppendBlock(text, L"斜柱", m_slantedColumns);
    AppendBlock(text, L"钢管", m_steelTubes);
    Append(text, m_loadCaseLine);
    Append(text, m_optimization);
    Append(text, m_loadCases);
    return text;
}

void CPrjFixture::Write(const std::string& path) const
{
    WriteGbkFile(path, Text());
}

bool ReadPrjFile(const std::string& path, CScoringProject& project)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    CReadALine reader(nullptr);
    reader.SetFileName(L"model.prj");
    const bool read = ReadProjectModel(file, reader, project);
    fclose(file);
    return read;
}

bool ReadPrjText(const std::wstring& text, CScoringProject& project)
{
    CTempDir dir;
    const std::string path = dir.File("model.prj");
    WriteGbkFile(path, text);
    return ReadPrjFile(path, project);
}

std::wstring ValueText(const CScoringItem& item, const std::wstring& name)
{
    const CTmData* value = item.FindValue(name);
    return value ? value->GetValueText() : L"<none>";
}

}  // namespace tmtest
