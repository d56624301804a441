// Fuzz entry functions of the readers: each runs one input through what the
// program does with such a file. Shared by the libFuzzer targets (built
// with TM_FUZZ) and by the tests that replay the kept corpora, so what the
// fuzzers once found stays found. An input that breaks a rule the readers
// promise (beyond crashing, hanging or leaking, which the sanitizers and
// libFuzzer catch) aborts.
#pragma once

#include <cstddef>
#include <cstdint>

// The line reader and the numeric scanning. The first byte sets the
// reader's buffer size (2 to 257 units), the second the mix of operations;
// the rest is the file.
void LineFuzzOneInput(const uint8_t* data, size_t size);
// The .prj model reader and the per-storey values made from it.
void PrjFuzzOneInput(const uint8_t* data, size_t size);
// The result reader over four files cut from one input at the byte 0x1e
// ("_结构信息", "_周期和地震作用", "_水平力效应验算", "_结构位移", in
// that order); the first byte sets the basement count and result option.
void ResultFuzzOneInput(const uint8_t* data, size_t size);
