#include "formats/SectionReader.h"

#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Number.h"
#include "formats/SoilPatternLookup.h"
#include "platform/Prompter.h"

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
    if (state.prompter)
        state.prompter->show(0, "too many csv", MessageKind::Warning);
}

// Fields 1..cellCount of the line become the cells of the section's next row;
// lines past the table's capacity are dropped.
template <class Table>
bool readCsvRow(Table& table, LineReaderState& state, std::string_view line, int cellCount)
{
    if (state.row > Table::capacity)
        return false;
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
    if (state.row == 15) {
        // Lines 14 and 15 carry latitude and longitude as "d,m,s"; their
        // parts live in lines 51-53 and 54-56.
        for (int part = 1; part <= 3; ++part) {
            data.setHeadingLine(50 + part, splitCsvField(data.headingLine(14), part));
            data.setHeadingLine(53 + part, splitCsvField(data.headingLine(15), part));
        }
    }
    ++state.row;
}

void readLayerLine(BoringData& data, LineReaderState& state, std::string_view line)
{
    const int row = state.row;
    if (!readCsvRow(data.layerRows, state, line, layerSavedCells))
        return;
    const std::string& name = data.layerRows.cell(row, 2);
    if (name.empty())
        return;
    static const SoilNameMaster noMaster;
    const SoilNameMaster& master = state.soilNameMaster ? *state.soilNameMaster : noMaster;
    const std::string& hint = data.layerRows.cell(row, 7);
    std::string key = name + '\0' + hint;
    auto known = state.soilPatterns.find(key);
    if (known == state.soilPatterns.end())
        known = state.soilPatterns.emplace(std::move(key), lookupSoilPattern(name, hint, master, bitmapPatternSet)).first;
    SoilPattern pattern = known->second;
    if (isNumericText(hint) < 1)
        data.layerRows.setCell(row, 5, formatText("%ld.%d", pattern.major, pattern.minor));
    if (data.layerRows.cell(row, 8).empty())
        data.layerRows.setCell(row, 8, std::move(pattern.symbol));
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
            rows.row(state.row)[3].append(line).append(crLf);
        }
        break;
    default:
        rows.setCell(state.row, 5, std::string(line));
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
        data.freeNoteFrameSize = static_cast<int>(parseLeadingInteger(data.freeNoteHeaderCell(2)));
        state.freeNoteHeaderRead = true;
        return;
    }
    readCsvRow(data.freeNoteRows, state, line, BoringData::FreeNoteTable::cellCount);
}

void readWaterLevelLine(BoringData& data, LineReaderState& state, std::string_view line, bool defaultDisplay)
{
    const int row = state.row;
    if (readCsvRow(data.waterLevelRows, state, line, BoringData::WaterLevelTable::cellCount) && defaultDisplay
        && isNumericText(data.waterLevelRows.cell(row, 4)) < 1)
        data.waterLevelRows.setCell(row, 4, "3");
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
    } else if (section == 'Z') {
        readHeadingLine(data, state, line);
    } else if (section == 'A') {
        readLayerLine(data, state, line);
    } else if (section == 'C') {
        readCsvRow(data.sptRows, state, line, BoringData::SptTable::cellCount);
    } else if (section == 'K') {
        readObservationLine(data, state, line);
    } else if (section == 'G') {
        readCsvRow(data.inSituRows, state, line, BoringData::InSituTable::cellCount);
    } else if (section == 'E') {
        readCsvRow(data.sampleRows, state, line, BoringData::SampleTable::cellCount);
    } else if (section == 'W') {
        readWaterLevelLine(data, state, line, layout.defaultWaterLevelDisplay);
    } else if (section == 'H') {
        readCsvRow(data.drillingRows, state, line, BoringData::DrillingTable::cellCount);
    } else if (section == 'Y' && layout.recoveryRows) {
        readCsvRow(data.recoveryRows, state, line, BoringData::RecoveryTable::cellCount);
    } else if (section == 'F') {
        readFreeNoteLine(data, state, line);
    } else if (section == 'N' && layout.geologicAgeRows) {
        readCsvRow(data.geologicAgeRows, state, line, BoringData::GeologicAgeTable::cellCount);
    } else if (section == layout.drillingImportSection && section != 0) {
        readCsvRow(data.drillingImportRows, state, line, BoringData::DrillingImportTable::cellCount);
    } else if (section == 'S' && layout.colourRows) {
        readCsvRow(state.colourRows, state, line, ColourRowTable::cellCount);
    }
}

}  // namespace kolv
