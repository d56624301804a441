// Process-wide message presenter and the two message functions.
#include "tools/TmMessage.h"

#include <cstdio>
#include <mutex>
#include <string>

#include "tools/TmString.h"

namespace TMTOOLS {
namespace OS {

namespace {

std::mutex g_presenterMutex;
TmMessagePresenter g_presenter = nullptr;
void* g_presenterContext = nullptr;

void PresentOnStderr(const wchar_t* text, const wchar_t* caption)
{
    std::string line;
    String::DecodeUnicode(0, caption ? caption : L"", line);
    line += ": ";
    std::string body;
    String::DecodeUnicode(0, text ? text : L"", body);
    line += body;
    line += '\n';
    fwrite(line.data(), 1, line.size(), stderr);
    fflush(stderr);
}

}  // namespace

void SetMessagePresenter(TmMessagePresenter presenter, void* context,
                         TmMessagePresenter* previous, void** previousContext)
{
    std::lock_guard<std::mutex> lock(g_presenterMutex);
    if (previous)
        *previous = g_presenter;
    if (previousContext)
        *previousContext = g_presenterContext;
    g_presenter = presenter;
    g_presenterContext = presenter ? context : nullptr;
}

void TmShowMessage(const wchar_t* text, const wchar_t* caption)
{
    // Loaders may run on several threads; one message at a time keeps the
    // presenter simple and the lines on a terminal whole.
    std::lock_guard<std::mutex> lock(g_presenterMutex);
    if (g_presenter)
        g_presenter(text ? text : L"", caption ? caption : L"", g_presenterContext);
    else
        PresentOnStderr(text, caption);
}

void TmShowWarnMessage(const wchar_t* text)
{
    TmShowMessage(text, L"警告");
}

}  // namespace OS
}  // namespace TMTOOLS
