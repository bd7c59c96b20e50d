#include "render/LogFrame.h"
#include "render/LogPrimitives.h"
#include "render/RecordingDevice.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kolv {
namespace {

using test::sjis;
using Kind = RecordedPrimitive::Kind;

// A page drawn on the recording device at 96 dpi, 1:100, fonts of 10 points
// (13 device units).
struct FramePage {
    FramePage()
    {
        settings.leftMargin = 5;
        settings.topMargin = 5;
        settings.innerLineWidth = 1;
        settings.outerLineWidth = 2;
        settings.depthPerPage = 10;
        for (FontSlot& slot : settings.fontSlots)
            slot.size = 10.0;
    }
    void prepare(double start)
    {
        preparePage(context, start, 1);
        mapping.useBody(start);
    }
    // Lines drawn exactly vertical at a log x.
    std::vector<RecordedPrimitive> verticalLinesAt(double x) const
    {
        std::vector<RecordedPrimitive> found;
        for (const RecordedPrimitive& line : device.ofKind(Kind::Line))
            if (line.points[0].x == mapping.toDeviceX(x) && line.points[1].x == line.points[0].x
                && line.points[0].y != line.points[1].y)
                found.push_back(line);
        return found;
    }
    std::vector<RecordedPrimitive> horizontalLinesAt(double y) const
    {
        std::vector<RecordedPrimitive> found;
        for (const RecordedPrimitive& line : device.ofKind(Kind::Line))
            if (line.points[0].y == mapping.toDeviceY(y) && line.points[1].y == line.points[0].y)
                found.push_back(line);
        return found;
    }

    BoringData data;
    LogSettings settings;
    RecordingDevice device{96};
    LogMapping mapping;
    DrawContext context{device, mapping, data, settings};
};

TEST(TitleBlockTexts, SurveyDates)
{
    EXPECT_EQ(surveyDate(sjis("平成"), "0", "4", "1"), sjis("平成元年4月1日"));
    EXPECT_EQ(surveyDate(sjis("令和"), "5", "12", "03"), sjis("令和5年12月3日"));
    EXPECT_EQ(surveyDate("", "R5", sjis("五月"), ""), sjis("R5年五月  日"));
    EXPECT_EQ(surveyDate("", "2023", sjis("十二"), "1"), sjis("2023年十月1日"));
}

TEST(TitleBlockTexts, ElevationWaterLevelAndFinalDepth)
{
    BoringData data;
    data.setHeadingLine(12, "DL");
    EXPECT_EQ(elevationText(data), "DL m");
    EXPECT_EQ(waterLevelText(data), sjis("　m"));
    EXPECT_EQ(finalDepthText(data), "  m");

    data.setHeadingLine(13, "3.5");
    data.setHeadingLine(31, "-1.5");
    data.setHeadingLine(37, "15");
    EXPECT_EQ(elevationText(data), "DL 3.50m");
    EXPECT_EQ(waterLevelText(data), "GL -1.50m ");
    EXPECT_EQ(finalDepthText(data), "DL 15.00m");

    data.setHeadingLine(38, "1");
    data.setHeadingLine(13, sjis("約3.5"));
    data.setHeadingLine(47, "1");
    data.setHeadingLine(37, "15.0");
    data.setHeadingLine(49, "1");
    EXPECT_EQ(elevationText(data), sjis("DL 約3.5m"));
    EXPECT_EQ(finalDepthText(data), "DL 15.0m");
    data.setHeadingLine(13, "3.5");
    EXPECT_EQ(waterLevelText(data), "DL 2.00m ");
    data.setHeadingLine(31, sjis("なし"));
    EXPECT_EQ(waterLevelText(data), sjis("なし"));
}

TEST(TitleBlock, TitleIsCentredOverTheLogWithTwoUnderlines)
{
    FramePage page;
    page.prepare(0.0);
    page.mapping.useTitleBand();
    drawTitleBlock(page.context);

    const auto titles = page.device.textsEqualTo(sjis("土 質 柱 状 図"));
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].points[0].x, page.mapping.toDeviceX((5.0 + 280.0) / 2));
    EXPECT_EQ(titles[0].points[0].y, page.mapping.toDeviceY(-6.5));
    EXPECT_EQ(titles[0].font.height, 96 * 10 / 45);
    // The underlines sit 1.1 and 1.2 title heights below the title's top.
    const double height = 21 / page.mapping.unitY;
    EXPECT_EQ(page.horizontalLinesAt(1.1 * height - 6.5).size(), 1u);
    EXPECT_EQ(page.horizontalLinesAt(1.2 * height - 6.5).size(), 1u);

    // Labels are spread character by character, values drawn whole.
    EXPECT_EQ(page.device.textsEqualTo(sjis("調")).size(), 1u);
}

