// Texts of depth-keyed items where they crowd: at page edges, close
// together, at small depth scales; and markers that stay round.
#include "TextBoxCheck.h"
#include "TextColumnFixture.h"

#include "render/LogFrame.h"
#include "render/LogPage.h"
#include "render/NValueColumn.h"
#include "render/TextBandPlacer.h"
#include "render/TextColumns.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace kolv {
namespace {

using test::PageFixture;
using Kind = RecordedPrimitive::Kind;

TEST(TextBandPlacer, BandsStayOnThePageAndClearOfEachOther)
{
    struct Step {
        double top;
        double bottom;
        std::optional<double> shift;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    // Page 10 ... 20 m, at most 0.3 m of shift.
    const Case cases[] = {
        {"apart", {{11.0, 11.5, 0.0}, {12.0, 12.5, 0.0}}},
        {"touching", {{11.0, 11.5, 0.0}, {11.5, 12.0, 0.0}}},
        {"across the top", {{9.8, 10.3, 0.2}}},
        {"across the bottom", {{19.8, 20.4, -0.4}}},
        {"close: moved down", {{11.0, 11.5, 0.0}, {11.3, 11.8, 0.2}, {12.0, 12.2, 0.0}}},
        {"too close: left out", {{11.0, 11.5, 0.0}, {11.1, 11.6, std::nullopt}, {11.5, 11.9, 0.0}}},
        {"no room below", {{19.0, 19.8, 0.0}, {19.6, 19.9, std::nullopt}}},
        {"taller than the page", {{10.0, 21.0, std::nullopt}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextBandPlacer placer(10.0, 20.0, 0.3);
        for (const Step& step : c.steps) {
            const std::optional<double> shift = placer.place(step.top, step.bottom);
            ASSERT_EQ(shift.has_value(), step.shift.has_value()) << step.top;
            if (shift) {
                EXPECT_NEAR(*shift, *step.shift, 1e-9) << step.top;
            }
        }
    }
}

// Every text of the recorded drawing, nothing overlapping, none cut.
void expectNoCrowding(const PageFixture& page)
{
    EXPECT_EQ(test::textLayoutFaults(page.device, {-100000, -100000, 100000, 100000}), std::vector<std::string>{});
}

TEST(CrowdedText, PlotMarkersStayRoundAtEveryDepthScale)
{
    for (int scale : {100, 200, 500}) {
        SCOPED_TRACE(scale);
        PageFixture page;
        page.settings.verticalScale = scale;
        page.settings.nPlotSymbol = 0;
        page.settings.quCircleRadius = "1";
        page.addRow(page.data.sptRows, {"1.00", "10", "", "", "", ""});
        page.addRow(page.data.recoveryRows, {"2.00", "3.00", "", "200", "", "", ""});
        page.prepare();
        drawPenetrationTests(page.context);
        drawQuPoints(page.context);
        const auto circles = page.device.ofKind(Kind::Ellipse);
        ASSERT_EQ(circles.size(), 2u);
        // 254 dpi: the N-value point 0.8 mm, the qu point 1 mm of the sheet.
        for (const auto& [circle, radius] : {std::pair{circles[0], 8}, std::pair{circles[1], 10}}) {
            EXPECT_EQ(circle.rect.right - circle.rect.left, 2 * radius);
            EXPECT_EQ(circle.rect.bottom - circle.rect.top, 2 * radius);
        }
        EXPECT_EQ((circles[0].rect.top + circles[0].rect.bottom) / 2, page.deviceY(1.15));
        EXPECT_EQ((circles[1].rect.top + circles[1].rect.bottom) / 2, page.deviceY(2.00));
    }
}

TEST(CrowdedText, DenseTestsAtSmallScalesAreThinnedAndTheirPointsKept)
{
    for (int scale : {100, 200}) {
        SCOPED_TRACE(scale);
        PageFixture page;
        page.settings.verticalScale = scale;
        page.settings.depthPerPage = 20;
        page.settings.nPlotSymbol = 0;
        page.settings.nDepthLabelPos = 1;
        for (int metre = 1; metre <= 18; ++metre)
            page.addRow(page.data.sptRows, {std::to_string(metre) + ".00", "12/30", "4/10", "4/10", "4/10", "0"});
        // Two tests 15 cm apart: the second one's texts would overprint.
        page.addRow(page.data.sptRows, {"18.15", "3/10", "3/10", "", "", "0"});
        page.prepare();
        drawPenetrationTests(page.context);
        expectNoCrowding(page);
        EXPECT_EQ(page.device.ofKind(Kind::Ellipse).size(), 19u);
        // Every interval mark comes before the first count, whose white
        // ground then keeps any rule from running through it.
        std::size_t lastMark = 0;
        std::size_t firstText = page.device.primitives.size();
        for (std::size_t i = 0; i < page.device.primitives.size(); ++i) {
            const RecordedPrimitive& primitive = page.device.primitives[i];
            if (primitive.kind == Kind::FilledRectangle && primitive.fillColor == 0)
                lastMark = i;
            if (primitive.kind == Kind::Text)
                firstText = std::min(firstText, i);
        }
        EXPECT_LT(lastMark, firstText);
        const std::size_t labels = page.texts(" 5.00").size() + page.texts(" 6.00").size();
        // At 1:100 every test of a metre apart keeps its texts; at 1:200 (a
        // text line of 0.56 m, a fraction and its label 1.4 m) some are left out.
        if (scale == 100) {
            EXPECT_EQ(labels, 2u);
        } else {
            EXPECT_LT(page.texts(" 12").size(), 18u);
            EXPECT_GE(page.texts(" 12").size(), 6u);
        }
    }
}

TEST(CrowdedText, APenetrationTestIsWrittenWholeOnThePageOfItsDepth)
{
    PageFixture page;
    page.settings.nDepthLabelPos = 1;
    page.addRow(page.data.sptRows, {"9.85", "10/30", "3/10", "3/10", "4/10", "0"});
    page.prepare(0.0);
    drawPenetrationTests(page.context);
    // Its texts would reach 10.43 m; they move up into the page.
    ASSERT_EQ(page.texts(" 9.85").size(), 1u);
    EXPECT_LE(recordedTextBox(page.texts(" 9.85")[0]).bottom, page.deviceY(10.0));
    EXPECT_EQ(page.texts(" 30").size(), 1u);

    page.prepare(10.0, 2);
    drawPenetrationTests(page.context);
    EXPECT_TRUE(page.texts(" 30").empty());
    EXPECT_TRUE(page.texts(" 9.85").empty());
}

TEST(CrowdedText, TheDepthLabelAboveItsLineGoesBelowWhenTheFractionFillsTheColumn)
{
    const double centre = 136 + 4.5;
    {
        PageFixture page;
        page.settings.nDepthLabelPos = 0;
        page.addRow(page.data.sptRows, {"1.00", "10/30", "3/10", "3/10", "4/10", "0"});
        page.prepare();
        drawPenetrationTests(page.context);
        test::expectTextAt(page, " 1.00", page.deviceX(centre), page.deviceY(1.30), TextAlign::Center | TextAlign::Top);
        expectNoCrowding(page);
    }
    // With a small font a long interval leaves room above the line.
    PageFixture page;
    page.settings.nDepthLabelPos = 0;
    page.settings.fontSlots[slotIndex(FontRole::Body)].size = 4.0;
    page.addRow(page.data.sptRows, {"3.00", "10/80", "3/10", "3/10", "4/10", "0"});
    page.prepare();
    drawPenetrationTests(page.context);
    test::expectTextAt(page, " 3.00", page.deviceX(centre), page.deviceY(3.80), TextAlign::Center | TextAlign::Bottom);
    expectNoCrowding(page);
}

TEST(CrowdedText, ScaleNumbersStayInsideThePageAndClearOfDrillingDates)
{
    PageFixture page;
    page.data.setHeadingLine(36, "1");  // numbered by depth
    page.prepare(2.0);
    drawDepthScale(page.context);
    // The numbers of the page's top and bottom stand inside the page.
    ASSERT_EQ(page.texts("2").size(), 1u);
    EXPECT_EQ(recordedTextBox(page.texts("2")[0]).top, page.deviceY(2.0));
    ASSERT_EQ(page.texts("12").size(), 1u);
    EXPECT_EQ(recordedTextBox(page.texts("12")[0]).bottom, page.deviceY(12.0));

    // Numbers stand right, against the ticks, beside the dates; a number
    // that would still touch a date is left out.
    page.data.documentOption(18).value = "1";
    page.addRow(page.data.drillingRows, {"105.05", "12/20"});
    page.addRow(page.data.drillingRows, {"107.75", "12/21"});
    page.prepare(100.0);
    drawDepthScale(page.context);
    drawDrillingDates(page.context);
    expectNoCrowding(page);
    EXPECT_TRUE(page.texts("105").empty());
    EXPECT_EQ(page.texts("107").size(), 1u);
    EXPECT_EQ(page.texts("108").size(), 1u);
    EXPECT_EQ(recordedTextBox(page.texts("108")[0]).right, page.deviceX(15.0 - 2.2));
}

TEST(CrowdedText, NoteLeadersNeverCrossNoteText)
{
    PageFixture page;
    const std::string text = test::sjis("細砂主体、径2～20mmの礫及び貝殻片を混入する。含水中位。");
    for (const char* depth : {"1.00", "1.02", "1.04", "3.00", "3.10"})
        page.addRow(page.data.observationRows, {depth, "", "", text + "\r\n" + text, ""});
    page.prepare();
    drawObservationNotes(page.context);
    const auto notes = page.device.drawnWrappedTexts();
    ASSERT_EQ(notes.size(), 5u);
    int leaders = 0;
    for (const RecordedPrimitive& line : page.device.ofKind(Kind::Line)) {
        ++leaders;
        for (int step = 0; step <= 100; ++step) {
            const double x = line.points[0].x + (line.points[1].x - line.points[0].x) * step / 100.0;
            const double y = line.points[0].y + (line.points[1].y - line.points[0].y) * step / 100.0;
            for (const RecordedPrimitive& note : notes) {
                const DeviceRect box = recordedTextBox(note);
                EXPECT_FALSE(x > box.left && x < box.right && y > box.top && y < box.bottom)
                    << "a leader crosses the note at " << box.top;
            }
        }
    }
    EXPECT_GE(leaders, 15);
    // A note that is not pushed down keeps its leader: two short slants and
    // the line along its depth.
    EXPECT_EQ(page.linesBetween(page.column(9), 1.0, page.column(9) + 1.0, 1.0).size(), 1u);
}

TEST(CrowdedText, GraphTextsHaveAWhiteGroundThatHidesNoPoint)
{
    PageFixture page;
    page.settings.nPlotSymbol = 0;
    page.addRow(page.data.sptRows, {"8.00", "5", "", "", "", "0"});
    page.addRow(page.data.sptRows, {"9.00", "40", "", "", "", "0"});
    page.addRow(page.data.inSituRows,
                {"8.20", test::sjis("原位置ベーンせん断試験"), "20.4kN/m2", "", "", "", "8.20", ""});
    page.prepare();
    drawPage(page.device, page.data, page.settings, PageOptions{});
    std::size_t lastGround = 0;
    std::size_t firstPoint = page.device.primitives.size();
    std::size_t lastSegment = 0;
    for (std::size_t i = 0; i < page.device.primitives.size(); ++i) {
        const RecordedPrimitive& primitive = page.device.primitives[i];
        if (primitive.kind == Kind::FilledRectangle && primitive.fillColor == 0xFFFFFF)
            lastGround = i;
        if (primitive.kind == Kind::Ellipse)
            firstPoint = std::min(firstPoint, i);
        if (primitive.kind == Kind::Line && primitive.points[0].y == page.deviceY(8.15)
            && primitive.points[1].y == page.deviceY(9.15))
            lastSegment = i;
    }
    // The graph's line lies under the texts' ground; the points over it.
    EXPECT_GT(lastGround, lastSegment);
    EXPECT_GT(lastSegment, 0u);
    EXPECT_GT(firstPoint, lastGround);
}

}  // namespace
}  // namespace kolv
