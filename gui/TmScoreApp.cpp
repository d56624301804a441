// CTmScoreApp: identity, texts, and the main window's start and end.
#include "gui/TmScoreApp.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/AppLook.h"
#include "gui/CjkFont.h"
#include "gui/MainFrame.h"

CTmScoreApp::CTmScoreApp(int& argc, char** argv) : QApplication(argc, argv)
{
    SetIdentity();
    SetUpTexts();
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
}

void CTmScoreApp::SetIdentity()
{
    // The settings live under this key, as they always have.
    QCoreApplication::setOrganizationName(QStringLiteral("应用程序向导生成的本地应用程序"));
    QCoreApplication::setApplicationName(QStringLiteral("TmScore"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TM_VERSION));
    // The installed desktop entry, tmscore.desktop: desktops find the
    // window's icon and name through it.
    QGuiApplication::setDesktopFileName(QStringLiteral("tmscore"));
}

void CTmScoreApp::SetUpTexts()
{
    // Qt's own buttons and file dialogs speak Chinese like the rest.
    QTranslator* qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
    CCjkFont::Ensure();
    CAppLook::RememberPlatformStyle();
}

int CTmScoreApp::Run(const QStringList& paths)
{
    // Taken as if dropped, so as full paths.
    QStringList full;
    for (const QString& path : paths)
        full.append(QFileInfo(path).absoluteFilePath());
    CMainFrame frame;
    frame.show();
    frame.Start(full);
    return exec();
}