TEST(TitleBlock, GroupOffsetsMoveTheirCells)
{
    FramePage page;
    page.data.setHeadingLine(3, sjis("横浜市"));
    page.data.documentOption(21).value = "12";
    page.prepare(0.0);
    page.mapping.useTitleBand();
    drawTitleBlock(page.context);
    const auto location = page.device.textsEqualTo(sjis("横浜市"));
    ASSERT_EQ(location.size(), 1u);
    EXPECT_EQ(location[0].points[0].x, page.mapping.toDeviceX(175 + 12 + 25));
}

TEST(SpreadText, FirstCharacterStartsAtTheLeftAndTheLastEndsAtTheRight)
{
    FramePage page;
    page.prepare(0.0);
    selectFontSlot(page.context, FontRole::Title);
    const double characterSize = textHeightInX(page.context);
    drawSpreadText(page.context, 10.0, 30.0, 1.0, 2.0, "ABCD");
    const auto texts = page.device.ofKind(Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].points[0].x, page.mapping.toDeviceX(10.0));
    EXPECT_EQ(texts[3].points[0].x, page.mapping.toDeviceX(10.0 + 3 * (20.0 - characterSize) / 2));
    // Vertically centred in the row.
    const int top = page.mapping.toDeviceY(1.0);
    const int bottom = page.mapping.toDeviceY(2.0);
    EXPECT_EQ(texts[0].points[0].y, (top + bottom - 13) / 2);
}

TEST(BodyFrame, ColumnRulesSkipHiddenColumnsAndSplitOnLongPages)
{
    struct Case {
        int depthPerPage;
        std::size_t piecesPerRule;
    };
    for (const Case c : {Case{37, 1}, Case{40, 2}, Case{59, 2}, Case{60, 1}}) {
        FramePage page;
        page.settings.depthPerPage = c.depthPerPage;
        page.prepare(0.0);
        drawBodyFrame(page.context);
        EXPECT_EQ(page.verticalLinesAt(page.context.columnX[Column::Depth]).size(), c.piecesPerRule)
            << c.depthPerPage << " m";
        EXPECT_EQ(page.verticalLinesAt(page.context.columnX[Column::LogRight]).size(), c.piecesPerRule);
    }

    FramePage page;
    page.data.documentOption(6).value = "-140";
    page.prepare(0.0);
    drawBodyFrame(page.context);
    // The colour tone's right edge coincides with the soil name's: one rule.
    EXPECT_EQ(page.verticalLinesAt(page.context.columnX[Column::ColorTone]).size(), 1u);
    EXPECT_EQ(page.verticalLinesAt(page.context.columnX[Column::LogLeft])[0].pen.width, 2);
}

TEST(BodyFrame, GroundRuleOnlyWhenThePageStartsAboveTheGround)
{
    FramePage above;
    above.settings.depthPerPage = 20;
    above.prepare(-10.0);
    drawGroundAndBottomRules(above.context);
    EXPECT_EQ(above.horizontalLinesAt(0.0).size(), 1u);
    EXPECT_EQ(above.horizontalLinesAt(0.0)[0].pen.width, 1);
    EXPECT_EQ(above.horizontalLinesAt(0.0)[0].points[0].x, above.mapping.toDeviceX(5.0));
    EXPECT_EQ(above.horizontalLinesAt(0.0)[0].points[1].x, above.mapping.toDeviceX(280.0));
    EXPECT_EQ(above.horizontalLinesAt(above.context.pageBottom)[0].pen.width, 2);

    FramePage atGround;
    atGround.prepare(0.0);
    drawGroundAndBottomRules(atGround.context);
    EXPECT_TRUE(atGround.horizontalLinesAt(0.0).empty());
    EXPECT_EQ(atGround.device.ofKind(Kind::Line).size(), 1u);
}

