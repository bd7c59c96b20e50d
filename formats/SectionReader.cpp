#include "formats/SectionReader.h"

#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "data/TableDescriptor.h"
#include "formats/SoilPatternLookup.h"
#include "platform/MessageCatalogue.h"

#include <optional>

namespace kolv {

namespace {

constexpr std::string_view crLf = "\r\n";

// Lines longer than the sister programs accept are read whole; the user is
// told once per file that such lines exist.
void noteLongLine(LineReaderState& state, std::string_view line)
{
    if (line.size() <= csvLineLimit || state.longLineReported)
        return;
    state.longLineReported = true;
    if (state.issues)
        state.issues->push_back(issueOf(Message::TooManyCsv, MessageKind::Warning));
}

// Fields 1..cellCount of the line become the cells of the section's next row;
// lines past the table's capacity are dropped, and counted for the table
// kind when the rows are those of a store table.
template <class Table>
bool readCsvRow(Table& table, LineReaderState& state, std::string_view line, int cellCount,
                std::optional<TableKind> kind)
{
    if (state.row > Table::capacity) {
        if (kind)
            state.rowsPastCapacity.add(*kind);
        return false;
    }
    noteLongLine(state, line);
    std::vector<std::string> fields = splitCsvFields(line, cellCount);
    for (int cell = 1; cell <= cellCount; ++cell)
        table.setCell(state.row, cell, std::move(fields[cell - 1]));
    ++state.row;
    return true;
}

void readHeadingLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    if (state.row > headingLineCount)
        return;
    data.setHeadingLine(state.row, std::string(line));
    if (state.row == HeadingLine::Longitude) {
        // Latitude and longitude are saved as "d,m,s"; their parts live in
        // lines of their own.
        for (int part = 0; part < 3; ++part) {
            data.setHeadingLine(HeadingLine::LatitudeDegrees + part,
                                splitCsvField(data.headingLine(HeadingLine::Latitude), part + 1));
            data.setHeadingLine(HeadingLine::LongitudeDegrees + part,
                                splitCsvField(data.headingLine(HeadingLine::Longitude), part + 1));
        }
    }
    ++state.row;
}

void readLayerLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    const int row = state.row;
    if (!readCsvRow(data.layerRows, state, line, tableDescriptor(TableKind::Layer).savedCells, TableKind::Layer))
        return;
    const std::string& name = data.layerRows.cell(row, LayerCell::Name);
    if (name.empty())
        return;
    static const SoilNameMaster noMaster;
    const SoilNameMaster& master = state.soilNameMaster ? *state.soilNameMaster : noMaster;
    const std::string& hint = data.layerRows.cell(row, LayerCell::DisplayFlags);
    std::string key = name + '\0' + hint;
    auto known = state.soilPatterns.find(key);
    if (known == state.soilPatterns.end())
        known =
            state.soilPatterns.emplace(std::move(key), lookupSoilPattern(name, hint, master, bitmapPatternSet)).first;
    SoilPattern pattern = known->second;
    if (isNumericText(hint) < 1)
        data.layerRows.setCell(row, LayerCell::PatternCode, formatText("%ld.%d", pattern.major, pattern.minor));
    if (data.layerRows.cell(row, LayerCell::Symbol).empty())
        data.layerRows.setCell(row, LayerCell::Symbol, std::move(pattern.symbol));
}

// An observation row spans lines: upper depth, lower depth, the one-character
// field, the note's lines up to a line holding BEL (or "@"), the underline flag.
void readObservationLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    if (state.row > BoringData::ObservationTable::capacity)
        return;
    auto& rows = data.observationRows;
    switch (state.cell) {
    case 1:
    case 2:
    case 3:
        rows.setCell(state.row, state.cell, std::string(line));
        ++state.cell;
        break;
    case 4:
        if (containsText(line, "\x07") || containsText(line, "@")) {
            state.cell = 5;
        } else {
            rows.row(state.row)[ObservationCell::Note - 1].append(line).append(crLf);
        }
        break;
    default:
        rows.setCell(state.row, ObservationCell::Underline, std::string(line));
        state.cell = 1;
        ++state.row;
        break;
    }
}

void readFreeNoteLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    if (!state.freeNoteHeaderRead) {
        noteLongLine(state, line);
        for (int cell = 1; cell <= freeNoteHeaderCells; ++cell)
            data.setFreeNoteHeaderCell(cell, splitCsvField(line, cell));
        data.freeNoteFrameSize = freeNoteFrameSizeOf(data);
        state.freeNoteHeaderRead = true;
        return;
    }
    readCsvRow(data.freeNoteRows, state, line, tableDescriptor(TableKind::FreeNote).savedCells, TableKind::FreeNote);
}

void readWaterLevelLine(BoringData& data, LineReaderState& state, std::string_view line, bool defaultDisplay)
{
    const int row = state.row;
    if (readCsvRow(data.waterLevelRows, state, line, BoringData::WaterLevelTable::cellCount, TableKind::WaterLevel)
        && defaultDisplay && isNumericText(data.waterLevelRows.cell(row, WaterLevelCell::Display)) < 1)
        data.waterLevelRows.setCell(row, WaterLevelCell::Display, "3");
}

}  // namespace

void readSectionLine(BoringData& data, LineReaderState& state, std::string_view line, const SectionLayout& layout)
{
    if (containsText(line, "$$")) {
        if (line.size() > 2) {
            state.section = line[2];
            state.row = 1;
            state.cell = 1;
            state.freeNoteHeaderRead = false;
        }
        return;
    }

    const char section = state.section;
    if (section == 'x' && layout.documentOptions) {
        noteLongLine(state, line);
        std::vector<std::string> fields = splitCsvFields(line, documentOptionCount);
        for (int item = 1; item <= documentOptionCount; ++item)
            data.documentOption(item).value = std::move(fields[item - 1]);
        ++state.row;
        return;
    }
    if (section == 'Z') {
        readHeadingLine(data, state, line);
        return;
    }
    if (section == 'S' && layout.colourRows) {
        readCsvRow(state.colourRows, state, line, ColourRowTable::cellCount, std::nullopt);
        return;
    }
    forEachTable(data, [&](const TableDescriptor& descriptor, auto& table) {
        const bool readHere = descriptor.kind == TableKind::DrillingImport
            ? section == layout.drillingImportSection && section != 0
            : section == descriptor.section;
        if (!readHere)
            return;
        switch (descriptor.kind) {
        case TableKind::Layer:
            readLayerLine(data, state, line);
            break;
        case TableKind::Observation:
            readObservationLine(data, state, line);
            break;
        case TableKind::WaterLevel:
            readWaterLevelLine(data, state, line, layout.defaultWaterLevelDisplay);
            break;
        case TableKind::FreeNote:
            readFreeNoteLine(data, state, line);
            break;
        case TableKind::Recovery:
            if (layout.recoveryRows)
                readCsvRow(table, state, line, descriptor.savedCells, descriptor.kind);
            break;
        case TableKind::GeologicAge:
            if (layout.geologicAgeRows)
                readCsvRow(table, state, line, descriptor.savedCells, descriptor.kind);
            break;
        default:
            readCsvRow(table, state, line, descriptor.savedCells, descriptor.kind);
            break;
        }
    });
}

}  // namespace kolv
