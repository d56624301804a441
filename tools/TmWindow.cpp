// CTmWindow and DestoryAndDeleteWindows.
#include "tools/TmWindow.h"

CTmWindow::~CTmWindow() {}

namespace TMTOOLS {
namespace OS {

void DestoryAndDeleteWindows(CTmWindow*& window)
{
    if (!window || !window->IsWindow())
        return;
    window->DestroyWindow();
    delete window;
    window = nullptr;
}

}  // namespace OS
}  // namespace TMTOOLS
