// A borehole with every table filled to its capacity: it saves, reads back
// and saves to the same bytes, and every page of it is drawn.
#include "data/Number.h"
#include "formats/FormatDetection.h"
#include "formats/LineDispatch.h"
#include "formats/NativeWriter.h"
#include "platform/FileIo.h"
#include "render/LogMapping.h"
#include "render/LogPage.h"
#include "render/RecordingDevice.h"
#include "support/TestSupport.h"
#include "TextColumnFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kolv;
using kolv::test::sjis;

namespace {

std::string depth(double metres)
{
    return formatText("%.2f", metres);
}

// Every row of every table in use; depths run down 300 m so that the rows of
// each table spread over every page.
BoringData boreholeAtCapacity()
{
    BoringData data;
    clear(data);
    const char* soils[] = {"粘土", "シルト質砂", "砂礫", "貝殻混じり細砂", "有機質土", "砂岩"};
    data.setHeadingLine(1, sjis("容量試験　港湾施設地盤調査"));
    data.setHeadingLine(13, "2.35");
    data.setHeadingLine(36, "1");
    // The footer reads "(page)".
    data.setHeadingLine(61, "(");
    data.setHeadingLine(62, "1");
    data.setHeadingLine(63, ")");
    data.setHeadingLine(64, "1");
    for (int row = 1; row <= BoringData::LayerTable::capacity; ++row)
        data.layerRows.row(row) = {depth(1.5 * row),
                                   sjis(soils[row % 6]),
                                   "",
                                   sjis("暗灰"),
                                   "10100.0",
                                   "",
                                   "247",
                                   "G",
                                   "",
                                   "",
                                   "",
                                   "",
                                   "",
                                   ""};
    for (int row = 1; row <= BoringData::SptTable::capacity; ++row)
        data.sptRows.row(row) = {
            depth(row - 0.85),        row % 7 == 0 ? "50/12" : std::to_string(row % 40), "3", "4", "5",
            row % 37 == 0 ? "1" : "0"};
    for (int row = 1; row <= BoringData::ObservationTable::capacity; ++row)
        data.observationRows.row(row) = {depth(1.5 * (row - 1)), depth(1.5 * row), "",
                                         sjis("貝殻片を混入する\r\n下部ほど締まる\r\n"), row % 2 ? "1" : "0"};
    for (int row = 1; row <= BoringData::InSituTable::capacity; ++row)
        data.inSituRows.row(row) = {
            depth(3.0 * row), sjis("孔内水平載荷試験"), "E=2.4MN/m2", "7", "", "1", depth(3.0 * row), ""};
    for (int row = 1; row <= BoringData::SampleTable::capacity; ++row)
        data.sampleRows.row(row) = {
            depth(1.5 * row - 1.0), depth(1.5 * row - 0.2), "T-" + std::to_string(row), "T", sjis("物理,力学"), "0"};
    for (int row = 1; row <= BoringData::GeologicAgeTable::capacity; ++row)
        data.geologicAgeRows.row(row) = {depth(10.0 * (row - 1)), depth(10.0 * row), sjis("沖積層")};
    for (int row = 1; row <= BoringData::WaterLevelTable::capacity; ++row)
        data.waterLevelRows.row(row) = {formatText("%+.2f", -0.1 * row), "05/12", "", "3"};
    for (int row = 1; row <= BoringData::DrillingTable::capacity; ++row)
        data.drillingRows.row(row) = {depth(6.0 * row), formatText("05/%02d", row % 28 + 1)};
    for (int row = 1; row <= BoringData::RecoveryTable::capacity; ++row)
        data.recoveryRows.row(row) = {depth(1.5 * row - 1.0), depth(1.5 * row), "92", "45.2", "", "", ""};
    data.freeNoteHeader = {"", "120", "", "", ""};
    for (int row = 1; row <= BoringData::FreeNoteTable::capacity; ++row)
        data.freeNoteRows.row(row) = {std::to_string(row % 12), "10", "", "20", sjis("自由記事") + std::to_string(row)};
    return data;
}

BoringData readNative(std::string_view bytes, const SoilNameMaster& master)
{
    BoringData data;
    clear(data);
    LineReaderState state;
    state.soilNameMaster = &master;
    for (const std::string& line : splitLinesKeepingEnds(bytes))
        dispatchLine(data, state, FormatCode::Native, line);
    postProcess(data, FormatCode::Native, state);
    return data;
}

}  // namespace

TEST(CapacityDocument, EveryTableAtCapacityRoundTripsAndDrawsEveryPage)
{
    kolv::test::PageFixture page;
    page.settings.depthPerPage = 30;
    BoringData data = boreholeAtCapacity();
    const std::string first = writeNativeFile(data);
    BoringData readBack = readNative(first, page.settings.soilNameMaster);
    EXPECT_EQ(occupiedRowCount(readBack.layerRows), BoringData::LayerTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.sptRows), BoringData::SptTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.observationRows), BoringData::ObservationTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.inSituRows), BoringData::InSituTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.sampleRows), BoringData::SampleTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.geologicAgeRows), BoringData::GeologicAgeTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.waterLevelRows), BoringData::WaterLevelTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.drillingRows), BoringData::DrillingTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.recoveryRows), BoringData::RecoveryTable::capacity);
    EXPECT_EQ(occupiedRowCount(readBack.freeNoteRows), BoringData::FreeNoteTable::capacity);
    EXPECT_EQ(writeNativeFile(readBack), first);

    const int pages = pageCount(page.settings, maximumDepth(readBack));
    ASSERT_EQ(pages, 11);
    for (int p = 1; p <= pages; ++p) {
        RecordingDevice device(254);
        PageOptions options;
        options.page = p;
        EXPECT_TRUE(drawPage(device, readBack, page.settings, options).empty()) << "page " << p;
        // Each page shows its own footer number and layer names.
        EXPECT_EQ(device.textsEqualTo("(" + std::to_string(p) + ")").size(), 1u) << "page " << p;
        // The last page starts at the bottom of the hole.
        const auto& drawn = device.primitives;
        EXPECT_EQ(
            p < pages,
            std::any_of(
                drawn.begin(), drawn.end(), [](const RecordedPrimitive& text) { return text.text == sjis("砂礫"); }))
            << "page " << p;
    }
}
