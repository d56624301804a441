// libFuzzer targets of the workspace files: one program per entry function,
// chosen by TM_FUZZ_ENTRY when built (see app/CMakeLists.txt). Built and
// run as the readers' targets are (readers/fuzz/ReadersFuzzMain.cpp):
//   cmake --build build-fuzz --target standard_fuzz projectlist_fuzz
//   build-fuzz/bin/standard_fuzz /tmp/xmlfuzz -dict=app/fuzz/standard.dict -timeout=5 -max_total_time=600
#include <cstddef>
#include <cstdint>

#include "app/fuzz/WorkspaceFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TM_FUZZ_ENTRY(data, size);
    return 0;
}
