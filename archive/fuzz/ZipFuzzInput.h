// One fuzz input: archive bytes run through everything the archive library
// does with an archive on disk.
#pragma once

#include <cstddef>
#include <cstdint>

// Opens data as an archive, lists it in several orders, reads every entry's
// data (up to a bound) and extracts the small entries into a scratch
// folder, which is emptied again. Returns the number of entries whose data
// was read in full and checked, or -1 when the archive does not open.
int ZipFuzzOneInput(const uint8_t* data, size_t size);
