#include "formats/XmlCoreWriter.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "formats/XmlCodeTables.h"

#include <cmath>
#include <string>
#include <vector>

namespace kolv {

namespace {

// The names of the data as the menus give them, for the issues.
constexpr const char* layerTable = "地質";
constexpr const char* penetrationTable = "Ｎ値";
constexpr const char* observationTable = "記事";
constexpr const char* sampleTable = "試料";
constexpr const char* inSituTable = "原位置試験";
constexpr const char* geologicAgeTable = "地質時代";
constexpr const char* waterLevelTable = "水位";
constexpr const char* drillingTable = "削孔";

// A penetration given as a bare blow count is over the whole interval.
constexpr const char* testPenetrationCentimetres = "30";
constexpr const char* intervalPenetrationCentimetres = "10";
// The exchange files' water level for "no level measured".
constexpr double noWaterLevel = -99.99;

const char* const layer = "工学的地質区分名現場土質名";

std::string layerElement(const char* suffix)
{
    return std::string(layer) + "_" + suffix;
}

bool isColourOnly(const BoringData::LayerTable& layers, int row)
{
    using namespace LayerCell;
    return layers.cell(row, Name).empty() && layers.cell(row, Symbol).empty() && !layers.cell(row, ColourTone).empty();
}

void writeLayer(XmlLineWriter& writer, const std::string& depth, const std::string& name, const std::string& symbol,
                const XmlCellPlace& place)
{
    using namespace LayerCell;
    writer.open(layer);
    writer.element(layerElement("下端深度"), depth, {place.table, place.row, LowerDepth});
    writer.element(layerElement("工学的地質区分名現場土質名"), name, {place.table, place.row, Name});
    writer.element(layerElement("工学的地質区分名現場土質名記号"), symbol, {place.table, place.row, Symbol});
    // The rock-group codes are required; the store has none.
    writer.open(layerElement("岩石群"));
    writer.emptyElement(layerElement("岩石群コード"));
    writer.emptyElement(layerElement("岩石土コード"));
    writer.close(layerElement("岩石群"));
    writer.close(layer);
}

// Layers, then their colours. A row that holds only a depth and a colour, as
// the import makes of a colour at a depth no layer ends at, is written as a
// colour alone. The DTD requires one layer at least.
void writeLayersAndColours(XmlLineWriter& writer, const BoringData& data)
{
    using namespace LayerCell;
    const auto& layers = data.layerRows;
    const int count = occupiedRowCount(layers);
    std::vector<std::string> depths(static_cast<std::size_t>(count) + 1);
    int written = 0;
    for (int row = 1; row <= count; ++row) {
        depths[row] = exportNumber(writer, layers.cell(row, LowerDepth), {layerTable, row, LowerDepth});
        if (isColourOnly(layers, row))
            continue;
        writeLayer(writer, depths[row], layers.cell(row, Name), layers.cell(row, Symbol), {layerTable, row, 0});
        ++written;
    }
    if (written == 0)
        writeLayer(writer, {}, {}, {}, {layerTable, 1, 0});
    for (int row = 1; row <= count; ++row) {
        if (layers.cell(row, ColourTone).empty())
            continue;
        writer.open("色調");
        writer.element("色調_下端深度", depths[row], {layerTable, row, LowerDepth});
        writer.element("色調_色調名", layers.cell(row, ColourTone), {layerTable, row, ColourTone});
        writer.close("色調");
    }
}

// The file writes a line break of a note as backslash and "n".
std::string noteText(std::string_view note)
{
    std::string text = replaceAllText(note, "\r\n", "\n");
    text = replaceAllText(text, "\r", "\n");
    return replaceAllText(text, "\n", "\\n");
}

void writeObservations(XmlLineWriter& writer, const BoringData& data)
{
    using namespace ObservationCell;
    const auto& notes = data.observationRows;
    const int count = occupiedRowCount(notes);
    std::vector<std::string> lowerDepths(static_cast<std::size_t>(count) + 1);
    for (int row = 1; row <= count; ++row) {
        writer.open("観察記事");
        const XmlCellPlace upper{observationTable, row, UpperDepth};
        writer.element("観察記事_上端深度", exportNumber(writer, notes.cell(row, UpperDepth), upper), upper);
        lowerDepths[row] = exportNumber(writer, notes.cell(row, LowerDepth), {observationTable, row, LowerDepth});
        writer.element("観察記事_下端深度", lowerDepths[row], {observationTable, row, LowerDepth});
        writer.element("観察記事_記事", noteText(notes.cell(row, Note)), {observationTable, row, Note});
        writer.close("観察記事");
    }
    // The frame lines between the notes, which the log draws at their lower ends.
    for (int row = 1; row <= count; ++row) {
        if (lowerDepths[row].empty())
            continue;
        writer.open("観察記事枠線");
        writer.element("観察記事枠線_下端深度", lowerDepths[row], {observationTable, row, LowerDepth});
        writer.close("観察記事枠線");
    }
}

// "blows/cm" or a bare blow count over the whole interval, as blows and
// millimetres.
struct BlowsAndPenetration {
    std::string blows;
    std::string millimetres;
};

BlowsAndPenetration blowsAndPenetration(XmlLineWriter& writer, std::string_view text, const char* bareCentimetres,
                                        const XmlCellPlace& place)
{
    if (text.empty())
        return {};
    const std::size_t slash = findText(text, "/");
    const std::string_view blows = slash == textNotFound ? text : text.substr(0, slash);
    const std::string_view centimetres =
        slash == textNotFound ? std::string_view(bareCentimetres) : text.substr(slash + 1);
    BlowsAndPenetration result;
    result.blows = exportNumber(writer, blows, place);
    const std::string number = exportNumber(writer, centimetres, place);
    if (!number.empty())
        result.millimetres = formatText("%ld", std::lround(parseLeadingNumber(number) * 10.0));
    return result;
}

void writePenetrationTests(XmlLineWriter& writer, const BoringData& data)
{
    using namespace SptCell;
    const auto& tests = data.sptRows;
    const char* intervals[] = {"0_100", "100_200", "200_300"};
    const int count = occupiedRowCount(tests);
    for (int row = 1; row <= count; ++row) {
        writer.open("標準貫入試験");
        writer.element("標準貫入試験_開始深度",
                       exportNumber(writer, tests.cell(row, Depth), {penetrationTable, row, Depth}),
                       {penetrationTable, row, Depth});
        for (int interval = 0; interval < 3; ++interval) {
            const XmlCellPlace place{penetrationTable, row, First10cm + interval};
            const std::string& cell = tests.cell(row, First10cm + interval);
            if (cell.empty())
                continue;
            const BlowsAndPenetration values = blowsAndPenetration(writer, cell, intervalPenetrationCentimetres, place);
            const std::string prefix = std::string("標準貫入試験_") + intervals[interval];
            writer.element(prefix + "打撃回数", values.blows, place);
            writer.element(prefix + "貫入量", values.millimetres, place);
        }
        const XmlCellPlace totalPlace{penetrationTable, row, NValue};
        const BlowsAndPenetration total =
            blowsAndPenetration(writer, tests.cell(row, NValue), testPenetrationCentimetres, totalPlace);
        writer.element("標準貫入試験_合計打撃回数", total.blows, totalPlace);
        writer.element("標準貫入試験_合計貫入量", total.millimetres, totalPlace);
        writer.close("標準貫入試験");
    }
}

// Loading tests first and every other test after them, as the DTD orders
// the two groups.
void writeInSituTests(XmlLineWriter& writer, const BoringData& data)
{
    using namespace InSituCell;
    const auto& tests = data.inSituRows;
    const int count = occupiedRowCount(tests);
    for (int row = 1; row <= count; ++row) {
        if (tests.cell(row, Name) != loadingTestName())
            continue;
        writer.open("孔内載荷試験");
        writer.element("孔内載荷試験_試験深度", exportNumber(writer, tests.cell(row, Depth), {inSituTable, row, Depth}),
                       {inSituTable, row, Depth});
        writer.emptyElement("孔内載荷試験_試験方法コード");
        writer.emptyElement("孔内載荷試験_初期圧");
        writer.emptyElement("孔内載荷試験_降伏圧");
        writer.element("孔内載荷試験_変形係数", tests.cell(row, Result), {inSituTable, row, Result});
        writer.close("孔内載荷試験");
    }
    for (int row = 1; row <= count; ++row) {
        if (tests.cell(row, Name) == loadingTestName())
            continue;
        writer.open("その他原位置試験");
        writer.element("その他原位置試験_試験名", tests.cell(row, Name), {inSituTable, row, Name});
        // The store keeps one depth per test.
        const std::string depth = exportNumber(writer, tests.cell(row, Depth), {inSituTable, row, Depth});
        writer.element("その他原位置試験_上端深度", depth, {inSituTable, row, Depth});
        writer.element("その他原位置試験_下端深度", depth, {inSituTable, row, Depth});
        writer.element("その他原位置試験_試験結果", tests.cell(row, Result), {inSituTable, row, Result});
        writer.close("その他原位置試験");
    }
}

// A method that is none of the coded letters is written as a method
// described in words.
void writeSamples(XmlLineWriter& writer, const BoringData& data)
{
    using namespace SampleCell;
    const auto& samples = data.sampleRows;
    const int count = occupiedRowCount(samples);
    for (int row = 1; row <= count; ++row) {
        writer.open("試料採取");
        writer.element("試料採取_上端深度",
                       exportNumber(writer, samples.cell(row, UpperDepth), {sampleTable, row, UpperDepth}),
                       {sampleTable, row, UpperDepth});
        writer.element("試料採取_下端深度",
                       exportNumber(writer, samples.cell(row, LowerDepth), {sampleTable, row, LowerDepth}),
                       {sampleTable, row, LowerDepth});
        writer.element("試料採取_試料番号", samples.cell(row, Number), {sampleTable, row, Number});
        const std::string& method = samples.cell(row, Method);
        const std::string code = samplingMethodCode(method);
        const bool described = code.empty() && !method.empty();
        writer.element("試料採取_採取方法コード", described ? samplingMethodCode("A") : code,
                       {sampleTable, row, Method});
        if (described)
            writer.element("試料採取_採取方法", method, {sampleTable, row, Method});
        if (!samples.cell(row, LaboratoryTests).empty())
            writer.element("試料採取_試験名", samples.cell(row, LaboratoryTests), {sampleTable, row, LaboratoryTests});
        writer.close("試料採取");
    }
}

void writeGeologicAges(XmlLineWriter& writer, const BoringData& data)
{
    using namespace GeologicAgeCell;
    const auto& ages = data.geologicAgeRows;
    const int count = occupiedRowCount(ages);
    for (int row = 1; row <= count; ++row) {
        writer.open("地質時代");
        const XmlCellPlace upper{geologicAgeTable, row, UpperDepth};
        const XmlCellPlace lower{geologicAgeTable, row, LowerDepth};
        writer.element("地質時代_上端深度", exportNumber(writer, ages.cell(row, UpperDepth), upper), upper);
        writer.element("地質時代_下端深度", exportNumber(writer, ages.cell(row, LowerDepth), lower), lower);
        writer.element("地質時代_地質時代名", ages.cell(row, Name), {geologicAgeTable, row, Name});
        writer.close("地質時代");
    }
}

// The store keeps levels below ground as negative numbers, the file the
// depth of the water below ground.
std::string waterDepth(XmlLineWriter& writer, std::string_view level, const XmlCellPlace& place)
{
    const std::string number = exportNumber(writer, level, place);
    if (number.empty())
        return {};
    const double depth = 0.0 - parseLeadingNumber(number);
    if (std::fabs(depth - noWaterLevel) < 0.005)
        writer.report(place, level, "交換用データの水位-99.99は「水位なし」の意味で読まれます.");
    return formatDepth(depth == 0.0 ? 0.0 : depth);
}

void writeWaterLevels(XmlLineWriter& writer, const BoringData& data, const SurveyYears& years)
{
    using namespace WaterLevelCell;
    const auto& levels = data.waterLevelRows;
    const int count = occupiedRowCount(levels);
    for (int row = 1; row <= count; ++row) {
        writer.open("孔内水位");
        writer.element("孔内水位_測定年月日",
                       exportMeasuringDate(writer, levels.cell(row, Date), years, {waterLevelTable, row, Date}),
                       {waterLevelTable, row, Date});
        writer.emptyElement("孔内水位_削孔状況コード");
        writer.element("孔内水位_孔内水位", waterDepth(writer, levels.cell(row, Level), {waterLevelTable, row, Level}),
                       {waterLevelTable, row, Level});
        writer.element("孔内水位_水位種別備考", levels.cell(row, Remark), {waterLevelTable, row, Remark});
        writer.close("孔内水位");
    }
}

void writeDrilling(XmlLineWriter& writer, const BoringData& data, const SurveyYears& years)
{
    using namespace DrillingCell;
    const auto& progress = data.drillingRows;
    const int count = occupiedRowCount(progress);
    for (int row = 1; row <= count; ++row) {
        writer.open("削孔工程");
        writer.element("削孔工程_測定年月日",
                       exportMeasuringDate(writer, progress.cell(row, Date), years, {drillingTable, row, Date}),
                       {drillingTable, row, Date});
        writer.element("削孔工程_削孔深度",
                       exportNumber(writer, progress.cell(row, Depth), {drillingTable, row, Depth}),
                       {drillingTable, row, Depth});
        writer.close("削孔工程");
    }
}

}  // namespace

void writeCoreInformation(XmlLineWriter& writer, const BoringData& data, const SurveyYears& years)
{
    writer.open("コア情報");
    writeLayersAndColours(writer, data);
    writeObservations(writer, data);
    writePenetrationTests(writer, data);
    writeInSituTests(writer, data);
    writeSamples(writer, data);
    writeGeologicAges(writer, data);
    writeWaterLevels(writer, data, years);
    writeDrilling(writer, data, years);
    writer.close("コア情報");
}

}  // namespace kolv
