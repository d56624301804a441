// Records every message shown through the tools library while in scope.
#pragma once

#include <string>
#include <vector>

namespace tmtest {

struct CRecordedMessage {
    std::wstring text;
    std::wstring caption;
};

class CMessageRecorder {
public:
    CMessageRecorder();
    ~CMessageRecorder();
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    const std::vector<CRecordedMessage>& Messages() const { return m_messages; }
    size_t Count() const { return m_messages.size(); }
    const CRecordedMessage& Last() const { return m_messages.back(); }
    void Clear() { m_messages.clear(); }

private:
    static void Record(const wchar_t* text, const wchar_t* caption, void* context);

    std::vector<CRecordedMessage> m_messages;
    void* m_previous;
    void* m_previousContext;
};

}  // namespace tmtest
