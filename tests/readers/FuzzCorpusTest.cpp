// Replays the kept fuzz corpora of the readers through the fuzz entry
// functions, so what the fuzzers once found stays found: a sanitizer build
// shows a fault, and a broken rule aborts.
#include <gtest/gtest.h>

#include "readers/fuzz/ReadersFuzzInput.h"
#include "tests/support/TestFiles.h"

namespace {
const std::string kCorpus = std::string(TM_READERS_CORPUS) + "/";
}  // namespace

TEST(ReadersCorpus, EveryKeptInputRunsThroughItsReader)
{
    EXPECT_GT(tmtest::ReplayCorpus(kCorpus + "line", LineFuzzOneInput), 10);
    EXPECT_GT(tmtest::ReplayCorpus(kCorpus + "prj", PrjFuzzOneInput), 10);
    EXPECT_GT(tmtest::ReplayCorpus(kCorpus + "result", ResultFuzzOneInput), 10);
}
