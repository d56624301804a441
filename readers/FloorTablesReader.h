// The floor tables of the .prj file and the model sections that follow
// them, read into the project record's tables as the model reader walks on
// past the analysis-program blocks.
//
// Every table has room for N entries (N being the storey count of the
// header): a file that gives more runs or standard storeys keeps the first
// N, and a count from the file never drives a loop past the end of the file.
// A file that ends early leaves the tables at their defaults from there on.
// Every method returns false when a line that must parse did not (the
// parser has shown its warning).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CPrjLineReader;
class CScoringProject;

class CFloorTablesReader {
public:
    CFloorTablesReader(CPrjLineReader& line, CScoringProject& project, int32_t floorCount);
    CFloorTablesReader(const CFloorTablesReader&) = delete;
    CFloorTablesReader& operator=(const CFloorTablesReader&) = delete;

    // The "LUNTA" block after its keyword line: mortar and block grades.
    bool ReadMasonryBlock();
    // The "VESKO" block after its keyword line: the per-storey tables.
    bool ReadStoreyBlock();
    // From the standard storeys to the end of the model: the floor tables,
    // "斜柱", "钢管", the load-case line (whose value count the "FOMB" block
    // gave), "优化信息" and the load cases (read when header contains
    // "Version06.3"), then the fire load is made sure of.
    bool ReadTablesAndLoadCases(const std::wstring& header, int loadCaseLineValues);

private:
    bool CountLine(int32_t& count);
    bool ReadStandardStoreys();
    bool ReadSlantedColumns();
    bool ReadSteelTubes();
    bool ReadOptimization();
    bool ReadLoadCases();
    void EnsureFireLoad();
    // Reads entries values laid out perLine to a line (integer lines, or
    // real lines when reals is true) into table, each value at its place;
    // values beyond the table are read and dropped. Stops at the end of the
    // file.
    template <typename T>
    bool ReadPerStoreyLines(std::vector<T>& table, int32_t entries, int perLine, bool reals);
    template <typename Run, typename MakeRun>
    bool ReadRuns(int32_t count, int limit, bool reals, std::vector<Run>& table, MakeRun makeRun);

    CPrjLineReader& m_line;
    CScoringProject& m_project;
    // Entries a table holds at most: N, 0 for a negative N.
    int32_t m_room;
};