TEST(BodyFrame, DepthZeroLabels)
{
    FramePage roomAbove;
    roomAbove.prepare(-10.0);
    drawDepthZeroLabels(roomAbove.context);
    EXPECT_EQ(roomAbove.device.textsEqualTo("GL").size(), 2u);
    EXPECT_EQ(roomAbove.device.textsEqualTo("0.00m").size(), 2u);

    FramePage noRoom;
    noRoom.prepare(0.0);
    drawDepthZeroLabels(noRoom.context);
    const auto single = noRoom.device.textsEqualTo("GL 0.00m");
    ASSERT_EQ(single.size(), 2u);
    EXPECT_EQ(single[1].points[0].x, noRoom.mapping.toDeviceX(noRoom.context.columnX[Column::RecoveryBar] + 0.2));

    FramePage elevation;
    elevation.data.setHeadingLine(48, "1");
    elevation.data.setHeadingLine(12, "CDL");
    elevation.data.setHeadingLine(13, "4.2");
    elevation.prepare(0.0);
    drawDepthZeroLabels(elevation.context);
    EXPECT_EQ(elevation.device.textsEqualTo("CDL 4.20").size(), 2u);

    FramePage withLayers;
    withLayers.data.layerRows.setCell(1, 1, "5.00");
    withLayers.prepare(0.0);
    drawDepthZeroLabels(withLayers.context);
    FramePage none;
    none.data.setHeadingLine(48, "2");
    none.prepare(-10.0);
    drawDepthZeroLabels(none.context);
    EXPECT_TRUE(withLayers.device.ofKind(Kind::Text).empty());
    EXPECT_TRUE(none.device.ofKind(Kind::Text).empty());
}

TEST(DepthScale, TicksAndNumbersByDepth)
{
    FramePage page;
    page.data.setHeadingLine(36, "1");
    page.prepare(10.0);
    drawDepthScale(page.context);

    const auto lines = page.device.ofKind(Kind::Line);
    EXPECT_EQ(lines.size(), 100u);
    const int scaleRight = page.mapping.toDeviceX(page.context.columnX[Column::DepthScale]);
    EXPECT_TRUE(std::all_of(lines.begin(), lines.end(), [&](const RecordedPrimitive& line) {
        return line.points[0].x == scaleRight && line.points[1].x < scaleRight;
    }));
    EXPECT_EQ(page.horizontalLinesAt(10.5)[0].points[1].x, page.mapping.toDeviceX(15.0 - 1.4));
    EXPECT_EQ(page.horizontalLinesAt(11.0)[0].points[1].x, page.mapping.toDeviceX(15.0 - 2.0));

    for (int number = 10; number <= 20; ++number)
        EXPECT_EQ(page.device.textsEqualTo(std::to_string(number)).size(), 1u) << number;
    const auto twelve = page.device.textsEqualTo("12");
    EXPECT_EQ(twelve[0].points[0].y, page.mapping.toDeviceY(12.0 - 13 / page.mapping.unitY / 2));
}

