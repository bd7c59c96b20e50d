#pragma once
// Soil and rock names to pattern numbers and symbols through the soil-name
// master. Section 1 of the master holds whole names (pattern numbers 10000 and
// above) and base names (1-9999), section 2 the "混じり" modifiers and
// section 3 the "質" qualifiers; which rows belong to a range depends on the
// pattern number of the set being looked up.
#include "data/BoringData.h"
#include "settings/SoilNameMaster.h"

#include <string>
#include <string_view>

namespace kolv {

// The pattern sets of the master.
inline constexpr int vectorPatternSet = 0;
inline constexpr int bitmapPatternSet = 1;

struct SoilPattern {
    long major = 0;
    int minor = 0;
    std::string symbol;
};

// The pattern of a (possibly composed) soil name on one set. A numeric hint
// (the display-flag word of a layer) replaces the major number; the minor
// number and the symbol always come from the name. A name that matches
// nothing gives 0, 0 and an empty symbol.
SoilPattern lookupSoilPattern(std::string_view name, std::string_view hint, const SoilNameMaster& master, int set);

// Recomputes the memory-only cells 12-14 of every occupied layer from the
// vector set; the saved cells 1-11 are left alone.
void rebuildVectorCodes(BoringData& data, const SoilNameMaster& master);

}  // namespace kolv
