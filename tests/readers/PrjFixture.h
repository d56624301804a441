// A .prj model file described by its rows and sections, laid out as the
// analysis program writes it (GBK, CR LF).
//
// Every part of the file is a list of lines in the file's own words, with
// defaults that form a small valid model of N storeys; a test changes the
// parts it is about and shows those lines. Keyword blocks ("ORVEX", "LUNTA",
// ...) are written with their keyword line when present.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "scoring/ScoringProject.h"
#include "tests/support/TestFiles.h"

namespace tmtest {

typedef std::vector<std::wstring> CLines;

// A keyword line and the lines of its block.
struct CPrjBlock {
    bool m_present = false;
    CLines m_lines;

    void Set(const CLines& lines)
    {
        m_present = true;
        m_lines = lines;
    }
};

// The eight general sections of the ORVEX block, title line first.
struct COrvexSections {
    CLines m_general;
    CLines m_earthquake;
    CLines m_wind;
    CLines m_adjustment;
    CLines m_combination;
    CLines m_material;
    CLines m_foundation;
    CLines m_timeHistory;  // optional: empty by default

    CLines Lines() const;
};

struct CPrjFixture {
    // A model of floorCount storeys with every section the reader needs and
    // floor tables whose values all differ from the reader's defaults.
    explicit CPrjFixture(int floorCount = 3);

    std::wstring m_header;
    CLines m_floorCount;          // row 2
    CLines m_rows3to6;            // 3: 4 reals; 4: skipped; 5: 6 ints; 6: 11, 9, 14 reals
    bool m_hasOrvex = true;
    COrvexSections m_orvex;
    CLines m_oldOrvexBlock;       // written instead of m_orvex when not empty
    CPrjBlock m_kelda;
    CPrjBlock m_fomb;
    CLines m_row10;               // skipped, 13 ints, 9, 6, 21, 11 reals
    CPrjBlock m_pirn;
    CPrjBlock m_solvan;
    CPrjBlock m_merido;
    CPrjBlock m_lunta;
    CPrjBlock m_vesko;
    CLines m_floorTables;         // standard storeys, heights, 3 grades, 3 discarded
    CPrjBlock m_slantedColumns;   // "斜柱"
    CPrjBlock m_steelTubes;       // "钢管"
    CLines m_loadCaseLine;        // skipped, count, the line of values
    CLines m_optimization;        // "优化信息" and its lines, or one other line
    CLines m_loadCases;           // count, then name, short name, code per case

    // The text of the file, with "\n" line ends.
    std::wstring Text() const;
    // Writes the file as GBK with CR LF.
    void Write(const std::string& path) const;
};

// Lines that describe tables compactly.
// "k", then one "top value" line per run.
CLines RunLines(const std::vector<std::pair<int, double>>& runs);
// The values split into lines of perLine values.
CLines ValueLines(const std::vector<double>& values, int perLine);
// One line of count values start, start + step, ...
std::wstring NumberLine(int count, double start = 1, double step = 1);
// The default floor tables of a fixture of floorCount storeys.
CLines DefaultFloorTables(int floorCount);

// Reads a fixture through the model reader into project, as the load does
// (a file of its own, a reader named after it). Returns the reader's result.
bool ReadPrjText(const std::wstring& text, CScoringProject& project);
bool ReadPrjFile(const std::string& path, CScoringProject& project);

// The text of the value name in item, or "<none>".
std::wstring ValueText(const CScoringItem& item, const std::wstring& name);

}  // namespace tmtest
