// Reading a project's model file (.prj) into its project record.
//
// The .prj file of an ORVEX project is positional text: lines of numbers
// whose meaning is given by their place, a few title lines and keyword lines
// that mark sections. ReadProjectModel walks it once from the first line to
// the end: the header and the analysis-program blocks (of which the ORVEX
// block's general sections become the "总信息" values), then the floor
// tables, slanted columns, steel tubes, optimisation data and load cases.
// CreateFloorValues turns the floor tables into the per-storey values of
// "各层信息" once the file is closed.
//
// The file is the caller's: opened (binary or text, the line reader folds
// CR LF) before and closed after. The reader keeps no state between calls,
// so projects may be read on several threads at once, each with its own
// file, line reader and record.
#pragma once

#include <cstdio>
#include <string>

class CReadALine;
class CScoringProject;

// Reads the whole .prj file into project: resets the floor tables, rewinds
// the file and walks it. False when a required line fails to parse (the
// parser has shown its warning) or when the storey count is beyond what the
// program handles; the end of the file is not a failure.
bool ReadProjectModel(FILE* file, CReadALine& reader, CScoringProject& project);

// Reads the ORVEX block that follows its keyword line and adds the general
// values of its eight sections to the "总信息" item. A header without
// "Version06.3-2" marks the old 16-line block, which is skipped. False when
// the block ended early (a missing section title, with its warning, or a
// line that did not parse); the values created before stay.
bool ReadOrvexGeneralInfo(const std::wstring& header, FILE* file, CReadALine& reader, CScoringProject& project);

// Reads and discards the KELDA block that follows its keyword line. False
// when it ended early.
bool SkipKeldaGeneralInfo(CReadALine& reader, FILE* file);

// Adds the eight per-storey values of storeys 1 to floorCount, pass by pass,
// to the "各层信息" item, from the floor tables of project.
void CreateFloorValues(CScoringProject& project, int floorCount);

// The largest storey count the reader accepts; a larger count is a damaged
// file, not a building.
const int kMaxPrjFloorCount = 1000;
