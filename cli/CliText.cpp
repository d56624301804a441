// CCliText: the locale decides once per run.
#include "cli/CliText.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

bool EnglishLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(variable);
        if (value && *value)
            return strncmp(value, "en", 2) == 0 && (value[2] == 0 || value[2] == '_' || value[2] == '.' ||
                                                    value[2] == '@');
    }
    return false;
}

}  // namespace

bool CliSpeaksEnglish()
{
    static const bool english = EnglishLocale();
    return english;
}

const char* CCliText::Get() const
{
    return CliSpeaksEnglish() ? m_english : m_chinese;
}
