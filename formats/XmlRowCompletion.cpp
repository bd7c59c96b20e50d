#include "formats/XmlRowCompletion.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "formats/FormatDetection.h"
#include "formats/SoilPatternLookup.h"
#include "formats/XmlCodeTables.h"
#include "platform/Cp932Codec.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace kolv {

namespace {

// Display-flag word of an imported layer, and the bit that marks a colour
// taken from the file.
constexpr const char* importedLayerFlags = "471";
constexpr long importedColourBit = 0x20;
// Show level and date, remark at the standard position.
constexpr const char* importedWaterLevelDisplay = "7";
// Rows converted from other formats carry this in-situ flag word.
constexpr const char* convertedInSituFlags = "7";
constexpr double colourDepthTolerance = 0.001;
// The level an exchange file writes when no level was measured.
constexpr double unmeasuredWaterLevel = -99.99;
constexpr double unmeasuredWaterLevelTolerance = 0.000001;
// The kind code of a level that was not measured ("水位無し").
constexpr long unmeasuredWaterLevelKind = 91;

bool isNumber(std::string_view text)
{
    return isNumericText(text) > 0;
}

// Whether the table has room for one more row after rowsWritten; a row
// that finds it full is counted as dropped.
bool hasRoom(XmlReaderState& state, int rowsWritten, TableKind kind)
{
    if (rowsWritten < tableDescriptor(kind).capacity)
        return true;
    state.rowsPastCapacity.add(kind);
    return false;
}

std::string patternCode(std::string_view name, const XmlReaderState& state)
{
    static const SoilNameMaster noMaster;
    const SoilNameMaster& master = state.soilNameMaster ? *state.soilNameMaster : noMaster;
    const SoilPattern pattern = lookupSoilPattern(name, {}, master, bitmapPatternSet);
    return formatText("%ld.%d", pattern.major, pattern.minor);
}

void completeLayer(BoringData& data, XmlReaderState& state)
{
    const auto& fields = state.fields;
    const int row = occupiedRowCount(data.layerRows) + 1;
    if (!isNumber(fields[1]) || !hasRoom(state, row - 1, TableKind::Layer))
        return;
    auto& layers = data.layerRows;
    layers.setCell(row, LayerCell::LowerDepth, fields[1]);
    layers.setCell(row, LayerCell::Name, fields[2]);
    layers.setCell(row, LayerCell::AuxiliaryName, fields[3]);
    layers.setCell(row, LayerCell::Symbol, fields[8]);
    layers.setCell(row, LayerCell::DisplayFlags, importedLayerFlags);
    layers.setCell(row, LayerCell::Separator, utf8ToCp932("・"));
    layers.setCell(row, LayerCell::PatternCode, patternCode(fields[2], state));
    if (!fields[3].empty())
        layers.setCell(row, LayerCell::AuxiliaryPatternCode, patternCode(fields[3], state));
}

// A colour goes to the layer that ends at its depth; a depth no layer ends
// at becomes a layer of its own after the last one.
void completeColour(BoringData& data, const XmlReaderState& state)
{
    const std::string& depthText = state.fields[1];
    if (!isNumber(depthText))
        return;
    const double depth = parseLeadingNumber(depthText);
    auto& layers = data.layerRows;
    for (int row = 1; row <= BoringData::LayerTable::capacity; ++row) {
        if (!isNumber(layers.cell(row, LayerCell::LowerDepth)))
            layers.setCell(row, LayerCell::LowerDepth, depthText);
        else if (std::fabs(parseLeadingNumber(layers.cell(row, LayerCell::LowerDepth)) - depth) >= colourDepthTolerance)
            continue;
        layers.setCell(row, LayerCell::ColourTone, state.fields[2]);
        const long flags = parseLeadingInteger(layers.cell(row, LayerCell::DisplayFlags)) | importedColourBit;
        layers.setCell(row, LayerCell::DisplayFlags, formatText("%ld", flags));
        return;
    }
}

std::string centimetresFromMillimetres(const std::string& millimetres)
{
    if (!isNumber(millimetres))
        return millimetres;
    return formatText("%ld", parseLeadingInteger(millimetres) / 10);
}

std::string blowsOverPenetration(const std::string& blows, const std::string& penetration)
{
    return blows + "/" + penetration;
}

// Fields: 1 start depth, 2-7 blows and penetration of the three intervals,
// 8 total blows, 9 total penetration.
void completePenetrationTest(BoringData& data, XmlReaderState& state)
{
    auto fields = state.fields;
    if (!isNumber(fields[1]) || !hasRoom(state, state.sptRows, TableKind::Spt))
        return;
    // A test without interval elements has the unit of its DTD version.
    const bool millimetres = state.penetrationUnit == PenetrationUnit::Millimetres
        || (state.penetrationUnit == PenetrationUnit::Unknown && state.formatCode == FormatCode::Xml204);
    if (millimetres) {
        for (int field : {3, 5, 7, 9})
            fields[field] = centimetresFromMillimetres(fields[field]);
    }
    const int row = ++state.sptRows;
    auto& tests = data.sptRows;
    tests.setCell(row, SptCell::Depth, fields[1]);
    tests.setCell(row, SptCell::NValue, blowsOverPenetration(fields[8], fields[9]));
    for (int interval = 0; interval < 3; ++interval) {
        const std::string& blows = fields[2 + 2 * interval];
        const std::string& penetration = fields[3 + 2 * interval];
        if (!blows.empty() || !penetration.empty())
            tests.setCell(row, SptCell::First10cm + interval, blowsOverPenetration(blows, penetration));
    }
    tests.setCell(row, SptCell::GraphBreak, "0");
}

void completeObservation(BoringData& data, XmlReaderState& state)
{
    const auto& fields = state.fields;
    if ((!isNumber(fields[1]) && !isNumber(fields[2]))
        || !hasRoom(state, state.observationRows, TableKind::Observation))
        return;
    const int row = ++state.observationRows;
    auto& notes = data.observationRows;
    notes.setCell(row, ObservationCell::UpperDepth, fields[1]);
    notes.setCell(row, ObservationCell::LowerDepth, fields[2]);
    // The exchange file writes a line break of a note as backslash and "n".
    notes.setCell(row, ObservationCell::Note, replaceAllText(fields[4], "\\n", "\r\n"));
}

// A frame line only gives its depth to the note of the same number when that
// note exists and has no upper depth of its own.
void completeObservationFrameLine(BoringData& data, XmlReaderState& state)
{
    if (!isNumber(state.fields[1]) || state.observationFrameLines >= BoringData::ObservationTable::capacity)
        return;
    const int row = ++state.observationFrameLines;
    auto& notes = data.observationRows;
    const bool noteExists =
        isNumber(notes.cell(row, ObservationCell::LowerDepth)) || !notes.cell(row, ObservationCell::Note).empty();
    if (noteExists && !isNumber(notes.cell(row, ObservationCell::UpperDepth)))
        notes.setCell(row, ObservationCell::UpperDepth, state.fields[1]);
}

void completeSample(BoringData& data, XmlReaderState& state)
{
    const auto& fields = state.fields;
    if (!isNumber(fields[1]) || !hasRoom(state, state.sampleRows, TableKind::Sample))
        return;
    const int row = ++state.sampleRows;
    auto& samples = data.sampleRows;
    samples.setCell(row, SampleCell::UpperDepth, fields[1]);
    samples.setCell(row, SampleCell::LowerDepth, fields[2]);
    samples.setCell(row, SampleCell::Number, fields[3]);
    samples.setCell(row, SampleCell::Method, samplingMethodLetter(fields[4]));
    samples.setCell(row, SampleCell::LaboratoryTests, fields[sampleTestNamesField]);
    samples.setCell(row, SampleCell::Disturbed, "");
}

// Name and result in their imported cells until the post-processing moves
// them where the in-situ dialog keeps them.
void completeInSituTest(BoringData& data, XmlReaderState& state, bool horizontalLoading)
{
    const auto& fields = state.fields;
    if (!isNumber(fields[1]) || !hasRoom(state, state.inSituRows, TableKind::InSitu))
        return;
    const int row = ++state.inSituRows;
    auto& tests = data.inSituRows;
    tests.setCell(row, ImportedInSituCell::UpperDepth, fields[1]);
    tests.setCell(row, ImportedInSituCell::LowerDepth, horizontalLoading ? fields[1] : fields[2]);
    tests.setCell(row, ImportedInSituCell::Name, horizontalLoading ? loadingTestName() : fields[3]);
    tests.setCell(row, ImportedInSituCell::Result, fields[4]);
    for (int cell : {InSituCell::Symbol, InSituCell::NotePosition, InSituCell::DepthCopy})
        tests.setCell(row, cell, "");
    tests.setCell(row, ImportedInSituCell::ConvertedFlags, convertedInSituFlags);
}

void completeGeologicAge(BoringData& data, XmlReaderState& state)
{
    const auto& fields = state.fields;
    if (!isNumber(fields[1]) || !hasRoom(state, state.geologicAgeRows, TableKind::GeologicAge))
        return;
    const int row = ++state.geologicAgeRows;
    for (int cell = 1; cell <= BoringData::GeologicAgeTable::cellCount; ++cell)
        data.geologicAgeRows.setCell(row, cell, fields[cell]);
}

// Files write -99.99, or the kind code 91, for a level that was not measured.
bool isMeasuredWaterLevel(const XmlReaderState& state)
{
    const auto& fields = state.fields;
    if (!isNumber(fields[1]))
        return false;
    if (std::fabs(parseLeadingNumber(fields[1]) - unmeasuredWaterLevel) < unmeasuredWaterLevelTolerance)
        return false;
    const std::string& kind = fields[waterLevelKindField];
    return !(isNumber(kind) && parseLeadingInteger(kind) == unmeasuredWaterLevelKind);
}

// The measuring date as one number that orders dates, year * 10000 + month *
// 100 + day; 0 when the file gives no date it can be read from. The digits
// need no leading zeros ("1996-1-10").
long measuringDateOrder(const XmlReaderState& state)
{
    const auto& fields = state.fields;
    long parts[3] = {0, 0, 0};
    if (!fields[2].empty()) {
        std::string_view date = fields[2];
        for (long& part : parts) {
            date = skipLeadingBlanks(date);
            if (date.empty() || !std::isdigit(static_cast<unsigned char>(date.front())))
                return 0;
            part = parseLeadingInteger(date);
            while (!date.empty() && std::isdigit(static_cast<unsigned char>(date.front())))
                date.remove_prefix(1);
            if (!date.empty())
                date.remove_prefix(1);
        }
    } else {
        const int partFields[3] = {waterLevelYearField, waterLevelMonthField, waterLevelDayField};
        for (int part = 0; part < 3; ++part) {
            if (!isNumber(fields[partFields[part]]))
                return 0;
            parts[part] = parseLeadingInteger(fields[partFields[part]]);
        }
    }
    if (parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > 31 || parts[0] < 0 || parts[0] > 9999)
        return 0;
    return parts[0] * 10000 + parts[1] * 100 + parts[2];
}

// The file gives the depth of the water below ground; the store keeps levels
// below ground as negative numbers. A level that is no number makes no row
// (its negation would read as a level of 0), nor does a level that was not
// measured.
//
// The title block shows the last measurement in time, as the water-level
// dialog would write it when that row is picked: a borehole's level settles
// once drilling stops, so the latest reading is the one closest to the
// ground water. Readings of one day count in file order, the order they were
// taken in; a reading without a date counts before every dated one.
void completeWaterLevel(BoringData& data, XmlReaderState& state)
{
    if (!isMeasuredWaterLevel(state))
        return;
    const auto& fields = state.fields;
    const std::string level = formatSignedDepth(0.0 - parseLeadingNumber(fields[1]));
    const std::string date = shortenMeasuringDate(fields[2]);
    const long dateOrder = measuringDateOrder(state);
    if (dateOrder >= state.headingWaterLevelDate) {
        state.headingWaterLevelDate = dateOrder;
        data.setHeadingLine(HeadingLine::WaterLevel, level);
        data.setHeadingLine(HeadingLine::WaterLevelDate, date);
    }
    if (!hasRoom(state, state.waterLevelRows, TableKind::WaterLevel))
        return;
    const int row = ++state.waterLevelRows;
    auto& levels = data.waterLevelRows;
    levels.setCell(row, WaterLevelCell::Level, level);
    levels.setCell(row, WaterLevelCell::Date, date);
    levels.setCell(row, WaterLevelCell::Remark, fields[3]);
    levels.setCell(row, WaterLevelCell::Display, importedWaterLevelDisplay);
}

void completeDrilling(BoringData& data, XmlReaderState& state)
{
    const auto& fields = state.fields;
    if (state.storedElementCount < 2 || !isNumber(fields[1])
        || !hasRoom(state, state.drillingImportRows, TableKind::DrillingImport))
        return;
    const int row = ++state.drillingImportRows;
    auto& progress = data.drillingImportRows;
    progress.setCell(row, DrillingImportCell::Depth, fields[1]);
    progress.setCell(row, DrillingImportCell::Date, shortenMeasuringDate(fields[2]));
    progress.setCell(row, DrillingImportCell::ExchangeFileMark, "1");
}

}  // namespace

