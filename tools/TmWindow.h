// A window object as the tools library sees it: something that may be
// shown on screen and can be destroyed. The window layer of a program
// derives its windows from it; DestoryAndDeleteWindows disposes of them.
#pragma once

#include "TmToolsApi.h"

class TMTOOLS_API CTmWindow {
public:
    virtual ~CTmWindow();
    // True while the window exists on screen.
    virtual bool IsWindow() const = 0;
    // Takes the window off the screen; the object lives on.
    virtual void DestroyWindow() = 0;
};

namespace TMTOOLS {
namespace OS {

// If window is set and exists on screen: destroys it, deletes the object
// and clears the pointer; otherwise nothing happens.
TMTOOLS_API void DestoryAndDeleteWindows(CTmWindow*& window);

}  // namespace OS
}  // namespace TMTOOLS
