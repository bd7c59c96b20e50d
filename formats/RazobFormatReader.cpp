#include "formats/RazobFormatReader.h"

#include "formats/SectionReader.h"

namespace kolv {

void readRazobLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    // Its colour rows are read as the sister product writes them but have no
    // use in a harbour log.
    static constexpr SectionLayout layout{.geologicAgeRows = true, .drillingImportSection = 'J', .colourRows = true};
    readSectionLine(data, state, line, layout);
}

}  // namespace kolv
