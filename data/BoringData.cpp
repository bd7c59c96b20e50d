#include "data/BoringData.h"

#include "data/Cp932Text.h"
#include "data/Number.h"

namespace kolv {

int isNumericText(std::string_view text)
{
    const std::string_view rest = skipLeadingBlanks(text);
    if (rest.empty())
        return -1;
    static constexpr std::string_view numericStarts = "1234567890.+-";
    return numericStarts.find(rest.front()) != std::string_view::npos ? 1 : 0;
}

int layerCount(BoringData& data)
{
    const int count = occupiedRowCount(data.layerRows);
    data.setHeadingLine(45, count > 0 ? data.layerRows.cell(count, 1) : std::string());
    return count;
}

int sptCount(BoringData& data)
{
    const int count = occupiedRowCount(data.sptRows);
    double depth = 0.0;
    double penetration = 30.0;
    if (count > 0) {
        depth = parseLeadingNumber(data.sptRows.cell(count, 1));
        const std::string& nValue = data.sptRows.cell(count, 2);
        const std::size_t slash = findText(nValue, "/");
        if (slash != textNotFound)
            penetration = parseLeadingNumber(std::string_view(nValue).substr(slash + 1));
    }
    data.setHeadingLine(46, formatDepth(depth + penetration / 100.0));
    return count;
}

void clear(BoringData& data)
{
    for (std::string& line : data.headingLines)
        line.clear();
    data.layerRows.clear();
    data.sptRows.clear();
    data.observationRows.clear();
    data.inSituRows.clear();
    data.sampleRows.clear();
    data.geologicAgeRows.clear();
    data.waterLevelRows.clear();
    data.drillingRows.clear();
    data.recoveryRows.clear();
    for (std::string& cell : data.freeNoteHeader)
        cell.clear();
    data.freeNoteRows.clear();
    data.drillingImportRows.clear();
    data.freeNoteFrameSize = 0;

    // The defaults of items 1-13 belong to the settings (the style sheet's
    // default column widths) and survive a new document.
    for (int item = 1; item <= documentOptionCount; ++item) {
        DocumentOption& option = data.documentOption(item);
        if (item <= 13) {
            option.value = isNumericText(option.defaultValue) > 0 ? option.defaultValue : std::string();
        } else if (item <= 21) {
            option.defaultValue.clear();
            option.value.clear();
        }
    }
    data.documentOption(22) = {"0", "0"};
    data.documentOption(23) = {"500", "500"};
    data.documentOption(24) = {"100", "100"};
}

}  // namespace kolv
