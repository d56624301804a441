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
// The calling thread's innermost capture, if any.
thread_local CMessageCapture* t_capture = nullptr;

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
    if (t_capture) {
        t_capture->Keep(text ? text : L"", caption ? caption : L"");
        return;
    }
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

CMessageCapture::CMessageCapture() : m_outer(t_capture), m_active(true)
{
    t_capture = this;
}

CMessageCapture::~CMessageCapture()
{
    End();
    for (const CCapturedMessage& message : m_messages)
        TmShowMessage(message.m_text.c_str(), message.m_caption.c_str());
}

void CMessageCapture::Keep(const wchar_t* text, const wchar_t* caption)
{
    m_messages.push_back(CCapturedMessage{text, caption});
}

void CMessageCapture::End()
{
    // Captures end in the reverse order of their making on one thread.
    if (m_active && t_capture == this)
        t_capture = m_outer;
    m_active = false;
}

std::vector<CCapturedMessage> CMessageCapture::Take()
{
    End();
    std::vector<CCapturedMessage> messages;
    messages.swap(m_messages);
    return messages;
}

}  // namespace OS
}  // namespace TMTOOLS
