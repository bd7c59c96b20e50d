// The vector figure table: exactly the pattern numbers of the reference data,
// each drawing its marks inside its cell with the pen it is given.
#include "render/RecordingDevice.h"
#include "render/VectorFigures.h"
#include "settings/LogSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kolv {
namespace {

using Kind = RecordedPrimitive::Kind;

std::vector<long> expectedNumbers()
{
    std::vector<long> numbers;
    auto range = [&](long first, long last, long step) {
        for (long n = first; n <= last; n += step)
            numbers.push_back(n);
    };
    range(1, 8, 1);
    range(10, 50, 10);
    range(100, 900, 100);
    range(1100, 1700, 100);
    range(2100, 3100, 100);
    numbers.insert(numbers.end(), {3300, 3400, 3500, 3600, 3800});
    range(4100, 5200, 100);
    numbers.insert(numbers.end(), {6100, 6200, 6300, 6400, 6800, 6900});
    range(8100, 8700, 100);
    range(10000, 10004, 1);
    numbers.insert(numbers.end(), {10091, 10092, 10093});
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// A 12 x 40 mm cell at 10 device units per millimetre.
constexpr DeviceRect cell{100, 200, 220, 600};

FigureFrame frameOfCell()
{
    FigureFrame frame;
    frame.originX = cell.left;
    frame.originY = cell.top;
    frame.unitX = frame.unitY = 10.0;
    frame.cell = cell;
    return frame;
}

std::vector<RecordedPrimitive> drawn(const RecordingDevice& device)
{
    std::vector<RecordedPrimitive> marks;
    for (const RecordedPrimitive& primitive : device.primitives)
        if (primitive.kind != Kind::Clip && primitive.kind != Kind::ResetClip)
            marks.push_back(primitive);
    return marks;
}

std::size_t markCount(long number)
{
    RecordingDevice device(254);
    drawVectorFigure(device, number, frameOfCell(), Pen{PenStyle::Solid, 1, 0});
    return drawn(device).size();
}

TEST(VectorFigure, TheTableHoldsExactlyTheNumbersOfTheReferenceData)
{
    EXPECT_EQ(vectorFigureNumbers(), expectedNumbers());
    for (const long absent :
         {-1L,   0L,    9L,    11L,   60L,   99L,   1000L, 1800L, 2000L,  3200L,  3700L,  3900L,  4000L,
          5300L, 6000L, 6500L, 6700L, 7000L, 8000L, 8800L, 9999L, 10005L, 10090L, 10094L, 10100L, 91234L}) {
        EXPECT_FALSE(hasVectorFigure(absent)) << absent;
        RecordingDevice device;
        EXPECT_FALSE(drawVectorFigure(device, absent, frameOfCell(), Pen{})) << absent;
        EXPECT_TRUE(device.primitives.empty()) << absent;
    }
}

TEST(VectorFigure, EveryFigureDrawsInsideItsCellWithThePenItIsGiven)
{
    const Pen pen{PenStyle::Solid, 2, 0x00336699};
    for (const long number : vectorFigureNumbers()) {
        RecordingDevice device(254);
        ASSERT_TRUE(drawVectorFigure(device, number, frameOfCell(), pen)) << number;
        ASSERT_GE(device.primitives.size(), 2u) << number;
        EXPECT_EQ(device.primitives.front().kind, Kind::Clip) << number;
        EXPECT_EQ(device.primitives.front().rect.left, cell.left);
        EXPECT_EQ(device.primitives.front().rect.bottom, cell.bottom);
        EXPECT_EQ(device.primitives.back().kind, Kind::ResetClip) << number;
        const std::vector<RecordedPrimitive> marks = drawn(device);
        EXPECT_FALSE(marks.empty()) << number;
        for (const RecordedPrimitive& mark : marks) {
            if (mark.kind == Kind::FilledRectangle) {
                EXPECT_EQ(mark.fillColor, pen.color) << number;
                continue;
            }
            EXPECT_EQ(mark.pen.color, pen.color) << number;
            EXPECT_EQ(mark.pen.width, pen.width) << number;
            if (mark.filled) {
                EXPECT_EQ(mark.fillColor, pen.color) << number;
            }
            // Marks may be cut by the cell's edge but never lie far outside it.
            for (const DevicePoint& point : mark.points) {
                EXPECT_GT(point.x, cell.left - 80) << number;
                EXPECT_LT(point.x, cell.right + 80) << number;
                EXPECT_GT(point.y, cell.top - 80) << number;
                EXPECT_LT(point.y, cell.bottom + 80) << number;
            }
        }
    }
}

TEST(VectorFigure, APenOfNoWidthDrawsNothingButTheFigureStillCounts)
{
    RecordingDevice device;
    EXPECT_TRUE(drawVectorFigure(device, 300, frameOfCell(), Pen{PenStyle::Solid, 0, 0}));
    EXPECT_TRUE(device.primitives.empty());
}

TEST(VectorFigure, AdmixturesAreSparserThanQualifiersWhichAreSparserThanTheMaterial)
{
    // 礫混じり < 礫質 < 礫, 砂混じり < 砂質 < 砂, シルト混じり < シルト質 < シルト:
    // a reader must still see the base material first.
    const long families[][3] = {{1, 10, 100}, {2, 20, 300}, {3, 30, 400}, {6, 50, 600}};
    for (const auto& family : families) {
        EXPECT_LT(markCount(family[0]), markCount(family[1])) << family[0];
        EXPECT_LT(markCount(family[1]), markCount(family[2])) << family[1];
    }
}

TEST(VectorFigure, MarksRepeatAtSpacingsOfTheSheetWhateverTheCellsSize)
{
    // Clay's ruled lines lie 1.2 mm apart; the cell only decides how many.
    for (const double unitY : {10.0, 4.0}) {
        RecordingDevice device(254);
        FigureFrame frame = frameOfCell();
        frame.unitY = unitY;
        drawVectorFigure(device, 500, frame, Pen{PenStyle::Solid, 1, 0});
        std::vector<int> rows;
        for (const RecordedPrimitive& line : device.ofKind(Kind::Line))
            rows.push_back(line.points[0].y);
        ASSERT_GE(rows.size(), 3u);
        for (std::size_t k = 1; k < rows.size(); ++k)
            EXPECT_NEAR(rows[k] - rows[k - 1], 1.2 * unitY, 1.0);
    }
}

TEST(VectorFigure, ACellInLogCoordinatesWithATenMillimetreUnitIsFilledAsThePatternPreviewAsks)
{
    RecordingDevice device(254);
    LogMapping mapping;
    mapping.dotsPerMmX = mapping.dotsPerMmY = 10.0;
    mapping.unitX = 10.0;
    mapping.unitY = 100.0;  // 10 mm per y unit
    mapping.headerUnit = 0.0;
    BoringData data;
    LogSettings settings;
    DrawContext context(device, mapping, data, settings);
    ASSERT_TRUE(drawVectorFigure(context, 500, 10.0, 1.0, 22.0, 3.0, 2, 0x0000FF));
    const RecordedPrimitive clip = device.primitives.front();
    ASSERT_EQ(clip.kind, Kind::Clip);
    EXPECT_EQ(clip.rect.left, 100);
    EXPECT_EQ(clip.rect.top, 100);
    EXPECT_EQ(clip.rect.right, 220);
    EXPECT_EQ(clip.rect.bottom, 300);
    const std::vector<RecordedPrimitive> lines = device.ofKind(Kind::Line);
    ASSERT_GE(lines.size(), 16u);
    EXPECT_EQ(lines[1].points[0].y - lines[0].points[0].y, 12) << "1.2 mm apart";
    EXPECT_EQ(lines[0].pen.width, 2);
    EXPECT_EQ(lines[0].pen.color, 0x0000FFu);
    EXPECT_FALSE(drawVectorFigure(context, 7700, 10.0, 1.0, 22.0, 3.0, 2, 0));
}

TEST(VectorFigure, TheSpecialBoundaryKindsDrawTheirOwnLines)
{
    auto linesOfKind = [](int kind) {
        RecordingDevice device(254);
        {
            const FigurePlotter plotter(device, frameOfCell(), Pen{PenStyle::Solid, 1, 0});
            drawBoundaryKind(plotter, kind, 5.0);
        }
        return drawn(device);
    };
    EXPECT_TRUE(linesOfKind(0).empty()) << "the same layer continues: no boundary";
    const std::vector<RecordedPrimitive> dotted = linesOfKind(1);
    ASSERT_FALSE(dotted.empty());
    EXPECT_TRUE(std::all_of(dotted.begin(), dotted.end(), [](const auto& p) { return p.kind == Kind::Ellipse; }));
    const std::vector<RecordedPrimitive> dashDot = linesOfKind(2);
    EXPECT_TRUE(std::all_of(dashDot.begin(), dashDot.end(), [](const auto& p) { return p.kind == Kind::Line; }));
    EXPECT_TRUE(std::any_of(dashDot.begin(), dashDot.end(), [](const auto& p) {
        return p.points[1].x - p.points[0].x == 2;
    })) << "the dot of the dash-dot line";
    const std::vector<RecordedPrimitive> wavy = linesOfKind(3);
    ASSERT_EQ(wavy.size(), 1u);
    EXPECT_EQ(wavy[0].kind, Kind::Polyline);
    const std::vector<RecordedPrimitive> dashed = linesOfKind(4);
    ASSERT_FALSE(dashed.empty());
    for (const RecordedPrimitive& dash : dashed) {
        EXPECT_EQ(dash.kind, Kind::Line);
        EXPECT_EQ(dash.points[0].y, 250);
        EXPECT_EQ(dash.points[1].x - dash.points[0].x, 20);
    }
}

}  // namespace
}  // namespace kolv
