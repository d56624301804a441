// What the window hands to its dialogs and takes from drops: the filter
// form of the file dialogs and the sorting of dropped paths.
#include <QDir>

#include "gui/DroppedPaths.h"
#include "gui/FileDialogFilter.h"
#include "tests/gui/GuiTest.h"
#include "tests/support/TestFiles.h"

class DialogInputTest : public QObject {
    Q_OBJECT

private slots:
    void WindowsFiltersBecomeQtFiltersMatchingAnyCase()
    {
        QCOMPARE(CFileDialogFilter::ToQt(QStringLiteral("*.zip|*.zip||")), QStringLiteral("*.zip (*.zip *.ZIP)"));
        QCOMPARE(CFileDialogFilter::ToQt(QStringLiteral("*.xls|*.xls|All Files (*.*)|*.*||")),
                 QStringLiteral("*.xls (*.xls *.XLS);;All Files (*)"));
    }

    void AFolderStandsForItsArchivesAndTheRestIsIgnored()
    {
        tmtest::CTempDir dir;
        const QString root = QString::fromStdString(dir.Path());
        QDir().mkpath(root + QStringLiteral("/class/sub"));
        QDir().mkpath(root + QStringLiteral("/empty"));
        for (const char* name : {"class/b.zip", "class/a.ZIP", "class/notes.txt", "class/sub/c.zip", "x.prj"})
            tmtest::WriteBytes(dir.File(name), "");
        const CDroppedPaths sorted = CDroppedPaths::Sort({root + QStringLiteral("/class"), root + QStringLiteral("/x.prj"),
                                                          root + QStringLiteral("/empty"), root + QStringLiteral("/gone.zip")});
        QCOMPARE(sorted.m_archives, QStringList({root + QStringLiteral("/class/a.ZIP"), root + QStringLiteral("/class/b.zip")}));
        QCOMPARE(sorted.m_projects, QStringList({root + QStringLiteral("/x.prj")}));
        QCOMPARE(sorted.m_ignored, QStringList({root + QStringLiteral("/empty"), root + QStringLiteral("/gone.zip")}));
    }
};

#include "DialogInputTest.moc"
static int g_registered = tmtest::RegisterGuiTest<DialogInputTest>();
