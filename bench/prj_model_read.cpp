// Measures the .prj model reader: whole reads of the complete model files of
// the reader tests (model and per-storey values), the real-number scanner on
// a long file of numbers, and reads on two threads at once.
//
// Usage: prj_model_read [rounds]   (default 2000 reads per file)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "readers/NumericScan.h"
#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "tools/ReadALine.h"

namespace {

typedef std::chrono::steady_clock Clock;

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

std::string DataFolder()
{
    std::string source = __FILE__;
    return source.substr(0, source.rfind('/')) + "/../tests/readers/data/";
}

long FileSize(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return -1;
    fseek(file, 0, SEEK_END);
    long size = ftell(file);
    fclose(file);
    return size;
}

// One load's worth of model reading; false when the file did not read.
bool ReadOnce(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    CReadALine reader(nullptr);
    reader.SetFileName(L"bench.prj");
    CScoringProject project;
    bool read = ReadProjectModel(file, reader, project);
    fclose(file);
    if (read)
        CreateFloorValues(project, project.m_genInfoItem.m_floorCount);
    return read;
}

void MeasureFile(const char* name, int rounds)
{
    const std::string path = DataFolder() + name;
    const long size = FileSize(path);
    if (size < 0 || !ReadOnce(path)) {
        printf("%-16s cannot be read\n", name);
        return;
    }
    Clock::time_point start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        ReadOnce(path);
    const double seconds = Seconds(start);
    printf("%-16s %6ld bytes  %8.1f us per read  %7.0f reads/s\n", name, size, seconds / rounds * 1e6,
           rounds / seconds);
}

void MeasureScanner()
{
    const char* path = "/tmp/prj_model_read_numbers.txt";
    const int lines = 200000;
    FILE* out = fopen(path, "wb");
    if (!out)
        return;
    for (int i = 0; i < lines; ++i)
        fprintf(out, "%d 3.25 -0.125 1.5e-05 %d.75 25 0.85 1.2 360 270 400 300 435 210 78 1 2 0.85 20 25\r\n", i, i);
    fclose(out);
    const long size = FileSize(path);

    FILE* file = fopen(path, "rb");
    CReadALine reader(nullptr);
    float values[20];
    double sum = 0;
    Clock::time_point start = Clock::now();
    for (;;) {
        int count = 20;
        if (!ReadFloats(reader, file, values, count) || count == 0)
            break;
        sum += values[count - 1];
    }
    const double seconds = Seconds(start);
    fclose(file);
    remove(path);
    printf("ReadFloats       %d lines of 20 reals, %.1f MB: %.0f lines/s, %.1f MB/s (check %.0f)\n", lines,
           size / 1e6, lines / seconds, size / 1e6 / seconds, sum);
}

void MeasureThreads(int rounds)
{
    const std::string path = DataFolder() + "tower45.prj";
    Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < rounds; ++i)
                ReadOnce(path);
        });
    for (std::thread& thread : threads)
        thread.join();
    const double seconds = Seconds(start);
    printf("tower45.prj on 2 threads: %.0f reads/s together\n", 2 * rounds / seconds);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? atoi(argv[1]) : 2000;
    for (const char* name : {"frame12.prj", "masonry6.prj", "tower45.prj", "old-version.prj"})
        MeasureFile(name, rounds);
    MeasureScanner();
    MeasureThreads(rounds);
    return 0;
}
