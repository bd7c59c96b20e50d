#pragma once
// The line scheme the native format shares with the sister products' formats:
// marker lines holding "$$" name a section by their third character, rows are
// comma-separated lines, observation notes span several lines. Each format
// reads its own choice of sections.
#include "formats/LineDispatch.h"

#include <string_view>

namespace kolv {

struct SectionLayout {
    bool documentOptions = false;    // "x"
    bool recoveryRows = false;       // "Y"
    bool geologicAgeRows = false;    // "N"
    char drillingImportSection = 0;  // "B" or "J"; 0 for none
    bool colourRows = false;         // "S"
    // A water level whose display bits are not a number shows level and date.
    bool defaultWaterLevelDisplay = false;
};

void readSectionLine(BoringData& data, LineReaderState& state, std::string_view line, const SectionLayout& layout);

}  // namespace kolv
