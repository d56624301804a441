// The language of the command line's own texts (usage, help, its error
// lines): Chinese like the rest of TmScore, English when the locale that
// decides messages is an English one. Messages from the libraries stay as
// they are.
#pragma once

// A text in both languages.
struct CCliText {
    const char* m_chinese;
    const char* m_english;

    // The text in the language of the run.
    const char* Get() const;
};

// True when LC_ALL, else LC_MESSAGES, else LANG (the first one set and not
// empty) names an English locale ("en", "en_GB.UTF-8", ...).
bool CliSpeaksEnglish();

// chinese or english, as CliSpeaksEnglish says.
inline const char* CliSay(const char* chinese, const char* english)
{
    return CCliText{chinese, english}.Get();
}
