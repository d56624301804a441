// Replays the fuzz corpus through the fuzz entry function, so what the
// fuzzer once found stays found: under the sanitizer build a fault shows.
#include <gtest/gtest.h>

#include <filesystem>

#include "archive/fuzz/ZipFuzzInput.h"
#include "tests/support/TestFiles.h"

TEST(ZipCorpus, EveryCorpusFileRunsAndTheGoodOnesExtract)
{
    namespace fs = std::filesystem;
    int files = 0;
    int good = 0;
    for (const fs::directory_entry& item : fs::directory_iterator(TM_ZIP_CORPUS)) {
        std::string bytes = tmtest::ReadBytes(item.path().string());
        int complete = ZipFuzzOneInput((const uint8_t*)bytes.data(), bytes.size());
        ++files;
        // Seeds named "ok-*" are sound archives: every entry reads in full.
        if (item.path().filename().string().rfind("ok-", 0) == 0) {
            EXPECT_GT(complete, 0) << item.path();
            ++good;
        }
    }
    EXPECT_GT(files, 10);
    EXPECT_GT(good, 3);
}

TEST(ZipCorpus, EveryTruncationAndBitFlipOfAnArchiveEndsCleanly)
{
    namespace fs = std::filesystem;
    std::string seed = tmtest::ReadBytes(std::string(TM_ZIP_CORPUS) + "/ok-python-descriptor.zip");
    ASSERT_FALSE(seed.empty());
    EXPECT_GT(ZipFuzzOneInput((const uint8_t*)seed.data(), seed.size()), 0);
    for (size_t length = 0; length < seed.size(); ++length)
        ZipFuzzOneInput((const uint8_t*)seed.data(), length);
    for (size_t i = 0; i < seed.size(); ++i) {
        for (int bit : {0, 2, 5, 7}) {
            std::string flipped = seed;
            flipped[i] = (char)(flipped[i] ^ (1 << bit));
            ZipFuzzOneInput((const uint8_t*)flipped.data(), flipped.size());
        }
    }
}
