// The completion of a file of another format after its last line: the
// harbour log's fixed heading choices, layer order, the shuffle of sample and
// in-situ cells into the native layout, drilling rows, missing note depths
// and exchange-file dates.
#include "formats/LineDispatch.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "data/RoleCaptions.h"
#include "formats/FormatDetection.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kolv {

namespace {

constexpr std::string_view harbourLogTitle = "\x8D\x60 \x98\x70 \x92\x8C \x8F\xF3 \x90\x7D";  // 港 湾 柱 状 図
// The flag word of in-situ rows converted from other formats: the depth
// underlined and shown, the note underlined.
constexpr const char* convertedInSituFlags = "7";

void setHarbourHeadingChoices(BoringData& data)
{
    for (int line : {HeadingLine::ScaleNumbering, HeadingLine::FinalDepthAsText, HeadingLine::DepthZeroLabel,
                     HeadingLine::WaterLevelAsElevation, HeadingLine::SampleDepthLabel})
        data.setHeadingLine(line, "0");
    data.setHeadingLine(HeadingLine::Title, std::string(harbourLogTitle));
    // The engineer roles get their captions here, so that the first refresh
    // of the view, which gives a heading without them the title of a soil
    // log, keeps the harbour title.
    fillDefaultRoleCaptions(data);
    data.setHeadingLine(HeadingLine::RecoveryQuSwitch, "1");
}

// Appends a layer for a colour row that no layer depth matches.
void mergeColourRows(BoringData& data, const ColourRowTable& colourRows)
{
    auto& layers = data.layerRows;
    for (int colour = 1; colour <= ColourRowTable::capacity; ++colour) {
        if (isNumericText(colourRows.cell(colour, ColourRowCell::LowerDepth)) < 1)
            break;
        const std::string& tone = colourRows.cell(colour, ColourRowCell::ColourTone);
        if (tone.empty())
            continue;
        const double depth = parseLeadingNumber(colourRows.cell(colour, ColourRowCell::LowerDepth));
        const int count = occupiedRowCount(layers);
        int match = 0;
        for (int row = 1; row <= count && match == 0; ++row)
            if (std::fabs(parseLeadingNumber(layers.cell(row, LayerCell::LowerDepth)) - depth) < 0.0001)
                match = row;
        if (match > 0) {
            layers.setCell(match, LayerCell::ColourTone, tone);
            const long flags = parseLeadingInteger(layers.cell(match, LayerCell::DisplayFlags)) | 32;
            layers.setCell(match, LayerCell::DisplayFlags, formatText("%ld", flags));
        } else if (count < BoringData::LayerTable::capacity) {
            layers.setCell(count + 1, LayerCell::LowerDepth, colourRows.cell(colour, ColourRowCell::LowerDepth));
            layers.setCell(count + 1, LayerCell::ColourTone, tone);
            layers.setCell(count + 1, LayerCell::DisplayFlags, {});
        }
    }
}

// Exchange sort of the occupied layers by depth over the saved cells.
void sortLayers(BoringData& data)
{
    auto& layers = data.layerRows;
    // Rows whose depth is no number sort last.
    const auto sortDepth = [&](int row) {
        const std::string& text = layers.cell(row, LayerCell::LowerDepth);
        return isNumericText(text) > 0 ? parseLeadingNumber(text) : 9999.9;
    };
    updateLastLayerDepth(data);
    const int count = layerCount(data);
    for (int row = 1; row <= count; ++row) {
        for (int later = row + 1; later <= count; ++later) {
            if (sortDepth(later) < sortDepth(row)) {
                for (int cell = 1; cell <= layerSavedCells; ++cell) {
                    std::string held = layers.cell(row, cell);
                    layers.setCell(row, cell, layers.cell(later, cell));
                    layers.setCell(later, cell, std::move(held));
                }
            }
        }
    }
}

// An exchange file lists its in-situ tests group by group (loading tests,
// then the others); the drawing walks them in depth order and stops at the
// first one below the page, so they are put in depth order, keeping the
// file's order among tests of one depth.
void sortInSituTestsByDepth(BoringData& data)
{
    auto& tests = data.inSituRows;
    const int count = occupiedRowCount(tests);
    std::vector<BoringData::InSituTable::Row> rows;
    for (int row = 1; row <= count; ++row)
        rows.push_back(tests.row(row));
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return parseLeadingNumber(a[InSituCell::Depth - 1]) < parseLeadingNumber(b[InSituCell::Depth - 1]);
    });
    for (int row = 1; row <= count; ++row)
        tests.row(row) = std::move(rows[row - 1]);
}

