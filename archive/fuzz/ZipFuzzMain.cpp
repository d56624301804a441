// libFuzzer target over archive bytes.
//
// Build (clang):
//   CC=clang CXX=clang++ cmake -S . -B build-zip-fuzz -DTM_FUZZ=ON -DTM_SANITIZE=ON
//   cmake --build build-zip-fuzz --target zip_fuzz
// Run on a copy of the corpus, then fold new finds back in:
//   mkdir -p /tmp/zipfuzz && cp tests/archive/corpus/* /tmp/zipfuzz/
//   build-zip-fuzz/bin/zip_fuzz /tmp/zipfuzz -dict=archive/fuzz/zip.dict -max_len=8192 -max_total_time=600
//   build-zip-fuzz/bin/zip_fuzz -merge=1 -use_counters=0 tests/archive/corpus /tmp/zipfuzz
// The corpus is replayed by the archive tests in the normal build.
#include <cstddef>
#include <cstdint>

#include "archive/fuzz/ZipFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZipFuzzOneInput(data, size);
    return 0;
}
