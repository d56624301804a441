// Message boxes of the tools library.
//
// The library draws no windows. A program installs one process-wide
// presenter: the desktop window shows a modal box, the command line prints
// "caption: text" on stderr, tests record. With none installed, messages go
// to stderr. Calls are serialised, so presenters need no locking of their own.
#pragma once

#include <string>
#include <vector>

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

struct CCapturedMessage {
    std::wstring m_text;
    std::wstring m_caption;
};

// While one lives, the messages of the thread that made it are kept instead
// of shown, so that work done on several threads can show them in the order
// of the work rather than of the clock. Take ends the capture and hands the
// messages over; the destructor shows whatever was not taken, so no message
// is lost. Captures nest: the innermost keeps the messages.
class TMTOOLS_API CMessageCapture {
public:
    CMessageCapture();
    ~CMessageCapture();
    CMessageCapture(const CMessageCapture&) = delete;
    CMessageCapture& operator=(const CMessageCapture&) = delete;

    std::vector<CCapturedMessage> Take();
    // Called by TmShowMessage on the capturing thread.
    void Keep(const wchar_t* text, const wchar_t* caption);

private:
    void End();

    std::vector<CCapturedMessage> m_messages;
    CMessageCapture* m_outer;
    bool m_active;
};

}  // namespace OS
}  // namespace TMTOOLS
