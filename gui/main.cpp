// tmscore: the desktop window of TmScore.
//
//   tmscore [PATH...]
//
// Opens the main window on the workspace beside the program (config.xml,
// projectlist.txt). Each PATH is taken as if dropped on the window once
// the workspace has started: archives (.zip, .rar, .7z), .prj files and
// folders of them.
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
                                 QStringLiteral("学生工程压缩文件（.zip、.rar、.7z）、.prj 文件，或它们所在的文件夹"),
                                 QStringLiteral("[PATH...]"));
    parser.process(app);
    return app.Run(parser.positionalArguments());
}
