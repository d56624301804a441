// tmscore: the desktop window of TmScore.
//
//   tmscore [PATH...]
//
// Opens the main window on the workspace beside the program (config.xml,
// projectlist.txt). Each PATH is taken as if dropped on the window once
// the workspace has started: a folder of student archives (.zip) is
// imported, as are single archives; .prj files are added as they are.
#include <QCommandLineParser>

#include "gui/TmScoreApp.h"

int main(int argc, char** argv)
{
    CTmScoreApp app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tesmo评分系统：按标准工程为学生工程评分。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PATH"),
                                 QStringLiteral("学生工程压缩文件（.zip）所在的文件夹，或 .zip、.prj 文件"),
                                 QStringLiteral("[PATH...]"));
    parser.process(app);
    return app.Run(parser.positionalArguments());
}
