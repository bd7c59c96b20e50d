#include "render/ColumnLayout.h"
#include "render/NValueColumn.h"
#include "support/TestSupport.h"
#include "TextColumnFixture.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::expectTextAt;
using kolv::test::PageFixture;
using kolv::test::sjis;
using Kind = RecordedPrimitive::Kind;

namespace {

std::vector<RecordedPrimitive> ellipses(const PageFixture& page)
{
    return page.device.ofKind(Kind::Ellipse);
}

}  // namespace

TEST(NValueColumn, CountsAsFractionsIntervalMarkAndDepthLabel)
{
    PageFixture page;
    page.addRow(page.data.sptRows, {"1.00", "50/12", "20", "20", "10/2", "0"});
    page.prepare();
    drawPenetrationTests(page.context);

    // Text height 0.28 m: the counts' line is min(1.00 + 0.06, 1.12 - 0.28).
    const double line = 0.84;
    const double nCentre = (page.column(14) + page.column(15)) / 2;
    expectTextAt(page, " 50", page.deviceX(nCentre), page.deviceY(line), TextAlign::Center | TextAlign::Bottom);
    expectTextAt(page, " 12", page.deviceX(nCentre), page.deviceY(line), TextAlign::Center | TextAlign::Top);
    EXPECT_EQ(page.linesBetween(nCentre - 2.2, line - 0.04, nCentre + 2.4, line - 0.04).size(), 1u);
    EXPECT_EQ(page.texts(" 20").size(), 2u);
    expectTextAt(page, " 10", page.deviceX((page.column(17) + page.column(18)) / 2), page.deviceY(line),
                 TextAlign::Center | TextAlign::Bottom);
    expectTextAt(page, "  2", page.deviceX((page.column(17) + page.column(18)) / 2), page.deviceY(line),
                 TextAlign::Center | TextAlign::Top);

    // The interval mark is the one black box (the counts keep a white ground).
    std::vector<RecordedPrimitive> marks;
    for (const RecordedPrimitive& box : page.device.ofKind(Kind::FilledRectangle))
        if (box.fillColor == 0)
            marks.push_back(box);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].rect.left, page.deviceX(136));
    EXPECT_EQ(marks[0].rect.right, page.deviceX(136.6));
    EXPECT_EQ(marks[0].rect.top, page.deviceY(1.00));
    EXPECT_EQ(marks[0].rect.bottom, page.deviceY(1.12));
    EXPECT_EQ(page.linesBetween(136, 1.12, 166, 1.12).size(), 1u);
    // The test depth below the end of the interval (the default position).
    expectTextAt(page, " 1.00", page.deviceX(nCentre), page.deviceY(1.12), TextAlign::Center | TextAlign::Top);
}

TEST(NValueColumn, PlainNumberIsACountOverThirtyCentimetres)
{
    PageFixture page;
    page.addRow(page.data.sptRows, {"2.00", "7", "2", "2", "3", ""});
    page.settings.nDepthLabelPos = 2;
    page.prepare();
    drawPenetrationTests(page.context);
    EXPECT_EQ(page.texts("  7").size(), 1u);
    EXPECT_EQ(page.texts(" 30").size(), 1u);
    EXPECT_EQ(page.texts("  2").size(), 2u);
    EXPECT_TRUE(page.texts(" 2.00").empty());
    // Only the N-value column's plain number gets a rule.
    EXPECT_EQ(page.linesWithin(page.column(15), page.column(18)).size(), 0u);
    expectTextAt(page, "7 ", page.deviceX(168.5), page.deviceY(2.15) - 14, TextAlign::Center | TextAlign::Top);
    // The point: 7 blows on the 50-blow scale of a 50 mm graph.
    const auto circles = ellipses(page);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ((circles[0].rect.left + circles[0].rect.right) / 2, page.deviceX(178));
    EXPECT_EQ((circles[0].rect.top + circles[0].rect.bottom) / 2, page.deviceY(2.15));
    EXPECT_EQ(circles[0].rect.right - circles[0].rect.left, 2 * 8);  // radius 0.08 m
    EXPECT_EQ(circles[0].pen.width, 2);
    EXPECT_FALSE(circles[0].filled);
}

