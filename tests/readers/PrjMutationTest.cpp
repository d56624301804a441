// Damaged model files: random mutations and truncations of the complete
// files in data/ must never crash the reader, write outside a table or run
// away. Run under AddressSanitizer to see the writes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "tests/readers/PrjFixture.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"

namespace {

const char* const kDataFiles[] = {"frame12.prj", "masonry6.prj", "tower45.prj", "old-version.prj"};

// Numbers that make counts hostile when they replace a number of the file.
const char* const kHostileNumbers[] = {"2000000000", "-2000000000", "-1", "0", "127", "128", "255",
                                       "1e39",       "-1e39",       "99999999999999999999", "1000", "1001"};

std::string Mutate(const std::string& original, std::mt19937& random)
{
    std::string bytes = original;
    const int edits = 1 + (int)(random() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const size_t at = random() % bytes.size();
        switch (random() % 7) {
        case 0:  // a random byte
            bytes[at] = (char)(random() % 256);
            break;
        case 1:  // a byte removed
            bytes.erase(at, 1);
            break;
        case 2:  // a run of bytes removed
            bytes.erase(at, random() % 64);
            break;
        case 3: {  // a number replaced by a hostile one
            size_t start = bytes.find_first_of("0123456789", at);
            if (start == std::string::npos)
                break;
            size_t end = bytes.find_first_not_of("0123456789.", start);
            bytes.replace(start, (end == std::string::npos ? bytes.size() : end) - start,
                          kHostileNumbers[random() % (sizeof kHostileNumbers / sizeof kHostileNumbers[0])]);
            break;
        }
        case 4: {  // a line repeated
            size_t start = bytes.rfind('\n', at);
            start = start == std::string::npos ? 0 : start + 1;
            size_t end = bytes.find('\n', at);
            if (end != std::string::npos)
                bytes.insert(start, bytes.substr(start, end + 1 - start));
            break;
        }
        case 5:  // a lone CR, LF or GBK lead byte
            bytes.insert(at, 1, "\r\n\x81"[random() % 3]);
            break;
        case 6:  // cut
            bytes.resize(at);
            break;
        }
    }
    return bytes;
}

// What must hold after any read, successful or not.
void ExpectBounded(const CScoringProject& project)
{
    const CFloorTables& tables = project.m_floorTables;
    const size_t n = tables.m_floorCount > 0 ? (size_t)tables.m_floorCount : 0;
    const size_t room = n > 0 ? n : 1;
    ASSERT_LE(n, (size_t)kMaxPrjFloorCount);
    EXPECT_LE(tables.m_standardStoreyTops.size(), n);
    EXPECT_LE(tables.m_heightRuns.size(), room);
    EXPECT_LE(tables.m_wallColumnGradeRuns.size(), room);
    EXPECT_LE(tables.m_mortarGradeRuns.size(), room);
    EXPECT_LE(tables.m_slantedColumnRuns.size(), room);
    EXPECT_LE(tables.m_steelTubeRuns.size(), room);
    EXPECT_EQ(tables.m_lowerStoreys.size(), n);
    EXPECT_EQ(tables.m_storeyHeights.size(), n);
    EXPECT_LE(tables.m_storeyGroups.size(), room);
    EXPECT_EQ(tables.m_optimization.m_storeys.size(), n);
    EXPECT_EQ(project.m_loadCaseNames.size(), project.m_loadCaseCodes.size());
    EXPECT_EQ(project.m_loadCaseNames.size(), project.m_loadCaseShortNames.size());
}

}  // namespace

TEST(PrjMutation, DamagedFilesNeverCrashOrRunAway)
{
    tmtest::CMessageRecorder recorder;  // keeps the warnings off the terminal
    tmtest::CTempDir dir;
    const std::string path = dir.File("damaged.prj");
    std::mt19937 random(20240601);
    int reads = 0, succeeded = 0;
    for (const char* name : kDataFiles) {
        const std::string original = tmtest::ReadBytes(std::string(TM_READERS_TEST_DATA) + "/" + name);
        ASSERT_FALSE(original.empty()) << name;
        for (int round = 0; round < 300; ++round) {
            tmtest::WriteBytes(path, Mutate(original, random));
            CScoringProject project;
            const bool read = tmtest::ReadPrjFile(path, project);
            if (read)
                CreateFloorValues(project, project.m_genInfoItem.m_floorCount);
            ++reads;
            succeeded += read ? 1 : 0;
            ExpectBounded(project);
            if (HasFailure()) {
                ADD_FAILURE() << name << " round " << round;
                return;
            }
            recorder.Clear();
        }
    }
    // Most single mutations still read: the test reaches deep into the file.
    EXPECT_GT(succeeded, reads / 4);
}

TEST(PrjMutation, EveryTruncationReadsOrFailsCleanly)
{
    tmtest::CMessageRecorder recorder;
    tmtest::CTempDir dir;
    const std::string path = dir.File("cut.prj");
    for (const char* name : kDataFiles) {
        const std::string original = tmtest::ReadBytes(std::string(TM_READERS_TEST_DATA) + "/" + name);
        for (size_t length = 0; length <= original.size(); length += 7) {
            tmtest::WriteBytes(path, original.substr(0, length));
            CScoringProject project;
            if (tmtest::ReadPrjFile(path, project))
                CreateFloorValues(project, project.m_genInfoItem.m_floorCount);
            ExpectBounded(project);
            recorder.Clear();
        }
    }
}

TEST(PrjMutation, TruncatedAtALineEndTheFrameStillReads)
{
    tmtest::CMessageRecorder recorder;
    tmtest::CTempDir dir;
    const std::string path = dir.File("cut.prj");
    const std::string original = tmtest::ReadBytes(std::string(TM_READERS_TEST_DATA) + "/frame12.prj");
    // A file cut after any whole line from the storey count on ends as the
    // end of the file does: the walk reads on with defaults, unless a block
    // is left without its title (a warning then, never a crash). Cut after
    // the header alone, it has no storey count and is refused.
    int read = 0, cuts = 0;
    for (size_t at = original.find('\n'); at != std::string::npos; at = original.find('\n', at + 1)) {
        tmtest::WriteBytes(path, original.substr(0, at + 1));
        CScoringProject project;
        read += tmtest::ReadPrjFile(path, project) ? 1 : 0;
        ++cuts;
        ExpectBounded(project);
    }
    EXPECT_EQ(read, cuts - 1);
}
