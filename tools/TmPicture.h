// Pictures of the tools library: loading GIF and JPG pictures from a
// module's resources, and drawing one surface onto another with a
// transparent colour.
//
// The library's bitmap and device context are both a CTmBitmap (tools/
// TmBitmap.h); a module instance is a CTmResourceModule.
#pragma once

#include <memory>

#include "TmBitmap.h"
#include "TmColorRef.h"
#include "TmResourceModule.h"
#include "TmToolsApi.h"

namespace TMTOOLS {
namespace OS {

// The picture in resource id of type "GIF" (or "JPG") of module, decoded by
// its content (a GIF or a JPEG picture, whichever the bytes are); null when
// the module, the resource or a readable picture is missing. The caller
// owns the bitmap.
TMTOOLS_API std::unique_ptr<CTmBitmap> LoadGIFFromID(unsigned int id, const CTmResourceModule* module);
TMTOOLS_API std::unique_ptr<CTmBitmap> LoadJPGFromID(unsigned int id, const CTmResourceModule* module);

// Draws the source rectangle (xSrc, ySrc, widthSrc x heightSrc) stretched
// (nearest neighbour) onto the destination rectangle (x, y, width x height),
// leaving the destination as it is where the source has the transparent
// colour (compared on red, green and blue) or lies outside the source
// image. Drawing is clipped to the destination. False for a size below 1,
// a null surface or a rectangle too large to work on.
TMTOOLS_API bool TransparentBltU(CTmBitmap& destination, int x, int y, int width, int height,
                                 const CTmBitmap& source, int xSrc, int ySrc, int widthSrc, int heightSrc,
                                 COLORREF transparent);

}  // namespace OS
}  // namespace TMTOOLS
