// Runs tests/xls/read_back.py and parses what it prints.
#include "tests/xls/XlsReadBack.h"

#include <cstdlib>
#include <sstream>

#include "tests/support/TestFiles.h"

namespace tmtest {

namespace {

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::wstring FromHex(const std::string& hex)
{
    if (hex == "-")
        return std::wstring();
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += (char)std::stoi(hex.substr(i, 2), nullptr, 16);
    return Wide(bytes);
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

std::string RunReader(const std::string& arguments, std::string& output)
{
    std::string command = std::string(TM_DEBIAN_PYTHON) + " " + Quote(TM_XLS_READER_SCRIPT) + " " + arguments +
                          " 2>&1";
    int status = 0;
    output = RunOutput(command, &status);
    if (status != 0)
        return output.empty() ? "reader failed" : output;
    return std::string();
}

}  // namespace

const CReadStream* CReadDocument::Find(const std::wstring& path) const
{
    for (const CReadStream& stream : streams) {
        if (stream.path == path)
            return &stream;
    }
    return nullptr;
}

std::string ReadCellsBack(const std::string& path, std::vector<CReadSheet>& sheets)
{
    sheets.clear();
    std::string output;
    std::string error = RunReader("cells " + Quote(path), output);
    if (!error.empty())
        return error;
    std::stringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> f = Fields(line);
        if (f.size() == 4 && f[0] == "S") {
            CReadSheet sheet;
            sheet.name = FromHex(f[1]);
            sheet.rows = std::stoi(f[2]);
            sheet.columns = std::stoi(f[3]);
            sheets.push_back(sheet);
        } else if (f.size() == 5 && f[0] == "C" && !sheets.empty()) {
            CReadCell cell;
            cell.isText = f[3] == "t";
            if (cell.isText)
                cell.text = FromHex(f[4]);
            else if (f[3] == "n")
                cell.number = std::strtod(f[4].c_str(), nullptr);
            else
                return "unexpected cell: " + line;
            sheets.back().cells[{std::stoi(f[1]), std::stoi(f[2])}] = cell;
        } else {
            return "unexpected reader output: " + line;
        }
    }
    return std::string();
}

std::string ReadStreamsBack(const std::string& path, CReadDocument& document)
{
    document = CReadDocument();
    CTempDir folder;
    std::string output;
    std::string error = RunReader("streams " + Quote(path) + " " + Quote(folder.Path()), output);
    if (!error.empty())
        return error;
    std::stringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> f = Fields(line);
        if (f.size() == 4 && f[0] == "T") {
            CReadStream stream;
            stream.path = FromHex(f[1]);
            stream.size = (uint32_t)std::stoul(f[2]);
            stream.content = ReadBytes(f[3]);
            document.streams.push_back(stream);
        } else if (f.size() == 2 && f[0] == "D") {
            document.storages.push_back(FromHex(f[1]));
        } else {
            return "unexpected reader output: " + line;
        }
    }
    return std::string();
}

std::string FileBytes(const std::string& path)
{
    return ReadBytes(path);
}

uint32_t Le32(const std::string& bytes, size_t offset)
{
    if (offset + 4 > bytes.size())
        return 0xDEADBEEF;
    const unsigned char* p = (const unsigned char*)bytes.data() + offset;
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

uint16_t Le16(const std::string& bytes, size_t offset)
{
    if (offset + 2 > bytes.size())
        return 0xBEEF;
    const unsigned char* p = (const unsigned char*)bytes.data() + offset;
    return (uint16_t)(p[0] | p[1] << 8);
}

}  // namespace tmtest

namespace tmtest {

std::vector<CStreamRecord> SplitRecords(const std::string& stream)
{
    std::vector<CStreamRecord> records;
    size_t at = 0;
    while (at + 4 <= stream.size()) {
        CStreamRecord record;
        record.position = at;
        record.type = Le16(stream, at);
        size_t length = Le16(stream, at + 2);
        record.data = stream.substr(at + 4, length);
        records.push_back(record);
        at += 4 + length;
    }
    return records;
}

}  // namespace tmtest
