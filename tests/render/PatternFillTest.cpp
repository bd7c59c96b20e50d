// The soil symbol column's pattern: where a layer's codes come from, how a
// code is taken apart and how each pattern number is drawn.
#include "render/PatternFill.h"
#include "render/SoilColumn.h"
#include "settings/SettingsStore.h"

#include "PatternTestFolder.h"
#include "TextColumnFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

namespace kolv {
namespace {

using Kind = RecordedPrimitive::Kind;

// A page at 254 dpi (10 device units per millimetre) with a pattern folder
// whose bitmaps tell themselves apart by their widths.
struct PatternFixture : test::PageFixture {
    test::PatternTestFolder folder{settings};

    PatternFixture()
    {
        folder.addSquare(1100, 32);
        folder.addSquare(50, 16);
        folder.addSquare(3, 8);
        folder.addSquare(1200, 24);
        folder.addSquare(3400, 20);
    }

    // One layer from 0 to 3 m with the given cells (cell number, text).
    void layer(std::vector<std::pair<int, std::string>> cells)
    {
        data.layerRows.setCell(1, 1, "3.00");
        for (auto& [cell, text] : cells)
            data.layerRows.setCell(1, cell, text);
    }

    void draw()
    {
        prepare();
        drawLayers(context);
    }

    // (bitmap width, operation) of every bitmap step, in drawing order.
    std::vector<std::pair<int, RasterOperation>> bitmapSteps() const
    {
        std::vector<std::pair<int, RasterOperation>> steps;
        for (const RecordedPrimitive& bitmap : device.ofKind(Kind::Bitmap))
            steps.push_back({bitmap.bitmapWidth, bitmap.operation});
        return steps;
    }

    std::vector<RecordedPrimitive> bitmapsOfWidth(int width) const
    {
        std::vector<RecordedPrimitive> found;
        for (const RecordedPrimitive& bitmap : device.ofKind(Kind::Bitmap))
            if (bitmap.bitmapWidth == width)
                found.push_back(bitmap);
        return found;
    }

