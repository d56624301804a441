// What the window hands to its file dialogs: the filter form.
#include "gui/FileDialogFilter.h"
#include "tests/gui/GuiTest.h"

class DialogInputTest : public QObject {
    Q_OBJECT

private slots:
    void WindowsFiltersBecomeQtFiltersMatchingAnyCase()
    {
        QCOMPARE(CFileDialogFilter::ToQt(QStringLiteral("*.zip;*.rar;*.7z|*.zip;*.rar;*.7z||")),
                 QStringLiteral("*.zip;*.rar;*.7z (*.zip *.ZIP *.rar *.RAR *.7z *.7Z)"));
        QCOMPARE(CFileDialogFilter::ToQt(QStringLiteral("*.xls|*.xls|All Files (*.*)|*.*||")),
                 QStringLiteral("*.xls (*.xls *.XLS);;All Files (*)"));
    }
};

#include "DialogInputTest.moc"
static int g_registered = tmtest::RegisterGuiTest<DialogInputTest>();
