// Measures the workbook writer on the report of a class: 500 per-project
// workbooks of about 300 value rows each, then one workbook of 65,535 value
// rows. The same cells are then written by xlwt (an independent writer,
// run by the Debian python) in the same run, and both times are reported.
//
// Usage: xls_write_bench [students] [rows of the large workbook] [--ours-only]
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/TmString.h"
#include "xls/XlsWorkbook.h"

namespace {

struct CRow {
    std::wstring name;
    std::wstring standard;
    std::wstring student;
    double valueScore;
    double earned;
};

struct CBook {
    std::string fileName;
    std::vector<CRow> rows;
};

const wchar_t* const kHeader[] = {L"评分内容", L"标准答案", L"学生答案", L"标准分值", L"实际得分"};

class CRandom {
public:
    explicit CRandom(uint32_t seed) : m_state(seed) {}
    uint32_t Next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }

private:
    uint32_t m_state;
};

std::wstring ValueText(float value)
{
    return TMTOOLS::String::stringFormat(L"%.7g", (double)value);
}

// Value names and standard values like a real standard's: general settings,
// per-storey values, results; shares as the scoring computes them.
CBook MakeBook(const std::string& fileName, size_t rowCount, CRandom& random)
{
    static const wchar_t* const kNames[] = {L"层高", L"X向层间位移角", L"Y向层间位移角", L"楼层刚度比",
                                            L"受剪承载力比", L"剪重比", L"质量比", L"周期"};
    CBook book;
    book.fileName = fileName;
    book.rows.reserve(rowCount);
    const float share = 30.0f / (float)(rowCount > 0 ? rowCount : 1);
    for (size_t i = 0; i < rowCount; ++i) {
        CRow row;
        row.name = TMTOOLS::String::stringFormat(L"第%d层%s", (int)(i / 8 + 1), kNames[i % 8]);
        float standard = (float)(random.Next() % 100000) / 1000.0f;
        row.standard = ValueText(standard);
        uint32_t roll = random.Next() % 100;
        if (roll < 3) {
            row.earned = 0;
        } else if (roll < 80) {
            row.student = row.standard;
            row.earned = share;
        } else {
            row.student = ValueText(standard * 1.2f);
            row.earned = 0;
        }
        row.valueScore = share;
        book.rows.push_back(row);
    }
    return book;
}

bool WriteOurs(const CBook& book, const std::string& folder)
{
    // Made again for each book, as the program's per-project workbooks are.
    static XlsWorkbook workbook;
    workbook.CreateNew();
    XlsWorksheet* sheet = workbook.FindSheet("Sheet1");
    if (!sheet)
        return false;
    for (uint32_t c = 0; c < 5; ++c)
        sheet->CellAt(0, c)->SetText(kHeader[c]);
    uint32_t r = 1;
    for (const CRow& row : book.rows) {
        sheet->CellAt(r, 0)->SetText(row.name);
        sheet->CellAt(r, 1)->SetText(row.standard);
        sheet->CellAt(r, 2)->SetText(row.student);
        sheet->CellAt(r, 3)->SetNumber(row.valueScore);
        sheet->CellAt(r, 4)->SetNumber(row.earned);
        ++r;
    }
    return workbook.WriteToFile(folder + "/" + book.fileName);
}

std::string Utf8(const std::wstring& text)
{
    std::string out;
    TMTOOLS::String::DecodeUnicode(65001, text, out);
    return out;
}

bool DumpCells(const std::vector<CBook>& books, const std::string& path)
{
    FILE* out = fopen(path.c_str(), "wb");
    if (!out)
        return false;
    for (const CBook& book : books) {
        fprintf(out, "W\t%s\nH", book.fileName.c_str());
        for (const wchar_t* text : kHeader)
            fprintf(out, "\t%s", Utf8(text).c_str());
        fputc('\n', out);
        for (const CRow& row : book.rows) {
            fprintf(out, "R\t%s\t%s\t%s\t%a\t%a\n", Utf8(row.name).c_str(), Utf8(row.standard).c_str(),
                    Utf8(row.student).c_str(), row.valueScore, row.earned);
        }
    }
    return fclose(out) == 0;
}

