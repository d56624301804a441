// Decoding the pictures of the tools library's resources: GIF through
// giflib, JPEG through libjpeg (turbo). Internal to the library.
//
// The format is told by the bytes, not by the resource type, as the
// platform's picture loader did. Only the first image of a GIF is decoded.
// What is not a whole GIF or JPEG picture, or is larger than a CTmBitmap
// may be, gives null; nothing is printed.
#pragma once

#include <cstddef>
#include <memory>

#include "tools/TmBitmap.h"

namespace TMTOOLS {
namespace Picture {

// The picture in size bytes at data as 0xAARRGGBB pixels; null when the
// bytes are not a readable GIF or JPEG picture.
std::unique_ptr<CTmBitmap> Decode(const unsigned char* data, std::size_t size);

}  // namespace Picture
}  // namespace TMTOOLS
