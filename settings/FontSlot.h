#pragma once
#include <cstdint>
#include <string>

namespace kolv {

inline constexpr int fontSlotCount = 6;

// One of the six text fonts of the log (heading, frame items, body,
// observation notes, free notes, footer page part).
struct FontSlot {
    double size = 0.0;        // points
    std::string face;         // code page 932, e.g. "ＭＳ Ｐ明朝"
    std::uint32_t color = 0;  // COLORREF 0x00BBGGRR
    int underline = 0;
};

}  // namespace kolv