uint64_t FolderBytes(const std::string& folder)
{
    uint64_t total = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        total += entry.file_size();
    return total;
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

double ProcessorSeconds()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
    size_t students = argc > 1 ? (size_t)atoi(argv[1]) : 500;
    size_t largeRows = argc > 2 ? (size_t)atoi(argv[2]) : 65535;
    const bool oursOnly = argc > 3 && std::string(argv[3]) == "--ours-only";

    char pattern[] = "/tmp/tmscore-xls-bench-XXXXXX";
    if (!mkdtemp(pattern)) {
        fprintf(stderr, "cannot create a scratch folder\n");
        return 1;
    }
    std::string root = pattern;
    std::string ours = root + "/ours";
    std::string theirs = root + "/xlwt";
    mkdir(ours.c_str(), 0777);
    mkdir(theirs.c_str(), 0777);

    CRandom random(20240601);
    std::vector<CBook> books;
    size_t cells = 0;
    for (size_t s = 0; s < students; ++s) {
        char name[64];
        snprintf(name, sizeof name, "student%03zu.xls", s);
        books.push_back(MakeBook(name, 290 + random.Next() % 21, random));
        cells += 5 * (books.back().rows.size() + 1);
    }
    books.push_back(MakeBook("large.xls", largeRows, random));

    auto start = std::chrono::steady_clock::now();
    const double startCpu = ProcessorSeconds();
    for (size_t i = 0; i + 1 < books.size(); ++i) {
        if (!WriteOurs(books[i], ours)) {
            fprintf(stderr, "writing %s failed\n", books[i].fileName.c_str());
            return 1;
        }
    }
    auto middle = std::chrono::steady_clock::now();
    const double oursClassCpu = ProcessorSeconds() - startCpu;
    if (!WriteOurs(books.back(), ours)) {
        fprintf(stderr, "writing the large workbook failed\n");
        return 1;
    }
    auto end = std::chrono::steady_clock::now();
    double oursClass = Seconds(middle - start);
    double oursLarge = Seconds(end - middle);
    uint64_t oursBytes = FolderBytes(ours);

    if (oursOnly) {
        printf("TmScore writer %.3f s, %.3f s processor, %zu workbooks; large %.3f s\n", oursClass, oursClassCpu,
               students, oursLarge);
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        return 0;
    }
    std::string cellsFile = root + "/cells.tsv";
    if (!DumpCells(books, cellsFile)) {
        fprintf(stderr, "cannot write %s\n", cellsFile.c_str());
        return 1;
    }
    std::string command = std::string(TM_DEBIAN_PYTHON) + " " + TM_XLWT_SCRIPT + " " + cellsFile + " " + theirs;
    FILE* pipe = popen(command.c_str(), "r");
    double xlwtClass = -1;
    double xlwtLarge = -1;
    if (pipe) {
        char line[256];
        while (fgets(line, sizeof line, pipe)) {
            sscanf(line, "class %lf", &xlwtClass);
            sscanf(line, "large %lf", &xlwtLarge);
        }
        pclose(pipe);
    }

    printf("class: %zu workbooks, %zu cells\n", students, cells);
    printf("  TmScore writer  %8.3f s  (%.2f ms per workbook, %.3f s processor)\n", oursClass,
           students ? 1000.0 * oursClass / (double)students : 0.0, oursClassCpu);
    if (xlwtClass >= 0) {
        printf("  xlwt 1.3.0      %8.3f s\n", xlwtClass);
        printf("  xlwt / TmScore  %8.1f x\n", xlwtClass / oursClass);
    } else {
        printf("  xlwt did not run (%s)\n", command.c_str());
    }
    printf("large: one workbook of %zu value rows\n", largeRows);
    printf("  TmScore writer  %8.3f s\n", oursLarge);
    if (xlwtLarge >= 0) {
        printf("  xlwt 1.3.0      %8.3f s\n", xlwtLarge);
        printf("  xlwt / TmScore  %8.1f x\n", xlwtLarge / oursLarge);
    }
    printf("bytes of all workbooks: TmScore %llu, xlwt %llu\n", (unsigned long long)oursBytes,
           (unsigned long long)FolderBytes(theirs));
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return xlwtClass >= 0 ? 0 : 2;
}
