#pragma once
// Reader of the public-works exchange files ("ボーリング情報" DTD 1.10 to
// 4.00), one element per line, called by the line dispatcher for the format
// codes 110 to 209.
#include "data/BoringData.h"
#include "formats/FormatDetection.h"
#include "formats/RowsPastCapacity.h"
#include "formats/XmlTagTable.h"
#include "settings/SoilNameMaster.h"

#include <array>
#include <string>
#include <string_view>

namespace kolv {

// What the exchange-file reader keeps between the lines of one file.
struct XmlReaderState {
    FormatCode formatCode = FormatCode::Unknown;
    // The soil-name master whose bitmap set gives imported layers their
    // pattern codes; set by the line dispatcher.
    const SoilNameMaster* soilNameMaster = nullptr;

    // The group whose elements the lines give (none outside every group),
    // and what it has collected so far, by field number.
    const XmlGroup* currentGroup = nullptr;
    std::array<std::string, xmlFieldCount + 1> fields;
    int storedElementCount = 0;
    // The element whose value runs on past the end of its line, so that the
    // lines up to the next tag add to it: its heading line or its field and
    // second field (0: none).
    int runOnHeadingLine = 0;
    int runOnField = 0;
    int runOnSecondField = 0;
    PenetrationUnit penetrationUnit = PenetrationUnit::Unknown;

    // Rows written so far. Groups that fill the same table share a counter,
    // so that none overwrites the rows of another; layers are appended after
    // the last occupied row, since colours may add layers of their own.
    int sptRows = 0;
    int observationRows = 0;
    int observationFrameLines = 0;
    int sampleRows = 0;
    int inSituRows = 0;
    int geologicAgeRows = 0;
    int waterLevelRows = 0;
    int drillingImportRows = 0;

    // The measuring date (year * 10000 + month * 100 + day, 0 when the file
    // gives none) of the water level the title block shows, -1 before any
    // level was measured.
    long headingWaterLevelDate = -1;

    RowsPastCapacity rowsPastCapacity;
};

void readXmlLine(BoringData& data, XmlReaderState& state, std::string_view line);

}  // namespace kolv
