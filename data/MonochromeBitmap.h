#pragma once
// A monochrome bitmap: rows top-down, 1 bit per pixel, bit set = white (as a
// 1-bit DIB with the palette black, white). The pattern bitmaps of the
// installation are decoded into it, kept with the reference data and drawn
// on the log's device.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kolv {

struct MonochromeBitmap {
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes per row
    std::vector<std::uint8_t> bits;
    bool pixelIsWhite(int x, int y) const
    {
        return (bits[static_cast<std::size_t>(y) * stride + x / 8] >> (7 - x % 8)) & 1;
    }
};

}  // namespace kolv
