// Chinese text on a machine where no font for it is configured.
//
// Every text of the window is Chinese. When the application font cannot
// show it and no installed family can, the Noto CJK font the program
// depends on is loaded from its file and made the application font.
#pragma once

class CCjkFont {
public:
    // Call once the QApplication exists. True when Chinese can be shown.
    static bool Ensure();
};
