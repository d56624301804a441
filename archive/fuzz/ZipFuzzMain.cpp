// libFuzzer target over archive bytes.
#include <cstddef>
#include <cstdint>

#include "archive/fuzz/ZipFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZipFuzzOneInput(data, size);
    return 0;
}