std::string shortenMeasuringDate(std::string_view date)
{
    constexpr std::size_t yearLength = 5;  // "2004-"
    if (parseLeadingInteger(date) >= 1900 || startsWithText(date, "0000-"))
        date.remove_prefix(std::min(yearLength, date.size()));
    return replaceAllText(date, "-", "/");
}

void completeXmlRow(BoringData& data, XmlReaderState& state)
{
    if (!state.currentGroup)
        return;
    switch (state.currentGroup->kind) {
    case XmlGroupKind::Layer:
        completeLayer(data, state);
        break;
    case XmlGroupKind::Colour:
        completeColour(data, state);
        break;
    case XmlGroupKind::PenetrationTest:
        completePenetrationTest(data, state);
        break;
    case XmlGroupKind::Observation:
        completeObservation(data, state);
        break;
    case XmlGroupKind::ObservationFrameLine:
        completeObservationFrameLine(data, state);
        break;
    case XmlGroupKind::Sample:
        completeSample(data, state);
        break;
    case XmlGroupKind::HorizontalLoadingTest:
        completeInSituTest(data, state, true);
        break;
    case XmlGroupKind::OtherInSituTest:
        completeInSituTest(data, state, false);
        break;
    case XmlGroupKind::GeologicAge:
        completeGeologicAge(data, state);
        break;
    case XmlGroupKind::WaterLevel:
        completeWaterLevel(data, state);
        break;
    case XmlGroupKind::Drilling:
        completeDrilling(data, state);
        break;
    case XmlGroupKind::Heading:
    case XmlGroupKind::NotKept:
        break;
    }
}

}  // namespace kolv
