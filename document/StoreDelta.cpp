#include "document/StoreDelta.h"

namespace kolv {

namespace {

// Every text of the store in one fixed order: the heading lines, the option
// defaults and values, the free-note header and every cell of every table.
template <class Data, class Visit> void forEachText(Data& data, Visit&& visit)
{
    for (auto& line : data.headingLines)
        visit(line);
    for (auto& option : data.documentOptions) {
        visit(option.defaultValue);
        visit(option.value);
    }
    for (auto& cell : data.freeNoteHeader)
        visit(cell);
    const auto visitTable = [&visit](auto& table) {
        for (int row = 1; row <= table.capacity; ++row)
            for (auto& cell : table.row(row))
                visit(cell);
    };
    visitTable(data.layerRows);
    visitTable(data.sptRows);
    visitTable(data.observationRows);
    visitTable(data.inSituRows);
    visitTable(data.sampleRows);
    visitTable(data.geologicAgeRows);
    visitTable(data.waterLevelRows);
    visitTable(data.drillingRows);
    visitTable(data.recoveryRows);
    visitTable(data.freeNoteRows);
    visitTable(data.drillingImportRows);
}

}  // namespace

StoreDelta::StoreDelta(const BoringData& before, const BoringData& after)
{
    std::vector<const std::string*> old;
    forEachText(before, [&old](const std::string& text) { old.push_back(&text); });
    int index = 0;
    forEachText(after, [&](const std::string& text) {
        if (*old[index] != text)
            cells_.push_back(Cell{index, *old[index], text});
        ++index;
    });
}

void StoreDelta::apply(BoringData& data, bool after) const
{
    std::vector<std::string*> texts;
    forEachText(data, [&texts](std::string& text) { texts.push_back(&text); });
    for (const Cell& cell : cells_)
        *texts[cell.index] = after ? cell.after : cell.before;
}

}  // namespace kolv