template <class Table, class Change> void forEachOccupiedRow(Table& table, Change change)
{
    const int count = occupiedRowCount(table);
    for (int row = 1; row <= count; ++row)
        change(table, row);
}

void convertDrillingRows(BoringData& data)
{
    auto& imports = data.drillingImportRows;
    auto& drilling = data.drillingRows;
    int written = 0;
    for (int row = 1; row <= BoringData::DrillingImportTable::capacity; ++row) {
        if (isNumericText(imports.cell(row, DrillingImportCell::Depth)) < 1)
            break;
        if (isNumericText(imports.cell(row, DrillingImportCell::Date)) < 1)
            continue;
        ++written;
        drilling.setCell(written, DrillingCell::Depth, imports.cell(row, DrillingImportCell::Depth));
        drilling.setCell(written, DrillingCell::Date, imports.cell(row, DrillingImportCell::Date));
    }
    for (int row = written + 1; row <= BoringData::DrillingTable::capacity; ++row) {
        drilling.setCell(row, DrillingCell::Depth, {});
        drilling.setCell(row, DrillingCell::Date, {});
    }
}

// A note without an upper depth starts where the note before it ended.
void fillObservationDepths(BoringData& data)
{
    auto& notes = data.observationRows;
    const auto countBy = [&](int cell) {
        int count = 0;
        while (count < BoringData::ObservationTable::capacity && isNumericText(notes.cell(count + 1, cell)) > 0)
            ++count;
        return count;
    };
    const int count = std::max(countBy(ObservationCell::UpperDepth), countBy(ObservationCell::LowerDepth));
    std::string previousLowerDepth = "0.0";
    for (int row = 1; row <= count; ++row) {
        if (isNumericText(notes.cell(row, ObservationCell::UpperDepth)) < 1)
            notes.setCell(row, ObservationCell::UpperDepth, previousLowerDepth);
        if (isNumericText(notes.cell(row, ObservationCell::LowerDepth)) > 0)
            previousLowerDepth = notes.cell(row, ObservationCell::LowerDepth);
    }
}

// The characters of the text that lie wholly within the byte range, so a
// double-byte character is never split.
std::string characterRange(std::string_view text, std::size_t firstByte, std::size_t byteCount)
{
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = characterLength(text, pos);
        if (pos >= firstByte && pos + length <= firstByte + byteCount)
            result.append(text.substr(pos, length));
        pos += length;
    }
    return result;
}

// "yyyy-mm-dd" of an exchange file into year, month and day lines.
void splitDate(BoringData& data, int firstLine)
{
    const std::string date = data.headingLine(firstLine);
    if (date.size() >= 10) {
        data.setHeadingLine(firstLine, characterRange(date, 0, 4));
        data.setHeadingLine(firstLine + 1, characterRange(date, 5, 2));
        data.setHeadingLine(firstLine + 2, characterRange(date, 8, 2));
    } else {
        for (int line = firstLine; line < firstLine + 3; ++line)
            data.setHeadingLine(line, {});
    }
}

