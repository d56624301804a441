// CDroppedPaths: archives, projects and the rest.
#include "gui/DroppedPaths.h"

#include <QDir>
#include <QFileInfo>

CDroppedPaths CDroppedPaths::Sort(const QStringList& paths)
{
    CDroppedPaths sorted;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        const QString full = info.absoluteFilePath();
        if (info.isDir()) {
            const QFileInfoList archives = QDir(full).entryInfoList(QStringList() << QStringLiteral("*.zip"),
                                                                     QDir::Files, QDir::Name);
            for (const QFileInfo& archive : archives)
                sorted.m_archives.append(archive.absoluteFilePath());
            if (archives.isEmpty())
                sorted.m_ignored.append(full);
        } else if (info.isFile() && info.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0) {
            sorted.m_archives.append(full);
        } else if (info.isFile() && info.suffix().compare(QLatin1String("prj"), Qt::CaseInsensitive) == 0) {
            sorted.m_projects.append(full);
        } else {
            sorted.m_ignored.append(path);
        }
    }
    return sorted;
}
