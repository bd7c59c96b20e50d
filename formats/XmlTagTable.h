#pragma once
// The tag table of the exchange-file import: the groups of elements, the
// tags that open and close them, and for every element the heading line or
// the cell of the target row it fills.
#include <string>
#include <vector>

namespace kolv {

// What a group fills, and so how its row is completed at its closing tag.
enum class XmlGroupKind {
    Heading,                // heading lines, stored as the elements arrive
    Layer,                  // LayerRow (four groups, one per DTD generation)
    Colour,                 // the colour of a LayerRow
    PenetrationTest,        // SptRow
    Observation,            // ObservationRow
    ObservationFrameLine,   // the upper depth of an ObservationRow that has none
    Sample,                 // SampleRow
    HorizontalLoadingTest,  // InSituRow
    OtherInSituTest,        // InSituRow
    GeologicAge,            // GeologicAgeRow
    WaterLevel,             // WaterLevelRow
    Drilling,               // DrillingImportRow (two groups)
    NotKept,                // recognised, nothing of it is kept
};

// Cells a group collects before its row is completed (numbered from 1).
inline constexpr int xmlFieldCount = 9;

// Fields of a water level beyond the cells of its row: the kind code, which
// tells a level that was not measured, and the measuring date's year, month
// and day, which files of DTD 1.10 give in elements of their own.
inline constexpr int waterLevelKindField = 4;
inline constexpr int waterLevelYearField = 5;
inline constexpr int waterLevelMonthField = 6;
inline constexpr int waterLevelDayField = 7;

// The unit an element of a penetration test's intervals reveals: up to 3.00
// the intervals are 0-10, 10-20 and 20-30 cm, 4.00 names them 0-100,
// 100-200 and 200-300 and gives every penetration in millimetres.
enum class PenetrationUnit { Unknown, Centimetres, Millimetres };

struct XmlTagEntry {
    std::string element;  // code page 932
    int number = 0;       // heading line or cell; 0: recognised, not stored
    PenetrationUnit penetrationUnit = PenetrationUnit::Unknown;
    int alsoNumber = 0;  // a second field that keeps the value too; 0: none
};

struct XmlGroup {
    XmlGroupKind kind = XmlGroupKind::NotKept;
    std::string openingTag;  // code page 932, searched anywhere in a line
    std::string closingTag;
    std::vector<XmlTagEntry> entries;
};

// The groups in the order their opening tags are tried.
const std::vector<XmlGroup>& xmlTagTable();

}  // namespace kolv
