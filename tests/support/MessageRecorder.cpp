#include "tests/support/MessageRecorder.h"

#include "tools/TmMessage.h"

namespace tmtest {

CMessageRecorder::CMessageRecorder() : m_previous(nullptr), m_previousContext(nullptr)
{
    TMTOOLS::OS::TmMessagePresenter previous = nullptr;
    TMTOOLS::OS::SetMessagePresenter(&CMessageRecorder::Record, this, &previous, &m_previousContext);
    m_previous = (void*)previous;
}

CMessageRecorder::~CMessageRecorder()
{
    TMTOOLS::OS::SetMessagePresenter((TMTOOLS::OS::TmMessagePresenter)m_previous, m_previousContext);
}

void CMessageRecorder::Record(const wchar_t* text, const wchar_t* caption, void* context)
{
    static_cast<CMessageRecorder*>(context)->m_messages.push_back({text, caption});
}

}  // namespace tmtest
