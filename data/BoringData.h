#pragma once
// The in-memory model of one borehole. Every value is text; numbers are read
// from the text when they are used. A row is occupied when its cell 1 passes
// isNumericText, and a table is packed: every walk starts at row 1 and stops
// at the first unoccupied row.
#include "data/TextTable.h"

#include <array>
#include <cassert>
#include <string>
#include <string_view>

namespace kolv {

inline constexpr int headingLineCount = 120;
inline constexpr int documentOptionCount = 24;
inline constexpr int freeNoteHeaderCells = 5;

// Cells that the native file holds per row (the layer table keeps three more
// in memory: the vector pattern codes and symbol).
inline constexpr int layerSavedCells = 11;

struct DocumentOption {
    std::string defaultValue;
    std::string value;

    bool operator==(const DocumentOption&) const = default;
};

struct BoringData {
    using LayerTable = TextTable<200, 14>;
    using SptTable = TextTable<300, 6>;
    using ObservationTable = TextTable<200, 5>;
    using InSituTable = TextTable<100, 8>;
    using SampleTable = TextTable<200, 6>;
    using GeologicAgeTable = TextTable<30, 3>;
    using WaterLevelTable = TextTable<50, 4>;
    using DrillingTable = TextTable<50, 2>;
    using RecoveryTable = TextTable<200, 7>;
    using FreeNoteTable = TextTable<25, 5>;
    using DrillingImportTable = TextTable<50, 11>;

    // Lines and items numbered from 1 (the names are in data/Fields.h).
    const std::string& headingLine(int line) const
    {
        assert(line >= 1 && line <= headingLineCount);
        return headingLines[line - 1];
    }
    void setHeadingLine(int line, std::string text)
    {
        assert(line >= 1 && line <= headingLineCount);
        headingLines[line - 1] = std::move(text);
    }
    const DocumentOption& documentOption(int item) const
    {
        assert(item >= 1 && item <= documentOptionCount);
        return documentOptions[item - 1];
    }
    DocumentOption& documentOption(int item)
    {
        assert(item >= 1 && item <= documentOptionCount);
        return documentOptions[item - 1];
    }
    const std::string& freeNoteHeaderCell(int cell) const
    {
        assert(cell >= 1 && cell <= freeNoteHeaderCells);
        return freeNoteHeader[cell - 1];
    }
    void setFreeNoteHeaderCell(int cell, std::string text)
    {
        assert(cell >= 1 && cell <= freeNoteHeaderCells);
        freeNoteHeader[cell - 1] = std::move(text);
    }

    std::array<std::string, headingLineCount> headingLines;
    std::array<DocumentOption, documentOptionCount> documentOptions;
    LayerTable layerRows;
    SptTable sptRows;
    ObservationTable observationRows;
    InSituTable inSituRows;
    SampleTable sampleRows;
    GeologicAgeTable geologicAgeRows;
    WaterLevelTable waterLevelRows;
    DrillingTable drillingRows;
    RecoveryTable recoveryRows;
    std::array<std::string, freeNoteHeaderCells> freeNoteHeader;
    FreeNoteTable freeNoteRows;
    DrillingImportTable drillingImportRows;

    // The integer copy of free-note header cell 2 (the frame size in mm),
    // set after every native load and by the document's refresh step.
    int freeNoteFrameSize = 0;
};

// -1 for an empty (or all blank) text, 1 when the first character after
// leading blanks and full-width spaces is one of "1234567890.+-", else 0.
int isNumericText(std::string_view text);

// Number of occupied rows counted from row 1 of any table.
template <class Table> int occupiedRowCount(const Table& table)
{
    int count = 0;
    while (count < Table::capacity && isNumericText(table.cell(count + 1, 1)) > 0)
        ++count;
    return count;
}

// Occupied layers.
int layerCount(const BoringData& data);

// Occupied penetration tests.
int sptCount(const BoringData& data);

// Heading line 45 as a save writes it: the depth of the last occupied layer
// (empty without layers).
std::string lastLayerDepth(const BoringData& data);

// Heading line 46 as a save writes it: the end depth of the last test, "%.2f"
// of its depth plus its penetration in cm / 100 (the number after "/" in its
// N value, else 30).
std::string lastSptEndDepth(const BoringData& data);

// Sets heading line 45 to lastLayerDepth.
void updateLastLayerDepth(BoringData& data);

// Whether the drilling dates are drawn in the scale column (document option 18
// is "1").
bool drillingDatesShown(const BoringData& data);

// The free-notes frame size in mm as an integer (free-note header cell 2).
int freeNoteFrameSizeOf(const BoringData& data);

// The new-document operation: empties every table and applies the option
// defaults (items 1-13 from their default texts, 22-24 "0", "500", "100").
void clear(BoringData& data);

}  // namespace kolv
