// GIF and JPEG decoding into CTmBitmap pixels (0xAARRGGBB).
#include "tools/PictureDecoder.h"

#include <gif_lib.h>
// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <vector>

namespace TMTOOLS {
namespace Picture {

namespace {

// What a transparent GIF pixel or an index outside the colour table
// becomes: its colour without alpha, or white without alpha.
const std::uint32_t kNoColour = 0x00FFFFFFu;

std::uint32_t Opaque(unsigned red, unsigned green, unsigned blue)
{
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

bool TooLarge(long long width, long long height)
{
    return width < 1 || height < 1 || width * height > CTmBitmap::kMaxPixels;
}

// ---------------------------------------------------------------- GIF

struct CGifInput {
    const unsigned char* data;
    std::size_t size;
    std::size_t at;
};

int ReadGifBytes(GifFileType* gif, GifByteType* out, int wanted)
{
    CGifInput* input = static_cast<CGifInput*>(gif->UserData);
    std::size_t n = input->size - input->at;
    if (wanted < 0)
        return 0;
    if ((std::size_t)wanted < n)
        n = (std::size_t)wanted;
    std::memcpy(out, input->data + input->at, n);
    input->at += n;
    return (int)n;
}

class CGifFile {
public:
    CGifFile(const unsigned char* data, std::size_t size) : m_input{data, size, 0}
    {
        int error = 0;
        m_gif = DGifOpen(&m_input, ReadGifBytes, &error);
    }
    ~CGifFile()
    {
        if (m_gif)
            DGifCloseFile(m_gif, nullptr);
    }
    CGifFile(const CGifFile&) = delete;
    CGifFile& operator=(const CGifFile&) = delete;

    GifFileType* Get() const { return m_gif; }

private:
    CGifInput m_input;
    GifFileType* m_gif;
};

// Colour of index in map; the transparent index keeps its colour but
// loses its alpha.
std::uint32_t GifColour(const ColorMapObject* map, int index, int transparent)
{
    if (!map || index < 0 || index >= map->ColorCount)
        return kNoColour;
    const GifColorType& c = map->Colors[index];
    std::uint32_t colour = Opaque(c.Red, c.Green, c.Blue);
    return index == transparent ? colour & kNoColour : colour;
}

// The rows of the frame in the order they are stored: top to bottom, or
// the four passes of an interlaced image.
std::vector<int> StoredRowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve((std::size_t)height);
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    static const int kStart[4] = {0, 4, 2, 1};
    static const int kStep[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            rows.push_back(y);
    return rows;
}

std::unique_ptr<CTmBitmap> DecodeGif(const unsigned char* data, std::size_t size)
{
    CGifFile file(data, size);
    GifFileType* gif = file.Get();
    if (!gif)
        return nullptr;
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record;
        if (DGifGetRecordType(gif, &record) != GIF_OK || record == TERMINATE_RECORD_TYPE)
            return nullptr;  // no image
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK)
                return nullptr;
            GraphicsControlBlock control;
            if (code == GRAPHICS_EXT_FUNC_CODE && block &&
                DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                transparent = control.TransparentColor;
            while (block) {
                if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                    return nullptr;
            }
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE)
            continue;
        if (DGifGetImageDesc(gif) != GIF_OK)
            return nullptr;
        break;
    }

    const GifImageDesc& frame = gif->Image;
    if (TooLarge(frame.Width, frame.Height))
        return nullptr;
    // The picture is the logical screen; a file that names none is as
    // large as its first frame.
    int width = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
    int height = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
    std::unique_ptr<CTmBitmap> bitmap(new CTmBitmap);
    if (TooLarge(width, height) || !bitmap->Create(width, height))
        return nullptr;
    bitmap->Fill(gif->SColorMap ? GifColour(gif->SColorMap, gif->SBackGroundColor, transparent) : kNoColour);

    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map)
        return nullptr;
    std::vector<GifPixelType> line((std::size_t)frame.Width);
    for (int y : StoredRowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK)
            return nullptr;
        for (int x = 0; x < frame.Width; ++x)
            bitmap->SetPixel(frame.Left + x, frame.Top + y, GifColour(map, line[x], transparent));
    }
    return bitmap;
}

// ---------------------------------------------------------------- JPEG

struct CJpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<CJpegErrors*>(info->err)->jump, 1);
}

void OnJpegMessage(j_common_ptr)
{
    // Warnings (a truncated file, say) are not printed; what was decoded
    // is kept, as other picture loaders keep it.
}

// Decodes into bitmap. A libjpeg error jumps back into this frame, so no
// object here has a destructor; bitmap belongs to the caller.
bool DecodeJpegInto(const unsigned char* data, std::size_t size, CTmBitmap& bitmap)
{
    jpeg_decompress_struct info;
    CJpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnJpegError;
    errors.manager.output_message = OnJpegMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        bitmap.Release();
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, (unsigned long)size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || TooLarge(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // CMYK pictures (from Adobe programs) store the inks inverted.
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    if (!bitmap.Create((int)info.output_width, (int)info.output_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * (JDIMENSION)info.output_components, 1);
    while (info.output_scanline < info.output_height) {
        std::uint32_t* out = bitmap.Row((int)info.output_scanline);
        if (jpeg_read_scanlines(&info, row, 1) != 1)
            break;
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            if (cmyk) {
                unsigned k = in[3];
                out[x] = Opaque(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
                in += 4;
            } else {
                out[x] = Opaque(in[0], in[1], in[2]);
                in += 3;
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

std::unique_ptr<CTmBitmap> DecodeJpeg(const unsigned char* data, std::size_t size)
{
    std::unique_ptr<CTmBitmap> bitmap(new CTmBitmap);
    if (!DecodeJpegInto(data, size, *bitmap))
        return nullptr;
    return bitmap;
}

}  // namespace

std::unique_ptr<CTmBitmap> Decode(const unsigned char* data, std::size_t size)
{
    if (!data)
        return nullptr;
    if (size >= 6 && std::memcmp(data, "GIF8", 4) == 0)
        return DecodeGif(data, size);
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return DecodeJpeg(data, size);
    return nullptr;
}

}  // namespace Picture
}  // namespace TMTOOLS