TEST(NValueColumn, OffScaleTestsAndTheirTexts)
{
    PageFixture page;
    page.settings.nZeroText = sjis("自沈");
    page.settings.nZeroDenominatorText = sjis("貫入不能");
    page.settings.outOfRangeBlackDot = 1;
    page.settings.nPlotSymbol = 2;
    page.addRow(page.data.sptRows, {"1.00", "50/12", "", "", "", ""});
    page.addRow(page.data.sptRows, {"2.00", "0", "", "", "", ""});
    page.addRow(page.data.sptRows, {"3.00", "50/0", "", "", "", ""});
    page.prepare();
    drawPenetrationTests(page.context);

    const double right = page.column(20);
    // 125: the arrow at the right edge of the graph, the circle there too.
    EXPECT_EQ(page.linesBetween(right - 3.4, 1.06, right, 1.06).size(), 1u);
    EXPECT_EQ(page.linesBetween(right, 1.06, right - 2, 0.96).size(), 1u);
    EXPECT_EQ(page.texts("125 ").size(), 1u);
    // 0 blows over 30 cm: the short stroke and the "０回以下の時" text 3 right.
    const double left = page.column(19);
    EXPECT_EQ(page.linesBetween(left, 2.15, left + 3.4, 2.15).size(), 1u);
    expectTextAt(page, sjis("自沈"), page.deviceX(left + 3), page.deviceY(2.15) - 14, TextAlign::Left | TextAlign::Top);
    // Penetration 0: "- " and the "分母が０の時" text 2 left of the right edge.
    EXPECT_EQ(page.texts("- ").size(), 1u);
    expectTextAt(page, sjis("貫入不能"), page.deviceX(right - 2), page.deviceY(3.015) - 14,
                 TextAlign::Right | TextAlign::Top);
    // Choice 2 adds the circle to every mark; off-scale circles are black.
    const auto circles = ellipses(page);
    ASSERT_EQ(circles.size(), 3u);
    for (const RecordedPrimitive& circle : circles)
        EXPECT_TRUE(circle.filled);
}

TEST(NValueColumn, GraphLineBreaksAndStopsShortOfOffScaleEnds)
{
    PageFixture page;
    page.addRow(page.data.sptRows, {"1.00", "10", "", "", "", "0"});
    page.addRow(page.data.sptRows, {"2.00", "20", "", "", "", "0"});
    page.addRow(page.data.sptRows, {"3.00", "30", "", "", "", "1"});
    page.addRow(page.data.sptRows, {"4.00", "60", "", "", "", "0"});
    page.addRow(page.data.sptRows, {"5.00", "", "", "", "", "0"});
    page.prepare();
    drawPenetrationTests(page.context);

    const double left = page.column(19);
    EXPECT_EQ(page.linesBetween(left + 10, 1.15, left + 20, 2.15).size(), 1u);
    EXPECT_TRUE(page.linesBetween(left + 20, 2.15, left + 30, 3.15).empty());
    // 60 blows lie beyond the 50 of the scale: the line ends 0.1 m short.
    EXPECT_EQ(page.linesBetween(left + 30, 3.15, left + 50, 4.05).size(), 1u);
    // A test without an N value has no point and no text on the graph.
    EXPECT_EQ(ellipses(page).size(), 3u);
    EXPECT_TRUE(page.texts("0 ").empty());
    EXPECT_TRUE(page.texts(page.settings.nZeroText).empty());
}

TEST(NValueColumn, TestsEndTwoMetresBelowThePage)
{
    PageFixture page;
    page.settings.nPlotSymbol = 0;
    for (const char* depth : {"9.00", "11.50", "12.50", "1e300"})
        page.addRow(page.data.sptRows, {depth, "10", "", "", "", ""});
    page.prepare();
    drawPenetrationTests(page.context);
    EXPECT_EQ(ellipses(page).size(), 2u);
}

TEST(NValueColumn, GridLinesStylesAndColours)
{
    PageFixture page;
    page.settings.gridVPitch = 0;
    page.settings.gridHPitch = 0;
    page.settings.grid10VLineWidth = 1;
    page.settings.grid10HLineWidth = 1;
    page.settings.grid5LineWidth = 1;
    page.settings.grid10Color = "0xff0000";
    page.settings.grid5Color = "0xcccccc";
    page.prepare();
    drawNValueGrid(page.context);

    const double left = page.column(19);
    const double right = page.column(20);
    int blue = 0;
    int grey = 0;
    for (const RecordedPrimitive& line : page.device.ofKind(Kind::Line)) {
        blue += line.pen.color == 0xff0000;
        grey += line.pen.color == 0xcccccc;
    }
    // 10 mm: verticals at 10 ... 40 and horizontals at 1 ... 9 m; 5 mm:
    // verticals at 5 ... 45 and horizontals at 0.5 ... 9.5 m.
    EXPECT_EQ(blue, 4 + 9);
    EXPECT_EQ(grey, 5 + 10);
    EXPECT_EQ(page.linesBetween(left + 10, 0, left + 10, 10).size(), 1u);
    EXPECT_EQ(page.linesBetween(left, 9.5, right, 9.5).size(), 1u);
    EXPECT_TRUE(page.linesBetween(left, 10, right, 10).empty());

    // Monochrome grids are black and dashed; 10 mm spacing leaves the 5 mm
    // lines out; a scale of 60 blows has lines at 10 ... 50.
    page.settings.gridColorMode = 1;
    page.settings.gridVPitch = 1;
    page.settings.gridHPitch = 1;
    page.settings.grid10VDash = 10;
    page.settings.grid10VGap = 10;
    page.settings.grid10HLineWidth = 0;
    page.settings.maxBlows = 1;
    page.prepare();
    drawNValueGrid(page.context);
    const auto lines = page.device.ofKind(Kind::Line);
    ASSERT_FALSE(lines.empty());
    for (const RecordedPrimitive& line : lines) {
        EXPECT_EQ(line.pen.color, 0u);
        EXPECT_LE(std::abs(line.points[1].y - line.points[0].y), 10);
    }
    // 1000 device units of depth in segments of 10 every 20, five lines.
    EXPECT_EQ(lines.size(), 5u * 50);
}