    // Marks of a vector figure: everything drawn inside the symbol column
    // but the layer's bottom rule.
    std::vector<RecordedPrimitive> figureMarks() const
    {
        std::vector<RecordedPrimitive> marks;
        const int bottomRule = deviceY(3.0);
        for (const RecordedPrimitive& primitive : device.primitives) {
            if (primitive.kind == Kind::Clip || primitive.kind == Kind::ResetClip)
                continue;
            const int x = primitive.points.empty() ? primitive.rect.left : primitive.points[0].x;
            const bool inColumn = x >= deviceX(column(4)) - 20 && x <= deviceX(column(5)) + 20;
            const bool isBottomRule = primitive.kind == Kind::Line && primitive.points[0].y == bottomRule
                && primitive.points[1].y == bottomRule;
            if (inColumn && !isBottomRule && primitive.kind != Kind::Text && primitive.kind != Kind::WrappedText)
                marks.push_back(primitive);
        }
        return marks;
    }
};

TEST(PatternCode, KindsFollowTheDecimalPlacesOfTheCode)
{
    const std::pair<long, CodeKind> cases[] = {
        {-1, CodeKind::None},      {0, CodeKind::Layered},     {3, CodeKind::Layered},     {1100, CodeKind::Layered},
        {1153, CodeKind::Layered}, {25000, CodeKind::Layered}, {10000, CodeKind::Special}, {10004, CodeKind::Special},
        {10005, CodeKind::Whole},  {10100, CodeKind::Whole},   {19999, CodeKind::Whole},   {90000, CodeKind::Split},
        {91234, CodeKind::Split},
    };
    for (const auto& [code, kind] : cases)
        EXPECT_EQ(classifyPatternCode(code), kind) << code;
}

TEST(PatternCode, ALayeredCodeCopiesItsBaseThenLaysItsOverlaysOnWithAnd)
{
    PatternFixture page;
    page.settings.patternMode = PatternMode::BitmapOnly;
    page.layer({{5, "1153.2"}});
    page.draw();
    // Symbol cell 12 mm: destination 119 units wide from one unit right of
    // its left rule; tiles 119 high down the 300 units of the layer.
    using Op = RasterOperation;
    const std::vector<std::pair<int, Op>> expected = {{32, Op::Copy}, {32, Op::Copy}, {32, Op::Copy},
                                                      {16, Op::And},  {16, Op::And},  {16, Op::And},
                                                      {8, Op::And},   {8, Op::And},   {8, Op::And}};
    EXPECT_EQ(page.bitmapSteps(), expected);
    const RecordedPrimitive first = page.device.ofKind(Kind::Bitmap).front();
    EXPECT_EQ(first.rect.left, page.deviceX(page.column(4)) + 1);
    EXPECT_EQ(first.rect.right - first.rect.left, 119);
    EXPECT_EQ(first.rect.top, page.deviceY(0.0));
    EXPECT_EQ(page.device.ofKind(Kind::Bitmap).back().rect.bottom, page.deviceY(3.0));
}

TEST(PatternCode, ABaseCodeAloneDrawsOnlyItsBasePattern)
{
    PatternFixture page;
    page.settings.patternMode = PatternMode::BitmapOnly;
    page.layer({{5, "1100"}});
    page.draw();
    const auto steps = page.bitmapSteps();
    ASSERT_FALSE(steps.empty());
    for (const auto& [width, operation] : steps) {
        EXPECT_EQ(width, 32);
        EXPECT_EQ(operation, RasterOperation::Copy);
    }
}

TEST(PatternCode, ASplitCodeSharesTheCellByTheLayersPercentage)
{
    struct Case {
        const char* percentage;
        double share;
    };
    for (const Case c : {Case{"30", 0.30}, Case{"0", 0.5}, Case{"150", 0.5}, Case{"", 0.5}}) {
        PatternFixture page;
        page.settings.patternMode = PatternMode::BitmapOnly;
        page.layer({{5, "91234"}, {9, c.percentage}});
        page.draw();
        const auto left = page.bitmapsOfWidth(24);   // J1200
        const auto right = page.bitmapsOfWidth(20);  // J3400
        ASSERT_FALSE(left.empty()) << c.percentage;
        ASSERT_FALSE(right.empty()) << c.percentage;
        const double split = page.column(4) + 12.0 * c.share;
        EXPECT_EQ(left[0].rect.left, page.deviceX(page.column(4)) + 1);
        EXPECT_NEAR(left[0].rect.right, page.deviceX(split), 1) << c.percentage;
        EXPECT_NEAR(right[0].rect.left, page.deviceX(split) + 1, 1) << c.percentage;
        EXPECT_NEAR(right[0].rect.right, page.deviceX(page.column(5)), 1) << c.percentage;
        EXPECT_EQ(left[0].operation, RasterOperation::Copy);
        EXPECT_EQ(right[0].operation, RasterOperation::Copy);
        EXPECT_EQ(page.bitmapSteps().front().first, 24) << "the left pattern first";
    }
}

TEST(PatternCode, TwoCodesShareTheCellLeftAndRight)
{
    PatternFixture page;
    page.settings.patternMode = PatternMode::BitmapOnly;
    page.layer({{5, "1100"}, {6, "1200.1"}});
    page.draw();
    const auto left = page.bitmapsOfWidth(32);
    const auto right = page.bitmapsOfWidth(24);
    ASSERT_FALSE(left.empty());
    ASSERT_FALSE(right.empty());
    const double middle = page.column(4) + 6.0;
    EXPECT_NEAR(left[0].rect.right, page.deviceX(middle), 1);
    EXPECT_NEAR(right[0].rect.left, page.deviceX(middle) + 1, 1);
}

TEST(PatternSource, EachChoiceTakesItsCodesFromItsCellsAndFallsBackOnlyWhenNothingWasDrawn)
{
    struct Case {
        const char* name;
        int mode;
        const char* vectorCode;  // cell 12
        const char* bitmapCode;  // cell 5
        bool bitmaps;
        bool figure;
    };
    const Case cases[] = {
        {"vector only", PatternMode::VectorOnly, "300.1", "1100", false, true},
        {"vector only without a vector code", PatternMode::VectorOnly, "", "1100", false, false},
        {"vector first", PatternMode::VectorThenBitmap, "300.1", "1100", false, true},
        {"vector first, no figure for 7700", PatternMode::VectorThenBitmap, "7700", "1100", true, false},
        {"bitmap first", PatternMode::BitmapThenVector, "300", "1100", true, false},
        {"bitmap first, no file J4200", PatternMode::BitmapThenVector, "300", "4200", false, true},
        {"bitmap only", PatternMode::BitmapOnly, "300", "4200", false, false},
        {"no such choice", 7, "300", "1100", false, false},
    };
    for (const Case& c : cases) {
        PatternFixture page;
        page.settings.patternMode = c.mode;
        page.layer({{5, c.bitmapCode}, {12, c.vectorCode}});
        page.draw();
        EXPECT_EQ(!page.device.ofKind(Kind::Bitmap).empty(), c.bitmaps) << c.name;
        EXPECT_EQ(!page.device.ofKind(Kind::Ellipse).empty(), c.figure) << c.name;
    }
}

TEST(PatternSource, VectorFiguresTakeTheColourTableThePenWidthAndTheAllBlackSwitch)
{
    struct Case {
        int allBlack;
        int lineWidth;
        ColorRef colour;
        int width;
    };
    for (const Case c : {Case{0, 0, 0x00FF0000, 1}, Case{0, 2, 0x00FF0000, 3}, Case{1, 1, 0, 2}}) {
        PatternFixture page;
        page.settings.patternMode = PatternMode::VectorOnly;
        page.settings.patternColors.pairs = {{400, 0x0000FF00}, {500, 0x00FF0000}};
        page.settings.patternAllBlack = c.allBlack;
        page.settings.patternLineWidth = c.lineWidth;
        page.layer({{12, "500.2"}});
        page.draw();
        const auto marks = page.figureMarks();
        ASSERT_GT(marks.size(), 20u);
        for (const RecordedPrimitive& mark : marks) {
            EXPECT_EQ(mark.pen.color, c.colour);
            EXPECT_EQ(mark.pen.width, c.width);
        }
    }
}

TEST(PatternSource, ALayeredVectorCodeDrawsItsBaseAndBothOverlays)
{
    PatternFixture page;
    page.settings.patternMode = PatternMode::VectorOnly;
    page.settings.patternColors.pairs = {{400, 1}, {20, 2}, {1, 3}};
    page.layer({{12, "421.2"}});
    page.draw();
    std::set<ColorRef> colours;
    for (const RecordedPrimitive& mark : page.figureMarks())
        colours.insert(mark.pen.color);
    EXPECT_EQ(colours, (std::set<ColorRef>{1, 2, 3})) << "シルト, then 砂質 and 礫混じり laid over it";
}

TEST(PatternSource, AnUnreadableBitmapDrawsNoPatternButTheLayerStillShows)
{
    PatternFixture page;
    page.folder.addFile("J1100.BMP", "BM this is not a bitmap");
    page.settings.patternMode = PatternMode::BitmapOnly;
    page.layer({{5, "1100"}, {2, test::sjis("粘土")}});
    page.draw();
    EXPECT_TRUE(page.device.ofKind(Kind::Bitmap).empty());
    EXPECT_FALSE(page.linesBetween(page.column(1), 3.0, page.column(4), 3.0).empty());
    EXPECT_FALSE(page.texts(" 3.00").empty());
}

TEST(PatternSource, ABitmapIsReadOnceUntilTheReferenceDataIsLoadedAgain)
{
    PatternFixture page;
    page.settings.patternMode = PatternMode::BitmapOnly;
    page.layer({{5, "1100"}});
    const auto widthsDrawn = [&] {
        page.draw();
        std::set<int> widths;
        for (const auto& step : page.bitmapSteps())
            widths.insert(step.first);
        return widths;
    };
    // Loads the settings of an installation folder without files, keeping
    // the values the page is drawn with.
    const auto reload = [&] {
        const SettingsValues values = page.settings.values();
        const auto fontSlots = page.settings.fontSlots;
        page.settings.installFolderOverride = page.folder.folder() + "/..";
        loadSettings(page.settings, page.data, true, page.issues);
        page.settings.values() = values;
        page.settings.fontSlots = fontSlots;
    };
    const std::string file = page.folder.folder() + "/J1100.BMP";

    EXPECT_EQ(widthsDrawn(), std::set<int>{32});
    std::filesystem::remove(file);
    EXPECT_EQ(widthsDrawn(), std::set<int>{32}) << "the file is not read again on a repaint";
    reload();
    EXPECT_EQ(widthsDrawn(), std::set<int>{});
    page.folder.addSquare(1100, 12);
    EXPECT_EQ(widthsDrawn(), std::set<int>{}) << "a missing file is not looked for on every repaint";
    reload();
    EXPECT_EQ(widthsDrawn(), std::set<int>{12});

    page.folder.addBitmap(1100, test::squareBitmap(6), "01");
    page.settings.bitmapMono = 1;
    EXPECT_EQ(widthsDrawn(), std::set<int>{6}) << "the monochrome set is another folder";
    page.settings.bitmapMono = 0;
    page.settings.patternFolder = "C:\\Elsewhere";
    EXPECT_EQ(widthsDrawn(), std::set<int>{});
}

TEST(PatternSource, ACellNarrowerThanOneDeviceUnitEndsWithoutTiles)
{
    // At 1:500 a symbol column narrowed to 0.5 mm is 1 device unit wide, so
    // the destination is no wider than 0: read literally, tiles of no height
    // would be stacked for ever.
    PatternFixture page;
    page.settings.patternMode = PatternMode::BitmapThenVector;
    page.settings.horizontalScale = 500;
    page.data.documentOption(4).value = "-115";
    page.layer({{5, "1100"}, {12, "300"}});
    page.draw();
    EXPECT_TRUE(page.device.ofKind(Kind::Bitmap).empty());
    EXPECT_TRUE(page.device.ofKind(Kind::Ellipse).empty()) << "the bitmap counted as drawn";
}

}  // namespace
}  // namespace kolv
