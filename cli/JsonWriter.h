// CJsonWriter: builds the JSON text that commands print on stdout.
//
// Small on purpose: objects, arrays, strings (wide texts written as UTF-8),
// numbers and booleans, with two-space indentation. The caller is trusted to
// nest correctly; keys and values alternate as in the JSON it means to write.
#pragma once

#include <string>
#include <vector>

class CJsonWriter {
public:
    CJsonWriter();

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next member of the current object.
    void Key(const char* key);
    void String(const std::wstring& value);
    void Int(long long value);
    // Shortest text that reads back as the same float ("30", "0.1").
    void Float(float value);
    void Bool(bool value);

    const std::string& Text() const { return m_text; }

    // value as a JSON string literal, quotes included.
    static std::string Quote(const std::wstring& value);

private:
    void BeforeValue();
    void NewLine();

    std::string m_text;
    // Per open container: whether it has a member yet.
    std::vector<bool> m_hasMember;
    bool m_afterKey;
};
