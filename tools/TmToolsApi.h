// Export marker of the TmTools shared library.
//
// The library is built with hidden visibility; only what carries TMTOOLS_API
// is reachable from the programs that load it.
#pragma once

#if defined(TMTOOLS_BUILDING)
#define TMTOOLS_API __attribute__((visibility("default")))
#else
#define TMTOOLS_API
#endif

// Private members of exported classes: kept out of the export table.
#define TMTOOLS_LOCAL __attribute__((visibility("hidden")))