void completeFile(BoringData& data, FormatCode formatCode, const ColourRowTable* colourRows)
{
    if (formatCode == FormatCode::Native)
        return;
    setHarbourHeadingChoices(data);

    if (formatCode == FormatCode::SiblingA480 || formatCode == FormatCode::SiblingA490) {
        if (colourRows)
            mergeColourRows(data, *colourRows);
        sortLayers(data);
        // These sister products keep sample and in-situ cells in another
        // order than the native layout.
        forEachOccupiedRow(data.sampleRows, [](auto& rows, int row) {
            rows.setCell(row, SampleCell::Disturbed, rows.cell(row, SiblingASampleCell::Disturbed));
            rows.setCell(row, SampleCell::LaboratoryTests, rows.cell(row, SiblingASampleCell::LaboratoryTests));
            rows.setCell(row, SampleCell::Method, {});
        });
        forEachOccupiedRow(data.inSituRows, [](auto& rows, int row) {
            rows.setCell(row, InSituCell::DepthCopy, rows.cell(row, SiblingAInSituCell::DepthCopy));
            rows.setCell(row, InSituCell::Name, {});
            rows.setCell(row, InSituCell::NotePosition, rows.cell(row, SiblingAInSituCell::NotePosition));
            rows.setCell(row, InSituCell::Symbol, rows.cell(row, SiblingAInSituCell::Symbol));
            rows.setCell(row, InSituCell::Flags, convertedInSituFlags);
        });
        convertDrillingRows(data);
    } else if (formatCode == FormatCode::SiblingB510) {
        forEachOccupiedRow(data.inSituRows, [](auto& rows, int row) {
            rows.setCell(row, InSituCell::Name, rows.cell(row, ImportedInSituCell::Name));
            rows.setCell(row, InSituCell::Result, rows.cell(row, ImportedInSituCell::Result));
            rows.setCell(row, InSituCell::Flags, convertedInSituFlags);
            rows.setCell(row, InSituCell::Symbol, rows.cell(row, ImportedInSituCell::Symbol));
            rows.setCell(row, InSituCell::NotePosition, rows.cell(row, ImportedInSituCell::NotePosition));
            rows.setCell(row, InSituCell::DepthCopy, rows.cell(row, ImportedInSituCell::UpperDepth));
        });
        // Only the lowest bit of the sister product's sample kind tells a
        // disturbed sample.
        forEachOccupiedRow(data.sampleRows, [](auto& rows, int row) {
            const bool disturbed = parseLeadingInteger(rows.cell(row, SampleCell::Disturbed)) % 2 != 0;
            rows.setCell(row, SampleCell::Disturbed, disturbed ? "1" : "0");
        });
        convertDrillingRows(data);
    } else if (isXmlFormat(formatCode)) {
        sortLayers(data);
        sortInSituTestsByDepth(data);
        forEachOccupiedRow(data.inSituRows, [](auto& rows, int row) {
            rows.setCell(row, InSituCell::Name, rows.cell(row, ImportedInSituCell::Name));
            rows.setCell(row, InSituCell::Result, rows.cell(row, ImportedInSituCell::Result));
            rows.setCell(row, InSituCell::Flags, convertedInSituFlags);
            rows.setCell(row, InSituCell::Symbol, {});
            rows.setCell(row, InSituCell::NotePosition, {});
            rows.setCell(row, InSituCell::DepthCopy, rows.cell(row, ImportedInSituCell::UpperDepth));
        });
        convertDrillingRows(data);
        fillObservationDepths(data);
        // From version 2.00 on, the start and end dates are one element each.
        if (formatCode != FormatCode::Xml110) {
            splitDate(data, HeadingLine::StartYear);
            splitDate(data, HeadingLine::EndYear);
        }
    }
}

}  // namespace

void postProcess(BoringData& data, FormatCode formatCode)
{
    completeFile(data, formatCode, nullptr);
}

void postProcess(BoringData& data, FormatCode formatCode, const LineReaderState& state)
{
    completeFile(data, formatCode, &state.colourRows);
}

}  // namespace kolv
