#pragma once
// The soil and rock names with their pattern numbers (WdtvJCA.mst). Section 1
// holds the soil and rock names (whole names 10000 and above, base names
// 100-9999), section 2 the "混じり" modifiers, section 3 the "質" qualifiers.
// Each row carries a pattern number and a mark digit for each of the two
// pattern sets: set 0 the vector drawings, set 1 the bitmaps.
#include <array>
#include <string>
#include <vector>

namespace kolv {

struct SoilNameRow {
    std::string name;  // code page 932
    std::string symbol;
    std::array<long, 2> patternNumber{-1, -1};  // per set; -1 when not numeric
    std::array<int, 2> markDigit{0, 0};         // bit 0 density, bit 1 consistency
};

struct SoilNameMaster {
    static constexpr int capacity = 256;
    static constexpr int sectionCount = 4;  // index 0 unused by the file rules, kept as the loader clears it

    std::vector<SoilNameRow> rows;  // row n (from 1) at index n - 1
    // First and last row number (from 1; 0 = none) of section s for set k.
    std::array<std::array<int, 2>, sectionCount> firstRow{};
    std::array<std::array<int, 2>, sectionCount> lastRow{};
    int version = 0;
};

}  // namespace kolv
