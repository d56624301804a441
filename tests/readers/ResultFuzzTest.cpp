// Damaged result files: random mutations of the sample standard project's
// result files must never crash the result reader or make it hang; it
// always answers true. The seed is fixed, so a failure repeats.
#include <gtest/gtest.h>

#include <random>

#include "readers/Orvex18Result.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"

namespace {

const std::string kStandard = std::string(TM_READERS_TEST_DATA) + "/../../../samples/standard/";
const char* const kResultFiles[] = {"frame_结构信息.txt", "frame_周期和地震作用.txt", "frame_水平力效应验算.txt",
                                    "frame_结构位移.txt"};

// Pieces that matter to the reader: line ends, separators, table marks,
// overlong and extreme numbers.
const char* const kInsertions[] = {
    "\r\n", "\n", "\r", " ", "/", "(", ")", "<", "+", "-", "--------------", "合计:", "1e39", "-1e39", "nan",
    "99999999999999999999999999999999999", "0.0度方向..", "  90(度)方向..", "-- 0度风荷载", "\xff\xfe", "\x81",
};

std::string Mutate(std::string text, std::mt19937& random)
{
    auto pick = [&random](size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    int edits = 1 + (int)pick(6);
    for (int e = 0; e < edits; ++e) {
        size_t at = pick(text.size() + 1);
        switch (pick(7)) {
        case 0:  // flip a byte
            if (!text.empty())
                text[pick(text.size())] = (char)pick(256);
            break;
        case 1:  // cut a piece out
            text.erase(at, pick(400));
            break;
        case 2:  // repeat a piece
            text.insert(at, text.substr(pick(text.size() + 1), pick(300)));
            break;
        case 3:
            text.insert(at, kInsertions[pick(sizeof kInsertions / sizeof kInsertions[0])]);
            break;
        case 4:  // the file ends early
            text.resize(at);
            break;
        case 5:  // a line too long for the line reader
            text.insert(at, std::string(900 + pick(300), pick(2) ? ' ' : '7'));
            break;
        default:  // a digit becomes another
            for (size_t i = at; i < text.size(); ++i) {
                if (text[i] >= '0' && text[i] <= '9') {
                    text[i] = (char)('0' + pick(10));
                    break;
                }
            }
            break;
        }
    }
    return text;
}

TEST(ResultFuzz, RandomlyDamagedResultFilesAreReadWithoutCrashing)
{
    std::string originals[4];
    for (int f = 0; f < 4; ++f) {
        originals[f] = tmtest::ReadBytes(kStandard + kResultFiles[f]);
        ASSERT_FALSE(originals[f].empty()) << kResultFiles[f];
    }
    tmtest::CTempDir dir;
    tmtest::CMessageRecorder recorder;  // line-too-long warnings and the like
    std::mt19937 random(20240611);
    const int rounds = 400;
    for (int round = 0; round < rounds; ++round) {
        // Mostly one damaged file among sound ones, sometimes all four.
        const bool all = round % 8 == 0;
        const int damaged = (int)(random() % 4);
        for (int f = 0; f < 4; ++f) {
            std::string text = originals[f];
            if (all || f == damaged)
                text = Mutate(text, random);
            tmtest::WriteBytes(dir.File(kResultFiles[f]), text);
        }
        CORVEX18Result result;
        result.Reset();
        result.m_basementFloorCount = (int16_t)(random() % 3);
        result.m_resultOption = (int16_t)(random() % 3);
        result.ReadResults(dir.WFile(L"frame.prj"));
        ASSERT_LE(result.m_weakStoreyCountX, CCalcResult::kMaxWeakStoreys) << "round " << round;
        ASSERT_LE(result.m_weakStoreyCountY, CCalcResult::kMaxWeakStoreys) << "round " << round;
        ASSERT_GT(result.m_windDriftX, 0.0f) << "round " << round;
        ASSERT_GT(result.m_quakeDriftY, 0.0f) << "round " << round;
    }
}

TEST(ResultFuzz, TheUndamagedSampleFilesGiveTheSampleValues)
{
    // The fuzzing above starts from these files; they must be the ones the
    // reader understands, or the mutations would test nothing.
    CORVEX18Result result;
    result.Reset();
    result.ReadResults(tmtest::Wide(kStandard + "frame.prj"));
    EXPECT_EQ(result.m_totalWeight, 16300.0f);
    EXPECT_EQ(result.m_period1, 0.9123f);
    EXPECT_TRUE(result.HasEccentricRatios());
    EXPECT_EQ(result.m_windDriftX, 1850.0f);
    EXPECT_EQ(result.m_stiffWeightRatioY, 52.37f);
    EXPECT_EQ(result.m_shearCapRatioX, 1.0f);
    EXPECT_EQ(result.m_weakStoreyCountX, 1);
}

}  // namespace
