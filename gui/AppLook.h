// The window's looks, commands 205 to 219, on Qt styles and palettes.
//
// Each look is a style (the plain "Windows" one, Fusion, or the platform's
// own for 219) and a palette. The choice is stored in the application's
// settings under "ApplicationLook" and applied at start-up; a stored value
// that names no look gives the Office 2007 (blue) look, and no menu entry
// is marked for it.
#pragma once

#include <QColor>
#include <QString>

class QPalette;

class CAppLook {
public:
    static const int kDefault = 210;
    static const int kFallback = 215;  // for a value that names no look

    struct CEntry {
        int m_id;
        const char* m_menuText;  // UTF-8, with its "&" mnemonic
        const char* m_style;     // QStyleFactory key; null: the platform's
        bool m_dark;
        QColor m_window;
        QColor m_base;
        QColor m_highlight;
    };

    static const CEntry* Entries();
    static int EntryCount();
    // The entry of id, or null when id names no look.
    static const CEntry* Find(int id);

    // The stored choice (kDefault when none is stored).
    static int Stored();
    static void Store(int id);
    // Sets the application's style and palette for id (see above for an
    // unknown id).
    static void Apply(int id);
    // The palette of entry.
    static QPalette PaletteOf(const CEntry& entry);
    // True when the look applied last is a dark one.
    static bool IsDark();

    // Remembered once, before the first look is applied: the style 219
    // stands for.
    static void RememberPlatformStyle();
};
