// Extraction speed: a class of student archives unpacked the way the
// student-project import does it, against `unzip -q -o` on the same
// archives in the same run.
//
//   zip_extract_bench [scratch folder] [archive count] [rounds] [sample archives]
//
// The scratch folder (default /tmp/tmscore-zip-bench) receives generated
// sample-class-like archives the first time (Info-ZIP zip over generated
// projects: a model file, four GBK result files, a drawing and a quantity
// file, a few hundred KB per archive) and the extracted trees. Each round
// extracts every archive with the library and with unzip into fresh
// folders; the best and the median round of each side are reported.
// Given a folder of sample archives (samples/archives), a second class of
// the same count is made by copying them round-robin and measured too.
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

extern char** environ;

namespace {

double Now()
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

std::wstring Wide(const std::string& text)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(65001, text, wide);
    return wide;
}

// Runs a program with arguments, without a shell; its exit status.
int Spawn(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int Shell(const std::string& command)
{
    return Spawn({"/bin/sh", "-c", command});
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

std::string Gbk(const std::wstring& text)
{
    std::string bytes;
    TMTOOLS::String::DecodeUnicode(936, text, bytes);
    return bytes;
}

// Result-file-like text: storey tables of numbers, CR LF, GBK.
std::string ResultFile(std::mt19937& random, const std::wstring& title, size_t lines)
{
    std::wstring text = title + L"\r\n";
    wchar_t line[200];
    for (size_t i = 0; i < lines; ++i) {
        swprintf(line, 200, L"  %3u   %2u   %10.3f   %10.3f   %9.2f   %8.4f   %s\r\n", (unsigned)(i % 40 + 1),
                 (unsigned)(random() % 3 + 1), (double)(random() % 1000000) / 7.0,
                 (double)(random() % 1000000) / 11.0, (double)(random() % 100000) / 3.0,
                 (double)(random() % 10000) / 9999.0, i % 7 == 0 ? L"层间位移角" : L"X向地震");
        text += line;
    }
    return Gbk(text);
}

std::string Binary(std::mt19937& random, size_t size)
{
    // Half noise, half repeated records: a drawing file compresses a little.
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = (char)(i % 64 < 32 ? random() & 0xFF : (i / 64) & 0xFF);
    return bytes;
}

bool GenerateClass(const std::string& archives, int count)
{
    std::string work = archives + "/../gen";
    Shell("mkdir -p '" + archives + "' '" + work + "'");
    for (int i = 0; i < count; ++i) {
        char name[64];
        snprintf(name, sizeof name, "student%03d", i + 1);
        std::string zip = archives + "/" + name + ".zip";
        struct stat st;
        if (stat(zip.c_str(), &st) == 0)
            continue;
        std::mt19937 random((unsigned)i + 1);
        std::string project = work + "/" + name;
        Shell("rm -rf '" + project + "' && mkdir -p '" + project + "/施工图'");
        bool ok = WriteFile(project + "/frame.prj", ResultFile(random, L"ORVEX 模型", 1500)) &&
                  WriteFile(project + "/frame_结构信息.txt", ResultFile(random, L"结构信息", 2500)) &&
                  WriteFile(project + "/frame_周期和地震作用.txt", ResultFile(random, L"周期和地震作用", 2000)) &&
                  WriteFile(project + "/frame_水平力效应验算.txt", ResultFile(random, L"水平力效应验算", 1500)) &&
                  WriteFile(project + "/frame_结构位移.txt", ResultFile(random, L"结构位移", 2500)) &&
                  WriteFile(project + "/frame.pfd", Binary(random, 90000)) &&
                  WriteFile(project + "/frame.tsm", ResultFile(random, L"钢筋", 300)) &&
                  WriteFile(project + "/施工图/plan.pfd", Binary(random, 40000));
        if (!ok || Shell("cd '" + project + "' && zip -q -r -X '" + zip + "' .") != 0)
            return false;
        Shell("rm -rf '" + project + "'");
    }
    return true;
}

// What the import does with one archive.
int ExtractLikeImport(const std::string& archive, const std::string& dest)
{
    std::wstring folder = Wide(dest);
    TMTOOLS::OS::mkdir_r(folder.c_str());
    ZipHandle handle = ZipOpenFile(Wide(archive).c_str());
    ZipEntry entry;
    int failures = 0;
    for (int i = 0; ZipGetEntry(handle, i, &entry) == ZipResult::Ok; ++i) {
        if (ZipExtractEntryUnder(handle, i, folder.c_str()) != ZipResult::Ok)
            ++failures;
    }
    ZipClose(handle);
    return failures;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Extracts every archive of the class with the library and with unzip,
// rounds times, and prints the times and their ratio.
void Measure(const std::string& archives, const std::vector<std::string>& names, const std::string& scratch,
             int rounds)
{
    long long bytes = 0;
    for (const std::string& name : names) {
        struct stat st;
        if (stat((archives + "/" + name + ".zip").c_str(), &st) == 0)
            bytes += st.st_size;
    }
    printf("%zu archives from %s, %.1f MB in all (%.0f KB each)\n", names.size(), archives.c_str(),
           (double)bytes / 1e6, (double)bytes / (double)names.size() / 1024.0);
    std::vector<double> ours, theirs;
    double spawnCost = 0;
    for (int round = 0; round < rounds; ++round) {
        Shell("rm -rf '" + scratch + "/ours' '" + scratch + "/unzip'");
        Shell("mkdir -p '" + scratch + "/ours' '" + scratch + "/unzip'");
        // Alternate which side goes first, so neither always meets a
        // freshly emptied file system.
        for (int side = 0; side < 2; ++side) {
            bool oursNow = (side == 0) == (round % 2 == 0);
            double start = Now();
            int failures = 0;
            for (const std::string& name : names) {
                std::string archive = archives + "/" + name + ".zip";
                if (oursNow)
                    failures += ExtractLikeImport(archive, scratch + "/ours/" + name);
                else
                    failures += Spawn({"unzip", "-q", "-o", archive, "-d", scratch + "/unzip/" + name}) != 0;
            }
            double elapsed = Now() - start;
            (oursNow ? ours : theirs).push_back(elapsed);
            if (failures)
                printf("  %s: %d failures\n", oursNow ? "library" : "unzip", failures);
        }
        // The cost of starting a program, which unzip pays per archive.
        double start = Now();
        for (size_t i = 0; i < names.size(); ++i)
            Spawn({"true"});
        spawnCost = std::max(spawnCost, Now() - start);
        printf("  round %d: library %.3f s, unzip %.3f s\n", round + 1, ours.back(), theirs.back());
    }
    if (Shell("diff -r '" + scratch + "/ours' '" + scratch + "/unzip' >/dev/null") != 0)
        printf("  extracted trees differ!\n");
    double bestOurs = *std::min_element(ours.begin(), ours.end());
    double bestTheirs = *std::min_element(theirs.begin(), theirs.end());
    printf("  best: library %.3f s, unzip %.3f s, ratio %.3f\n", bestOurs, bestTheirs, bestOurs / bestTheirs);
    printf("  median: library %.3f s, unzip %.3f s, ratio %.3f\n", Median(ours), Median(theirs),
           Median(ours) / Median(theirs));
    printf("  starting %zu programs costs %.3f s; against unzip without it: ratio %.3f\n", names.size(), spawnCost,
           bestOurs / std::max(1e-9, bestTheirs - spawnCost));
}

std::vector<std::string> ClassNames(int count)
{
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[64];
        snprintf(name, sizeof name, "student%03d", i + 1);
        names.push_back(name);
    }
    return names;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string scratch = argc > 1 ? argv[1] : "/tmp/tmscore-zip-bench";
    int count = argc > 2 ? atoi(argv[2]) : 500;
    int rounds = argc > 3 ? atoi(argv[3]) : 3;
    std::string samples = argc > 4 ? argv[4] : "";
    if (count <= 0 || rounds <= 0) {
        fprintf(stderr, "usage: zip_extract_bench [scratch folder] [archive count] [rounds] [sample archives]\n");
        return 2;
    }
    std::string archives = scratch + "/archives";
    double t0 = Now();
    if (!GenerateClass(archives, count)) {
        fprintf(stderr, "cannot generate the archives in %s\n", archives.c_str());
        return 1;
    }
    printf("generation %.1f s\n", Now() - t0);
    std::vector<std::string> names = ClassNames(count);
    Measure(archives, names, scratch, rounds);

    if (!samples.empty()) {
        std::string copies = scratch + "/sample-archives";
        Shell("rm -rf '" + copies + "' && mkdir -p '" + copies + "'");
        std::vector<std::string> found;
        Shell("ls '" + samples + "'/*.zip > '" + copies + "/list.txt'");
        FILE* list = fopen((copies + "/list.txt").c_str(), "r");
        char line[4096];
        while (list && fgets(line, sizeof line, list)) {
            std::string path(line);
            while (!path.empty() && path.back() == '\n')
                path.pop_back();
            found.push_back(path);
        }
        if (list)
            fclose(list);
        if (found.empty()) {
            fprintf(stderr, "no archives in %s\n", samples.c_str());
            return 1;
        }
        for (size_t i = 0; i < names.size(); ++i)
            Shell("cp '" + found[i % found.size()] + "' '" + copies + "/" + names[i] + ".zip'");
        Measure(copies, names, scratch, rounds);
    }
    return 0;
}