TEST(NValueColumn, VerticalGridLinesInHalvesOnLongPages)
{
    PageFixture page;
    page.settings.gridVPitch = 1;
    page.settings.gridHPitch = 1;
    page.settings.grid10VLineWidth = 1;
    page.settings.grid10HLineWidth = 0;
    for (int depthPerPage : {37, 38, 59, 60}) {
        page.settings.depthPerPage = depthPerPage;
        page.prepare(5.0);
        drawNValueGrid(page.context);
        const bool halves = depthPerPage == 38 || depthPerPage == 59;
        EXPECT_EQ(page.device.ofKind(Kind::Line).size(), halves ? 8u : 4u) << depthPerPage;
        if (halves) {
            const double x = page.column(19) + 10;
            EXPECT_EQ(page.linesBetween(x, 5.0, x, 5.0 + depthPerPage / 2).size(), 1u) << depthPerPage;
        }
    }
}

TEST(NValueColumn, QuPointsRunFromTheScaleMinimum)
{
    PageFixture page;
    page.settings.quCircleRadius = "1";
    page.settings.quSymbolColor = "0xff0000";
    page.data.documentOption(22).value = "100";
    page.data.documentOption(23).value = "300";
    page.addRow(page.data.recoveryRows, {"2.00", "3.00", "", "200", "", "abc", "900"});
    page.addRow(page.data.recoveryRows, {"4.00", "", "", "200", "", "", ""});
    page.prepare();
    drawQuPoints(page.context);

    const auto circles = ellipses(page);
    ASSERT_EQ(circles.size(), 2u);
    const double left = page.column(19);
    EXPECT_EQ((circles[0].rect.left + circles[0].rect.right) / 2, page.deviceX(left + 25));
    EXPECT_EQ((circles[0].rect.top + circles[0].rect.bottom) / 2, page.deviceY(2.00));
    // Radius "1" (mm at 1:100): 0.1 m of depth, 10 device units.
    EXPECT_EQ(circles[0].rect.right - circles[0].rect.left, 2 * 10);
    EXPECT_EQ(circles[0].pen.color, 0xff0000u);
    // Beyond the scale the point stays at the graph's edge.
    EXPECT_EQ((circles[1].rect.left + circles[1].rect.right) / 2, page.deviceX(left + 50));

    // A scale without span puts the points at the left edge.
    page.data.documentOption(23).value = "100";
    page.prepare();
    drawQuPoints(page.context);
    for (const RecordedPrimitive& circle : ellipses(page))
        EXPECT_EQ((circle.rect.left + circle.rect.right) / 2, page.deviceX(left));
}

TEST(NValueColumn, GraphScalesInTheHeadingBand)
{
    PageFixture page;
    page.prepare();
    page.mapping.useTitleBand();
    drawNValueGraphScales(page.context);
    for (const char* number : {"10", "20", "30", "40", "50"})
        EXPECT_EQ(page.texts(number).size(), 1u) << number;
    EXPECT_EQ(page.texts("0").size(), 2u);
    for (const char* number : {"100", "200", "300", "400", "500"})
        EXPECT_EQ(page.texts(number).size(), 1u) << number;
    EXPECT_EQ(page.texts(sjis("qu値 （kN/m2）")).size(), 1u);
    const auto zero = page.texts("0");
    EXPECT_EQ(zero[0].points[0].x, page.deviceX(page.column(19)));
    const auto fifty = page.texts("50");
    EXPECT_EQ(fifty[0].points[0].x, page.deviceX(page.column(20)));
    EXPECT_LT(fifty[0].points[0].y, page.deviceY(0.0));
}
