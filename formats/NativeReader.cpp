#include "formats/NativeReader.h"

#include "formats/SectionReader.h"

namespace kolv {

void readNativeLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    // The writer saves the geological ages ("$$N"); reading them back keeps
    // ages imported from an exchange file across a reopen.
    static constexpr SectionLayout layout{
        .documentOptions = true, .recoveryRows = true, .geologicAgeRows = true, .defaultWaterLevelDisplay = true};
    readSectionLine(data, state, line, layout);
}

}  // namespace kolv
