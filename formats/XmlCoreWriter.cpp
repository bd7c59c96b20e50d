#include "formats/XmlCoreWriter.h"

#include "data/Cp932Text.h"
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
    return layers.cell(row, 2).empty() && layers.cell(row, 8).empty() && !layers.cell(row, 4).empty();
}

void writeLayer(XmlLineWriter& writer, const std::string& depth, const std::string& name, const std::string& symbol,
                const XmlCellPlace& place)
{
    writer.open(layer);
    writer.element(layerElement("下端深度"), depth, {place.table, place.row, 1});
    writer.element(layerElement("工学的地質区分名現場土質名"), name, {place.table, place.row, 2});
    writer.element(layerElement("工学的地質区分名現場土質名記号"), symbol, {place.table, place.row, 8});
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
    const auto& layers = data.layerRows;
    const int count = occupiedRowCount(layers);
    std::vector<std::string> depths(static_cast<std::size_t>(count) + 1);
    int written = 0;
    for (int row = 1; row <= count; ++row) {
        depths[row] = exportNumber(writer, layers.cell(row, 1), {layerTable, row, 1});
        if (isColourOnly(layers, row))
            continue;
        writeLayer(writer, depths[row], layers.cell(row, 2), layers.cell(row, 8), {layerTable, row, 0});
        ++written;
    }
    if (written == 0)
        writeLayer(writer, {}, {}, {}, {layerTable, 1, 0});
    for (int row = 1; row <= count; ++row) {
        if (layers.cell(row, 4).empty())
            continue;
        writer.open("色調");
        writer.element("色調_下端深度", depths[row], {layerTable, row, 1});
        writer.element("色調_色調名", layers.cell(row, 4), {layerTable, row, 4});
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
    const auto& notes = data.observationRows;
    const int count = occupiedRowCount(notes);
    std::vector<std::string> lowerDepths(static_cast<std::size_t>(count) + 1);
    for (int row = 1; row <= count; ++row) {
        writer.open("観察記事");
        writer.element("観察記事_上端深度", exportNumber(writer, notes.cell(row, 1), {observationTable, row, 1}),
                       {observationTable, row, 1});
        lowerDepths[row] = exportNumber(writer, notes.cell(row, 2), {observationTable, row, 2});
        writer.element("観察記事_下端深度", lowerDepths[row], {observationTable, row, 2});
        writer.element("観察記事_記事", noteText(notes.cell(row, 4)), {observationTable, row, 4});
        writer.close("観察記事");
    }
    // The frame lines between the notes, which the log draws at their lower ends.
    for (int row = 1; row <= count; ++row) {
        if (lowerDepths[row].empty())
            continue;
        writer.open("観察記事枠線");
        writer.element("観察記事枠線_下端深度", lowerDepths[row], {observationTable, row, 2});
        writer.close("観察記事枠線");
    }
}

// "blows/cm" or a bare blow count over the whole interval, as blows and
// millimetres.
struct BlowsAndPenetration {
    std::string blows;
    std::string millimetres;
};

BlowsAndPenetration blowsAndPenetration(XmlLineWriter& writer, std::string_view text,
                                        const char* bareCentimetres, const XmlCellPlace& place)
{
    if (text.empty())
        return {};
    const std::size_t slash = findText(text, "/");
    const std::string_view blows = slash == textNotFound ? text : text.substr(0, slash);
    const std::string_view centimetres = slash == textNotFound ? std::string_view(bareCentimetres) : text.substr(slash + 1);
    BlowsAndPenetration result;
    result.blows = exportNumber(writer, blows, place);
    const std::string number = exportNumber(writer, centimetres, place);
    if (!number.empty())
        result.millimetres = formatText("%ld", std::lround(parseLeadingNumber(number) * 10.0));
    return result;
}

void writePenetrationTests(XmlLineWriter& writer, const BoringData& data)
{
    const auto& tests = data.sptRows;
    const char* intervals[] = {"0_100", "100_200", "200_300"};
    const int count = occupiedRowCount(tests);
    for (int row = 1; row <= count; ++row) {
        writer.open("標準貫入試験");
        writer.element("標準貫入試験_開始深度", exportNumber(writer, tests.cell(row, 1), {penetrationTable, row, 1}),
                       {penetrationTable, row, 1});
        for (int interval = 0; interval < 3; ++interval) {
            const XmlCellPlace place{penetrationTable, row, 3 + interval};
            const std::string& cell = tests.cell(row, 3 + interval);
            if (cell.empty())
                continue;
            const BlowsAndPenetration values = blowsAndPenetration(writer, cell, intervalPenetrationCentimetres, place);
            const std::string prefix = std::string("標準貫入試験_") + intervals[interval];
            writer.element(prefix + "打撃回数", values.blows, place);
            writer.element(prefix + "貫入量", values.millimetres, place);
        }
        const XmlCellPlace totalPlace{penetrationTable, row, 2};
        const BlowsAndPenetration total
            = blowsAndPenetration(writer, tests.cell(row, 2), testPenetrationCentimetres, totalPlace);
        writer.element("標準貫入試験_合計打撃回数", total.blows, totalPlace);
        writer.element("標準貫入試験_合計貫入量", total.millimetres, totalPlace);
        writer.close("標準貫入試験");
    }
}

// Loading tests first and every other test after them, as the DTD orders
// the two groups.
void writeInSituTests(XmlLineWriter& writer, const BoringData& data)
{
    const auto& tests = data.inSituRows;
    const int count = occupiedRowCount(tests);
    for (int row = 1; row <= count; ++row) {
        if (tests.cell(row, 2) != loadingTestName())
            continue;
        writer.open("孔内載荷試験");
        writer.element("孔内載荷試験_試験深度", exportNumber(writer, tests.cell(row, 1), {inSituTable, row, 1}),
                       {inSituTable, row, 1});
        writer.emptyElement("孔内載荷試験_試験方法コード");
        writer.emptyElement("孔内載荷試験_初期圧");
        writer.emptyElement("孔内載荷試験_降伏圧");
        writer.element("孔内載荷試験_変形係数", tests.cell(row, 3), {inSituTable, row, 3});
        writer.close("孔内載荷試験");
    }
    for (int row = 1; row <= count; ++row) {
        if (tests.cell(row, 2) == loadingTestName())
            continue;
        writer.open("その他原位置試験");
        writer.element("その他原位置試験_試験名", tests.cell(row, 2), {inSituTable, row, 2});
        // The store keeps one depth per test.
        const std::string depth = exportNumber(writer, tests.cell(row, 1), {inSituTable, row, 1});
        writer.element("その他原位置試験_上端深度", depth, {inSituTable, row, 1});
        writer.element("その他原位置試験_下端深度", depth, {inSituTable, row, 1});
        writer.element("その他原位置試験_試験結果", tests.cell(row, 3), {inSituTable, row, 3});
        writer.close("その他原位置試験");
    }
}

// A method that is none of the coded letters is written as a method
// described in words.
void writeSamples(XmlLineWriter& writer, const BoringData& data)
{
    const auto& samples = data.sampleRows;
    const int count = occupiedRowCount(samples);
    for (int row = 1; row <= count; ++row) {
        writer.open("試料採取");
        writer.element("試料採取_上端深度", exportNumber(writer, samples.cell(row, 1), {sampleTable, row, 1}),
                       {sampleTable, row, 1});
        writer.element("試料採取_下端深度", exportNumber(writer, samples.cell(row, 2), {sampleTable, row, 2}),
                       {sampleTable, row, 2});
        writer.element("試料採取_試料番号", samples.cell(row, 3), {sampleTable, row, 3});
        const std::string& method = samples.cell(row, 4);
        const std::string code = samplingMethodCode(method);
        const bool described = code.empty() && !method.empty();
        writer.element("試料採取_採取方法コード", described ? samplingMethodCode("A") : code, {sampleTable, row, 4});
        if (described)
            writer.element("試料採取_採取方法", method, {sampleTable, row, 4});
        if (!samples.cell(row, 5).empty())
            writer.element("試料採取_試験名", samples.cell(row, 5), {sampleTable, row, 5});
        writer.close("試料採取");
    }
}

void writeGeologicAges(XmlLineWriter& writer, const BoringData& data)
{
    const auto& ages = data.geologicAgeRows;
    const int count = occupiedRowCount(ages);
    for (int row = 1; row <= count; ++row) {
        writer.open("地質時代");
        writer.element("地質時代_上端深度", exportNumber(writer, ages.cell(row, 1), {geologicAgeTable, row, 1}),
                       {geologicAgeTable, row, 1});
        writer.element("地質時代_下端深度", exportNumber(writer, ages.cell(row, 2), {geologicAgeTable, row, 2}),
                       {geologicAgeTable, row, 2});
        writer.element("地質時代_地質時代名", ages.cell(row, 3), {geologicAgeTable, row, 3});
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
    const auto& levels = data.waterLevelRows;
    const int count = occupiedRowCount(levels);
    for (int row = 1; row <= count; ++row) {
        writer.open("孔内水位");
        writer.element("孔内水位_測定年月日",
                       exportMeasuringDate(writer, levels.cell(row, 2), years, {waterLevelTable, row, 2}),
                       {waterLevelTable, row, 2});
        writer.emptyElement("孔内水位_削孔状況コード");
        writer.element("孔内水位_孔内水位", waterDepth(writer, levels.cell(row, 1), {waterLevelTable, row, 1}),
                       {waterLevelTable, row, 1});
        writer.element("孔内水位_水位種別備考", levels.cell(row, 3), {waterLevelTable, row, 3});
        writer.close("孔内水位");
    }
}

void writeDrilling(XmlLineWriter& writer, const BoringData& data, const SurveyYears& years)
{
    const auto& progress = data.drillingRows;
    const int count = occupiedRowCount(progress);
    for (int row = 1; row <= count; ++row) {
        writer.open("削孔工程");
        writer.element("削孔工程_測定年月日",
                       exportMeasuringDate(writer, progress.cell(row, 2), years, {drillingTable, row, 2}),
                       {drillingTable, row, 2});
        writer.element("削孔工程_削孔深度", exportNumber(writer, progress.cell(row, 1), {drillingTable, row, 1}),
                       {drillingTable, row, 1});
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
