#pragma once
#include <cstdint>
#include <utility>
#include <vector>

namespace kolv {

// Pattern number -> colour (COLORREF) of the vector-drawn soil patterns; the
// first 110 pairs of PtnvcJG.ndx take effect.
struct PatternColorTable {
    static constexpr int capacity = 110;
    std::vector<std::pair<long, std::uint32_t>> pairs;

    // The colour of the first pair with this number; 0 (black) when absent.
    std::uint32_t colorOf(long number) const
    {
        for (const auto& [n, color] : pairs)
            if (n == number)
                return color;
        return 0;
    }
};

}  // namespace kolv
