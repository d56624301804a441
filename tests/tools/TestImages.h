// Tiny GIF and JPEG files built in code, for the picture loaders' tests.
//
// MakeGif writes an uncompressed GIF: a four-colour table and LZW codes of
// three bits, with a clear code before every pixel so that the code table
// never grows. MakeJpeg writes a baseline JPEG, 8 pixels high, of 8 x 8
// blocks of one colour each: YCbCr without subsampling, all quantisers 1,
// and only the DC coefficient coded (every AC run ends at once).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tmtest {

// palette: four 0xRRGGBB colours; indices: width x height, row by row.
inline std::string MakeGif(int width, int height, const std::array<std::uint32_t, 4>& palette,
                           const std::vector<int>& indices)
{
    std::string out = "GIF89a";
    auto le16 = [&out](int v) {
        out += char(v & 0xFF);
        out += char((v >> 8) & 0xFF);
    };
    le16(width);
    le16(height);
    out += char(0x91);  // global colour table of 2^(1+1) entries, 2-bit colour resolution
    out += char(0);     // background colour index
    out += char(0);     // pixel aspect ratio
    for (std::uint32_t rgb : palette) {
        out += char((rgb >> 16) & 0xFF);
        out += char((rgb >> 8) & 0xFF);
        out += char(rgb & 0xFF);
    }
    out += ',';  // image descriptor
    le16(0);
    le16(0);
    le16(width);
    le16(height);
    out += char(0);
    out += char(2);  // LZW minimum code size: clear = 4, end = 5, codes of 3 bits

    std::vector<unsigned char> codes;
    unsigned bits = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            codes.push_back(static_cast<unsigned char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int index : indices) {
        put(4);
        put(unsigned(index));
    }
    put(5);
    if (count > 0)
        codes.push_back(static_cast<unsigned char>(bits & 0xFF));
    for (size_t at = 0; at < codes.size(); at += 255) {
        size_t n = std::min<size_t>(255, codes.size() - at);
        out += char(n);
        out.append(reinterpret_cast<const char*>(codes.data() + at), n);
    }
    out += char(0);  // end of the image data
    out += ';';      // trailer
    return out;
}

// blocks: the 0xRRGGBB colour of each 8 x 8 block, left to right.
inline std::string MakeJpeg(const std::vector<std::uint32_t>& blocks)
{
    std::string out;
    auto byte = [&out](int v) { out += char(v & 0xFF); };
    auto be16 = [&](int v) {
        byte(v >> 8);
        byte(v);
    };
    const int width = 8 * int(blocks.size()), height = 8;

    be16(0xFFD8);  // start of image
    be16(0xFFDB);  // quantisation table 0: all ones
    be16(67);
    byte(0);
    for (int i = 0; i < 64; ++i)
        byte(1);
    be16(0xFFC0);  // baseline frame: three components, no subsampling
    be16(17);
    byte(8);
    be16(height);
    be16(width);
    byte(3);
    for (int id = 1; id <= 3; ++id) {
        byte(id);
        byte(0x11);
        byte(0);
    }
    be16(0xFFC4);  // DC table 0: the twelve size classes, 4-bit codes 0000..1011
    be16(31);
    byte(0x00);
    for (int length = 1; length <= 16; ++length)
        byte(length == 4 ? 12 : 0);
    for (int s = 0; s < 12; ++s)
        byte(s);
    be16(0xFFC4);  // AC table 0: end of block only, code "0"
    be16(20);
    byte(0x10);
    for (int length = 1; length <= 16; ++length)
        byte(length == 1 ? 1 : 0);
    byte(0x00);
    be16(0xFFDA);  // scan of the three components
    be16(12);
    byte(3);
    for (int id = 1; id <= 3; ++id) {
        byte(id);
        byte(0x00);
    }
    byte(0);
    byte(63);
    byte(0);

    std::string data;
    unsigned acc = 0;
    int count = 0;
    auto putBits = [&](unsigned value, int n) {
        for (int i = n - 1; i >= 0; --i) {
            acc = (acc << 1) | ((value >> i) & 1u);
            if (++count == 8) {
                data += char(acc);
                if (acc == 0xFF)
                    data += char(0);  // byte stuffing
                acc = 0;
                count = 0;
            }
        }
    };
    int previous[3] = {0, 0, 0};
    for (std::uint32_t rgb : blocks) {
        double r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        double ycc[3] = {0.299 * r + 0.587 * g + 0.114 * b, 128 - 0.168736 * r - 0.331264 * g + 0.5 * b,
                         128 + 0.5 * r - 0.418688 * g - 0.081312 * b};
        for (int c = 0; c < 3; ++c) {
            int v = int(ycc[c] + 0.5);
            v = v < 0 ? 0 : (v > 255 ? 255 : v);
            int dc = 8 * (v - 128);  // DC of a flat block, quantiser 1
            int diff = dc - previous[c];
            previous[c] = dc;
            int size = 0;
            for (int magnitude = diff < 0 ? -diff : diff; magnitude; magnitude >>= 1)
                ++size;
            putBits(unsigned(size), 4);
            if (size)
                putBits(unsigned(diff > 0 ? diff : diff + (1 << size) - 1), size);
            putBits(0, 1);  // end of block
        }
    }
    if (count)
        putBits((1u << (8 - count)) - 1, 8 - count);  // pad with ones
    out += data;
    be16(0xFFD9);  // end of image
    return out;
}

}  // namespace tmtest
