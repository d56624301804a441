// Fuzz entry functions of the workspace files: each runs one input, as the
// file it stands for, through the workspace's start-up. Shared by the
// libFuzzer targets (built with TM_FUZZ) and by the tests that replay the
// kept corpora. An input that breaks a rule the reading promises (beyond
// crashing, hanging or leaking, which the sanitizers and libFuzzer catch)
// aborts.
#pragma once

#include <cstddef>
#include <cstdint>

// config.xml (a scoring standard). Before start-up reads it, the text is
// scanned without limits and parsed by TinyXML, and the scan must report
// the tree TinyXML built: at least its depth and its widest element, and
// exactly those when the text is well formed.
void StandardFuzzOneInput(const uint8_t* data, size_t size);
// projectlist.txt.
void ProjectListFuzzOneInput(const uint8_t* data, size_t size);
