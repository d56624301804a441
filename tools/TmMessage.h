// Message boxes of the tools library.
//
// The library draws no windows. A program installs one process-wide
// presenter: the desktop window shows a modal box, the command line prints
// "caption: text" on stderr, tests record. With none installed, messages go
// to stderr. Calls are serialised, so presenters need no locking of their own.
#pragma once

#include "TmToolsApi.h"

namespace TMTOOLS {
namespace OS {

// Shows text with caption; returns when the user has acknowledged it.
typedef void (*TmMessagePresenter)(const wchar_t* text, const wchar_t* caption, void* context);

// Installs presenter (null restores the stderr default) and returns the
// previous one through the two optional out-arguments.
TMTOOLS_API void SetMessagePresenter(TmMessagePresenter presenter, void* context,
                                     TmMessagePresenter* previous = nullptr,
                                     void** previousContext = nullptr);

TMTOOLS_API void TmShowMessage(const wchar_t* text, const wchar_t* caption);
TMTOOLS_API void TmShowWarnMessage(const wchar_t* text);

}  // namespace OS
}  // namespace TMTOOLS
