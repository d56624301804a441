// The application object: its identity (which names the settings store),
// Qt's own texts in Chinese, a font that shows Chinese, and the main
// window's life.
#pragma once

#include <QApplication>
#include <QStringList>

class CTmScoreApp : public QApplication {
    Q_OBJECT
public:
    CTmScoreApp(int& argc, char** argv);

    // The identity alone, for whoever builds a main window without this
    // object (the widget tests).
    static void SetIdentity();
    // Loads Qt's Chinese translation and makes sure Chinese can be shown.
    static void SetUpTexts();

    // Builds and shows the main window, runs the workspace's start-up and
    // imports paths (as if dropped), then runs the event loop.
    int Run(const QStringList& paths);
};
