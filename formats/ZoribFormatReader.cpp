#include "formats/ZoribFormatReader.h"

#include "formats/SectionReader.h"

namespace kolv {

void readZoribLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    static constexpr SectionLayout layout{.drillingImportSection = 'B', .colourRows = true};
    readSectionLine(data, state, line, layout);
}

}  // namespace kolv
