#include <QApplication>

#include "gui/TmScoreApp.h"
#include "tests/gui/GuiTest.h"

namespace tmtest {

std::vector<CGuiTestRun>& GuiTests()
{
    static std::vector<CGuiTestRun> tests;
    return tests;
}

}  // namespace tmtest

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CTmScoreApp::SetIdentity();
    CTmScoreApp::SetUpTexts();
    int failed = 0;
    for (const tmtest::CGuiTestRun& run : tmtest::GuiTests())
        failed += run(argc, argv);
    return failed ? 1 : 0;
}
