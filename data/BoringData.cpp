#include "data/BoringData.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "data/TableDescriptor.h"

namespace kolv {

int isNumericText(std::string_view text)
{
    const std::string_view rest = skipLeadingBlanks(text);
    if (rest.empty())
        return -1;
    static constexpr std::string_view numericStarts = "1234567890.+-";
    return numericStarts.find(rest.front()) != std::string_view::npos ? 1 : 0;
}

int layerCount(const BoringData& data)
{
    return occupiedRowCount(data.layerRows);
}

int sptCount(const BoringData& data)
{
    return occupiedRowCount(data.sptRows);
}

std::string lastLayerDepth(const BoringData& data)
{
    const int count = layerCount(data);
    return count > 0 ? data.layerRows.cell(count, LayerCell::LowerDepth) : std::string();
}

std::string lastSptEndDepth(const BoringData& data)
{
    const int count = sptCount(data);
    double depth = 0.0;
    double penetration = 30.0;
    if (count > 0) {
        depth = parseLeadingNumber(data.sptRows.cell(count, SptCell::Depth));
        const std::string& nValue = data.sptRows.cell(count, SptCell::NValue);
        const std::size_t slash = findText(nValue, "/");
        if (slash != textNotFound)
            penetration = parseLeadingNumber(std::string_view(nValue).substr(slash + 1));
    }
    return formatDepth(depth + penetration / 100.0);
}

void updateLastLayerDepth(BoringData& data)
{
    data.setHeadingLine(HeadingLine::LastLayerDepth, lastLayerDepth(data));
}

bool drillingDatesShown(const BoringData& data)
{
    return parseLeadingInteger(data.documentOption(DocumentOptionItem::DrillingDatesShown).value) == 1;
}

int freeNoteFrameSizeOf(const BoringData& data)
{
    return static_cast<int>(parseLeadingInteger(data.freeNoteHeaderCell(FreeNoteHeaderCell::FrameSize)));
}

void clear(BoringData& data)
{
    for (std::string& line : data.headingLines)
        line.clear();
    forEachTable(data, [](const TableDescriptor&, auto& table) { table.clear(); });
    for (std::string& cell : data.freeNoteHeader)
        cell.clear();
    data.freeNoteFrameSize = 0;

    // The defaults of the column widths belong to the settings (the style
    // sheet's default column widths) and survive a new document.
    using namespace DocumentOptionItem;
    for (int item = 1; item <= documentOptionCount; ++item) {
        DocumentOption& option = data.documentOption(item);
        if (item < FirstColumnWidth + ColumnWidthCount) {
            option.value = isNumericText(option.defaultValue) > 0 ? option.defaultValue : std::string();
        } else if (item < QuScaleMinimum) {
            option.defaultValue.clear();
            option.value.clear();
        }
    }
    data.documentOption(QuScaleMinimum) = {"0", "0"};
    data.documentOption(QuScaleMaximum) = {"500", "500"};
    data.documentOption(QuScaleStep) = {"100", "100"};
}

}  // namespace kolv
