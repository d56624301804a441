// CAppLook: the look table and how a look is put on.
#include "gui/AppLook.h"

#include <QApplication>
#include <QPalette>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>

namespace {

const char kSettingsKey[] = "ApplicationLook";

// The light looks differ in their window and highlight colours, the way
// the originals told themselves apart; text stays black on them.
const CAppLook::CEntry kEntries[] = {
    {205, "Windows 2000(&2)", "Windows", false, QColor(0xd4, 0xd0, 0xc8), Qt::white, QColor(0x0a, 0x24, 0x6a)},
    {206, "Office XP(&X)", "Fusion", false, QColor(0xf0, 0xef, 0xea), Qt::white, QColor(0x31, 0x6a, 0xc5)},
    {207, "Windows XP(&W)", "Fusion", false, QColor(0xec, 0xe9, 0xd8), Qt::white, QColor(0x31, 0x6a, 0xc5)},
    {208, "Office 2003(&3)", "Fusion", false, QColor(0xd5, 0xe4, 0xf8), Qt::white, QColor(0x2d, 0x5f, 0xb4)},
    {209, "Visual Studio 2005(&5)", "Fusion", false, QColor(0xee, 0xed, 0xe5), Qt::white, QColor(0x31, 0x6a, 0xc5)},
    {210, "Visual Studio 2008(&8)", "Fusion", false, QColor(0xe9, 0xec, 0xf2), Qt::white, QColor(0x33, 0x76, 0xd6)},
    {215, "Office 2007 (蓝色样式)(&B)", "Fusion", false, QColor(0xdb, 0xe7, 0xf6), Qt::white, QColor(0x2b, 0x6c, 0xc4)},
    {216, "Office 2007 (黑色样式)(&L)", "Fusion", true, QColor(0x35, 0x37, 0x3b), QColor(0x24, 0x26, 0x29), QColor(0x3d, 0x7e, 0xd6)},
    {217, "Office 2007 (银色样式)(&S)", "Fusion", false, QColor(0xe4, 0xe7, 0xec), Qt::white, QColor(0x5a, 0x7d, 0xb0)},
    {218, "Office 2007 (水绿色样式)(&A)", "Fusion", false, QColor(0xd9, 0xee, 0xee), Qt::white, QColor(0x1f, 0x86, 0x93)},
    {219, "Windows 7(&D)", nullptr, false, QColor(), QColor(), QColor()},
};

QString g_platformStyle;
bool g_dark = false;

}  // namespace

const CAppLook::CEntry* CAppLook::Entries()
{
    return kEntries;
}

int CAppLook::EntryCount()
{
    return (int)(sizeof kEntries / sizeof kEntries[0]);
}

const CAppLook::CEntry* CAppLook::Find(int id)
{
    for (const CEntry& entry : kEntries)
        if (entry.m_id == id)
            return &entry;
    return nullptr;
}

int CAppLook::Stored()
{
    return QSettings().value(QLatin1String(kSettingsKey), kDefault).toInt();
}

void CAppLook::Store(int id)
{
    QSettings().setValue(QLatin1String(kSettingsKey), id);
}

void CAppLook::RememberPlatformStyle()
{
    if (g_platformStyle.isEmpty() && QApplication::style())
        g_platformStyle = QApplication::style()->name();
}

QPalette CAppLook::PaletteOf(const CEntry& entry)
{
    if (!entry.m_window.isValid()) {
        QStyle* style = QApplication::style();
        return style ? style->standardPalette() : QPalette();
    }
    const QColor text = entry.m_dark ? QColor(0xe8, 0xe8, 0xe8) : QColor(Qt::black);
    const QColor disabled = entry.m_dark ? QColor(0x80, 0x80, 0x80) : QColor(0x8a, 0x8a, 0x8a);
    QPalette palette(entry.m_window);
    palette.setColor(QPalette::Window, entry.m_window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, entry.m_base);
    palette.setColor(QPalette::AlternateBase, entry.m_dark ? entry.m_base.lighter(125) : entry.m_window.lighter(106));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, entry.m_dark ? entry.m_window.lighter(120) : entry.m_window.lighter(104));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, entry.m_dark ? QColor(0x4a, 0x4d, 0x52) : QColor(0xff, 0xff, 0xe1));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Highlight, entry.m_highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, entry.m_dark ? QColor(0x7a, 0xb4, 0xff) : entry.m_highlight);
    palette.setColor(QPalette::BrightText, Qt::red);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

void CAppLook::Apply(int id)
{
    RememberPlatformStyle();
    const CEntry* entry = Find(id);
    if (!entry)
        entry = Find(kFallback);
    const QString styleName = entry->m_style ? QString::fromLatin1(entry->m_style) : g_platformStyle;
    if (QApplication::style()->name().compare(styleName, Qt::CaseInsensitive) != 0) {
        if (QStyle* style = QStyleFactory::create(styleName))
            QApplication::setStyle(style);
    }
    QApplication::setPalette(PaletteOf(*entry));
    g_dark = entry->m_dark;
}

bool CAppLook::IsDark()
{
    return g_dark;
}
