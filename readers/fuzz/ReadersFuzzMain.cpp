// libFuzzer targets of the readers: one program per entry function, chosen
// by TM_FUZZ_ENTRY when built (see readers/CMakeLists.txt).
//
// Build (clang):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTM_FUZZ=ON -DTM_SANITIZE=ON
//   cmake --build build-fuzz --target line_fuzz prj_fuzz result_fuzz
// Run on a copy of a corpus, then fold new finds back in, minimised:
//   mkdir -p /tmp/prjfuzz && cp tests/readers/corpus/prj/* /tmp/prjfuzz/
//   build-fuzz/bin/prj_fuzz /tmp/prjfuzz -dict=readers/fuzz/readers.dict -timeout=5 -max_total_time=600
//   build-fuzz/bin/prj_fuzz -merge=1 tests/readers/corpus/prj /tmp/prjfuzz
// The corpora are replayed by the readers' tests in every build.
#include <cstddef>
#include <cstdint>

#include "readers/fuzz/ReadersFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TM_FUZZ_ENTRY(data, size);
    return 0;
}
