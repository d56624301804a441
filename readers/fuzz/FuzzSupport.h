// What the fuzz entry functions share: quiet messages, a scratch folder,
// and a way to stop at a broken rule.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>

#include "tools/TmMessage.h"

namespace tmfuzz {

// A rule the code under test promises was broken: stop here, so that the
// fuzzer keeps the input.
inline void Require(bool rule)
{
    if (!rule)
        abort();
}

// A folder for the whole process, under TMPDIR, removed at exit.
inline const std::string& ScratchFolder()
{
    static std::string folder;
    static bool made = [] {
        const char* base = getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/tmfuzz-XXXXXX";
        if (!mkdtemp(&pattern[0]))
            abort();
        folder = pattern;
        atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        });
        return true;
    }();
    (void)made;
    return folder;
}

inline void WriteFile(const std::string& path, const char* data, size_t size)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file || fwrite(data, 1, size, file) != size || fclose(file) != 0)
        abort();
}

// While in scope, messages shown through the tools library are counted, not
// shown: the fuzz targets run millions of inputs, most of them warned about.
class CQuietMessages {
public:
    CQuietMessages() : m_count(0), m_tooLongLines(0), m_previous(nullptr), m_previousContext(nullptr)
    {
        TMTOOLS::OS::SetMessagePresenter(&Count, this, &m_previous, &m_previousContext);
    }
    ~CQuietMessages() { TMTOOLS::OS::SetMessagePresenter(m_previous, m_previousContext); }
    CQuietMessages(const CQuietMessages&) = delete;
    CQuietMessages& operator=(const CQuietMessages&) = delete;

    int m_count;  // messages shown
    // Warnings of a line too long for the line reader's buffer.
    int m_tooLongLines;

private:
    static void Count(const wchar_t* text, const wchar_t*, void* context)
    {
        CQuietMessages* self = static_cast<CQuietMessages*>(context);
        ++self->m_count;
        if (wcsstr(text, L"行长超过了程序读取范围"))
            ++self->m_tooLongLines;
    }

    TMTOOLS::OS::TmMessagePresenter m_previous;
    void* m_previousContext;
};

}  // namespace tmfuzz
