// tmscore: the desktop window of TmScore.
//
//   tmscore [PATH...]
//
// Opens the main window on the workspace (config.xml, projectlist.txt:
// beside the program, or in the user's configuration folder when the
// program's folder is not writable; --help says which). Each PATH is taken
// as if dropped on the window once the workspace has started: archives
// (.zip, .rar, .7z), .prj files and folders of them. SIGTERM, SIGINT and
// SIGHUP close the window as the user would, writing the workspace.
#include <QCommandLineParser>

#include "app/Workspace.h"
#include "app/WorkspaceLocation.h"
#include "gui/TerminationSignal.h"
#include "gui/TmScoreApp.h"

int main(int argc, char** argv)
{
    CTerminationSignal::Catch();
    CTmScoreApp app(argc, argv);
    CTerminationSignal::Listen(&app);
    QCommandLineParser parser;
    const std::wstring programFolder = CWorkspace::RunningProgramFolder();
    const CWorkspaceLocation location = CWorkspaceLocation::Find(programFolder);
    parser.setApplicationDescription(QStringLiteral("Tesmo评分系统：按标准工程为学生工程评分。\n\n") +
                                     QString::fromStdWString(location.Describe(programFolder)));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PATH"),
                                 QStringLiteral("学生工程压缩文件（.zip、.rar、.7z）、.prj 文件，或它们所在的文件夹"),
                                 QStringLiteral("[PATH...]"));
    parser.process(app);
    return app.Run(parser.positionalArguments());
}
