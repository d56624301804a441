// CCjkFont: a family that covers Simplified Chinese, found or loaded.
#include "gui/CjkFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace {

// Where Debian's fonts-noto-cjk (and a few common others) put their files.
const char* const kFontFiles[] = {
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
    "/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc",
    "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
    "/usr/share/fonts/truetype/arphic/uming.ttc",
};

bool CoversChinese(const QString& family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese);
}

// The family to use of those that cover Chinese: a Simplified Chinese sans
// face first (the window's text is sans everywhere else), then any sans,
// then the first.
QString Preferred(const QStringList& families)
{
    int best = -1;
    QString chosen;
    for (const QString& family : families) {
        const bool sans = family.contains(QLatin1String("Sans"), Qt::CaseInsensitive) ||
                          family.contains(QLatin1String("Hei"), Qt::CaseInsensitive);
        const bool simplified = family.contains(QLatin1String(" SC")) || family.endsWith(QLatin1String("SC"));
        const int score = (sans ? 2 : 0) + (simplified ? 1 : 0);
        if (score > best) {
            best = score;
            chosen = family;
        }
    }
    return chosen;
}

void UseFamily(const QString& family)
{
    QFont font = QApplication::font();
    font.setFamilies(QStringList() << family);
    QApplication::setFont(font);
}

}  // namespace

bool CCjkFont::Ensure()
{
    if (CoversChinese(QFontInfo(QApplication::font()).family()))
        return true;
    const QString installed = Preferred(QFontDatabase::families(QFontDatabase::SimplifiedChinese));
    if (!installed.isEmpty()) {
        UseFamily(installed);
        return true;
    }
    for (const char* file : kFontFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id < 0)
            continue;
        const QString family = Preferred(QFontDatabase::applicationFontFamilies(id));
        if (!family.isEmpty()) {
            UseFamily(family);
            return true;
        }
    }
    return false;
}