TEST(DepthScale, NumbersByElevationFallOnWholeElevations)
{
    FramePage page;
    page.data.setHeadingLine(36, "0");
    page.data.setHeadingLine(13, "3.5");
    page.prepare(0.0);
    drawDepthScale(page.context);
    const double halfHeight = 13 / page.mapping.unitY / 2;
    const auto three = page.device.textsEqualTo("3");
    ASSERT_EQ(three.size(), 1u);
    EXPECT_EQ(three[0].points[0].y, page.mapping.toDeviceY(0.5 - halfHeight));
    ASSERT_EQ(page.device.textsEqualTo("-6").size(), 1u);
    EXPECT_EQ(page.device.textsEqualTo("-6")[0].points[0].y, page.mapping.toDeviceY(9.5 - halfHeight));

    // Depth numbering from the ground with no elevation: the 0 at the top
    // edge is left out.
    FramePage fromGround;
    fromGround.data.setHeadingLine(36, "1");
    fromGround.prepare(0.0);
    drawDepthScale(fromGround.context);
    EXPECT_TRUE(fromGround.device.textsEqualTo("0").empty());
    EXPECT_EQ(fromGround.device.textsEqualTo("10").size(), 1u);
}

TEST(Headings, GroupsAndColumnRules)
{
    FramePage page;
    page.prepare(0.0);
    page.mapping.useTitleBand();
    drawHeadings(page.context);
    const ColumnPositions& columnX = page.context.columnX;

    EXPECT_EQ(page.device.textsEqualTo(sjis("土質名")).size(), 1u);
    EXPECT_EQ(page.device.textsEqualTo(sjis("回収比")).size(), 1u);
    EXPECT_EQ(page.device.textsEqualTo(sjis("現")).size(), 1u);  // 現場判定, spread
    // The group's columns begin below the group heading.
    const auto soilNameRule = page.verticalLinesAt(columnX[Column::SoilName]);
    ASSERT_EQ(soilNameRule.size(), 1u);
    EXPECT_EQ(soilNameRule[0].points[0].y, page.mapping.toDeviceY(-3.0 + 3 * 3.0 / 11));
    const auto depthRule = page.verticalLinesAt(columnX[Column::Depth]);
    ASSERT_EQ(depthRule.size(), 1u);
    EXPECT_EQ(depthRule[0].points[0].y, page.mapping.toDeviceY(-3.0));
    EXPECT_EQ(page.horizontalLinesAt(-3.0)[0].pen.width, 2);
    EXPECT_EQ(page.horizontalLinesAt(0.0)[0].pen.width, 1);
}

TEST(Fonts, SlotHeightsFollowTheDeviceResolution)
{
    FramePage page;
    page.settings.fontSlots[2].size = 8.0;
    page.settings.fontSlots[2].face = sjis("ＭＳ Ｐ明朝");
    page.settings.fontSlots[2].color = 0x0000ff;
    page.prepare(0.0);
    selectFontSlot(page.context, FontRole::Body);
    EXPECT_EQ(page.device.currentFont().height, 96 * 8 / 72);
    EXPECT_EQ(page.device.currentFont().face, sjis("ＭＳ Ｐ明朝"));
    EXPECT_EQ(page.device.currentFont().color, 0x0000ffu);
    EXPECT_EQ(page.context.currentFontSlot, 2);

    RecordingDevice printer(600);
    LogMapping mapping;
    DrawContext context(printer, mapping, page.data, page.settings);
    preparePage(context, 0.0, 1);
    EXPECT_EQ(context.slotFonts[2].height, 600 * 8 / 72);
    EXPECT_EQ(context.titleFont.height, 600 * 10 / 45);
}

TEST(Fonts, AFontThatCannotBeMadeIsReportedAndThePreviousOneKept)
{
    FramePage page;
    page.settings.fontSlots[4].size = 1.0e9;
    page.prepare(0.0);
    selectFontSlot(page.context, FontRole::Body);
    selectFontSlot(page.context, FontRole::FreeNotes);
    selectFontSlot(page.context, FontRole::Body);
    selectFontSlot(page.context, FontRole::FreeNotes);
    // Said once for the pass, however often the slot is chosen.
    ASSERT_EQ(page.context.issues.size(), 1u);
    EXPECT_EQ(page.context.issues[0].text, "Can't create font");
    EXPECT_EQ(page.context.issues[0].kind, MessageKind::Error);
    EXPECT_EQ(page.context.currentFontSlot, 2);
    EXPECT_EQ(page.device.currentFont().height, 13);
}

}  // namespace
}  // namespace kolv
