// The widget tests' runner: every test class registers itself and the one
// main runs them all in one QApplication, offscreen.
#pragma once

#include <QTest>
#include <functional>
#include <vector>

namespace tmtest {

using CGuiTestRun = std::function<int(int argc, char** argv)>;
std::vector<CGuiTestRun>& GuiTests();

template <typename TestClass>
int RegisterGuiTest()
{
    GuiTests().push_back([](int argc, char** argv) {
        TestClass test;
        return QTest::qExec(&test, argc, argv);
    });
    return 0;
}

}  // namespace tmtest
