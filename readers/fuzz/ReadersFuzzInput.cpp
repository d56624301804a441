// The fuzz entry functions of the readers (see ReadersFuzzInput.h).
#include "readers/fuzz/ReadersFuzzInput.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "readers/NumericScan.h"
#include "readers/Orvex18Result.h"
#include "readers/ProjectModelReader.h"
#include "readers/fuzz/FuzzSupport.h"
#include "scoring/ScoringProject.h"
#include "tools/ReadALine.h"
#include "tools/TmString.h"

using tmfuzz::CQuietMessages;
using tmfuzz::Require;

namespace {

// The input as a read-only stream; an empty input as an empty file.
class CMemoryFile {
public:
    CMemoryFile(const uint8_t* data, size_t size)
        : m_file(size ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : tmpfile())
    {
        if (!m_file)
            abort();
    }
    ~CMemoryFile() { fclose(m_file); }
    CMemoryFile(const CMemoryFile&) = delete;
    CMemoryFile& operator=(const CMemoryFile&) = delete;
    operator FILE*() const { return m_file; }

private:
    FILE* m_file;
};

// One step of the line target, as the readers use the line reader.
void LineStep(CReadALine& reader, FILE* file, unsigned op, unsigned step)
{
    int values[8];
    float reals[16];
    std::wstring line;
    int count = (int)(step % 9);
    switch (op % 8) {
    case 0: {
        const int end = step % 3 ? -1 : (int)(step % (unsigned)reader.m_bufSize);
        const wchar_t* text = reader.ReadAString(file, (int)(step % 7), end);
        Require(text != nullptr && wcslen(text) < (size_t)reader.m_bufSize);
        break;
    }
    case 1:
        reader.ReadIntegers(file, (int)(step % 4), count, values);
        Require(count >= 0 && count <= (int)(step % 9));
        break;
    case 2:
        ReadFloats(reader, file, reals, count);
        Require(count >= 0 && count <= (int)(step % 9));
        break;
    case 3:
        reader.FindString(file, step % 2 ? L"合计" : L"层", line);
        break;
    case 4:
        FindLineContaining(reader, file, L"--", line);
        break;
    case 5: {
        line = reader.ReadAString(file, 0, -1);
        SplitFloats(line, L" ", reals, count);
        Require(count >= 0 && count <= 16);
        count = 8;
        ReadFloatsAfterTotal(reader, reals, count, line.c_str());
        Require(count >= 0 && count <= 8);
        WideToDouble(line.c_str());
        break;
    }
    case 6: {
        // A keyword line: read, and back to read it again.
        const long mark = ftell(file);
        line = reader.ReadAString(file, 0, -1);
        const long number = reader.m_lineNumber;
        if (mark >= 0 && fseek(file, mark, SEEK_SET) == 0) {
            reader.m_lineNumber = number - 1;
            reader.m_isEnd = false;
            Require(line == reader.ReadAString(file, 0, -1));
        }
        break;
    }
    default:
        reader.ReadInteger(file, 0, count, values);
        break;
    }
}

}  // namespace

void LineFuzzOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return;
    const int bufferSize = 2 + data[0];
    const unsigned mix = data[1];
    CMemoryFile file(data + 2, size - 2);
    CQuietMessages messages;
    CReadALine reader(nullptr, bufferSize);
    reader.SetFileName(L"fuzz.txt");
    for (unsigned step = 0; !reader.IsEnd(); ++step)
        LineStep(reader, file, mix + step * (1 + mix % 5), step);
    // Read again under the same name: a too-long line is still said once.
    rewind(file);
    reader.SetFileName(L"fuzz.txt");
    while (!reader.IsEnd())
        reader.ReadAString(file, 0, -1);
    Require(messages.m_tooLongLines <= 1);
}

void PrjFuzzOneInput(const uint8_t* data, size_t size)
{
    CMemoryFile file(data, size);
    CQuietMessages messages;
    const float scores[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};
    CScoringProject project;
    project.SetProjectPath(L"/fuzz/frame.prj", scores);
    // Twice, as a reload reads it: the model reader resets its tables.
    for (int pass = 0; pass < 2; ++pass) {
        project.ClearAllValues();
        CReadALine reader(nullptr);
        reader.SetFileName(project.m_prjPath.c_str());
        if (ReadProjectModel(file, reader, project))
            CreateFloorValues(project, project.m_genInfoItem.m_floorCount);
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
            for (const auto& value : project.GetItem(k).GetValues())
                value->GetValueText();
        }
    }
    Require(messages.m_tooLongLines <= 2);
}

void ResultFuzzOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return;
    static const char* const kSuffixes[4] = {"_结构信息.txt", "_周期和地震作用.txt", "_水平力效应验算.txt",
                                             "_结构位移.txt"};
    const std::string base = tmfuzz::ScratchFolder() + "/frame";
    const char* at = (const char*)data + 1;
    const char* end = (const char*)data + size;
    for (const char* suffix : kSuffixes) {
        const std::string path = base + suffix;
        if (at > end) {
            unlink(path.c_str());  // fewer pieces: the later files are missing
            continue;
        }
        const char* cut = at;
        while (cut < end && *cut != 0x1e)
            ++cut;
        tmfuzz::WriteFile(path, at, (size_t)(cut - at));
        at = cut + 1;
    }

    CQuietMessages messages;
    CORVEX18Result result;
    result.Reset();
    result.m_basementFloorCount = (int16_t)(data[0] % 4);
    result.m_resultOption = (int16_t)(data[0] / 4 % 4);
    std::wstring prjPath;
    TMTOOLS::String::EncodeUnicode(65001, base + ".prj", prjPath);
    result.ReadResults(prjPath);
    Require(result.m_weakStoreyCountX <= CCalcResult::kMaxWeakStoreys);
    Require(result.m_weakStoreyCountY <= CCalcResult::kMaxWeakStoreys);
    // One warning per file at most for its long lines.
    Require(messages.m_tooLongLines <= 4);
}
