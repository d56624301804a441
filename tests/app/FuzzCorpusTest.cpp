// Replays the kept fuzz corpora of the workspace files through the fuzz
// entry functions, so what the fuzzers once found stays found: a sanitizer
// build shows a fault, and a broken rule aborts.
#include <gtest/gtest.h>

#include "app/fuzz/WorkspaceFuzzInput.h"
#include "tests/support/TestFiles.h"

namespace {
const std::string kCorpus = std::string(TM_APP_CORPUS) + "/";
}  // namespace

TEST(WorkspaceCorpus, EveryKeptInputRunsThroughStartUp)
{
    EXPECT_GT(tmtest::ReplayCorpus(kCorpus + "standard", StandardFuzzOneInput), 10);
    EXPECT_GT(tmtest::ReplayCorpus(kCorpus + "projectlist", ProjectListFuzzOneInput), 10);
}
