// The layers of a page: boundaries, the figures at them, soil names and
// colour tones, and the layers that lie off the page.
#include "render/PatternFill.h"
#include "render/SoilColumn.h"

#include "PatternTestFolder.h"
#include "TextColumnFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kolv {
namespace {

using Kind = RecordedPrimitive::Kind;
using test::sjis;

struct LayerPage : test::PageFixture {
    // Layer rows from cells 1, 2, ...: depth, name, auxiliary name, colour tone ...
    void layers(const std::vector<std::vector<std::string>>& rows)
    {
        for (const auto& row : rows)
            addRow(data.layerRows, row);
    }

    void draw(double start = 0.0)
    {
        prepare(start);
        drawLayers(context);
    }

    double columnMiddle(int k) const { return (column(k - 1) + column(k)) / 2; }

    // Wrapped texts really drawn (not only measured).
    std::vector<RecordedPrimitive> wrappedTexts() const
    {
        std::vector<RecordedPrimitive> drawn;
        for (const RecordedPrimitive& text : device.ofKind(Kind::WrappedText))
            if (!text.measureOnly)
                drawn.push_back(text);
        return drawn;
    }

    std::vector<std::string> wrappedTextStrings() const
    {
        std::vector<std::string> strings;
        for (const RecordedPrimitive& text : wrappedTexts())
            strings.push_back(text.text);
        return strings;
    }

    // Lines starting at the left rule of a column, as leaders do.
    std::vector<RecordedPrimitive> leadersFrom(int k) const
    {
        std::vector<RecordedPrimitive> leaders;
        for (const RecordedPrimitive& line : device.ofKind(Kind::Line))
            if (line.points[0].x == deviceX(column(k)) && line.points[1].x > line.points[0].x
                && line.points[1].x <= deviceX(column(k) + 1.0))
                leaders.push_back(line);
        return leaders;
    }
};

TEST(SoilColumn, FiguresAtTheBoundaryGiveDepthThicknessAndElevation)
{
    LayerPage page;
    page.layers({{"2.00"}, {"3.50"}});
    page.data.setHeadingLine(13, "1.20");
    page.draw();
    const auto depth = page.texts(" 3.50");
    ASSERT_EQ(depth.size(), 1u);
    EXPECT_EQ(depth[0].points[0].x, page.deviceX(page.columnMiddle(3)));
    EXPECT_EQ(depth[0].points[0].y, page.deviceY(3.5));
    EXPECT_EQ(depth[0].align, TextAlign::Center | TextAlign::Bottom);
    ASSERT_EQ(page.texts("1.50").size(), 1u);
    EXPECT_EQ(page.texts("1.50")[0].points[0].x, page.deviceX(page.columnMiddle(4)));
    ASSERT_EQ(page.texts("-2.30").size(), 1u);
    EXPECT_EQ(page.texts("-2.30")[0].points[0].x, page.deviceX(page.columnMiddle(2)));
    EXPECT_EQ(page.texts("-0.80").size(), 1u);
}

TEST(SoilColumn, FiguresOfALayerThinnerThanTheirTextHangBelowTheBoundary)
{
    // 28-unit text: 0.28 m at 1:100.
    LayerPage page;
    page.layers({{"1.50"}, {"1.70"}, {"2.00"}});
    page.draw();
    ASSERT_EQ(page.texts(" 1.50").size(), 1u);
    EXPECT_EQ(page.texts(" 1.50")[0].align, TextAlign::Center | TextAlign::Bottom);
    ASSERT_EQ(page.texts(" 1.70").size(), 1u);
    EXPECT_EQ(page.texts(" 1.70")[0].align, TextAlign::Center | TextAlign::Top);
    ASSERT_EQ(page.texts(" 2.00").size(), 1u);
    EXPECT_EQ(page.texts(" 2.00")[0].align, TextAlign::Center | TextAlign::Bottom);
}

TEST(SoilColumn, ElevationsNearZeroShowZeroAndAnInclinedHoleCountsItsVerticalDepth)
{
    struct Case {
        const char* elevation;
        const char* angle;
        const char* shown;  // "" for none
    };
    const Case cases[] = {
        {"3.50", "", " 0.00"},
        {"3.499", "", " 0.00"},
        {"3.504", "0", " 0.00"},
        {"1.20", "60", "-0.55"},
        {"1.20", "0.1", "-2.30"},
        {"1.20", "200", "-2.30"},
        {"", "", ""},
        {"abc", "", ""},
    };
    for (const Case& c : cases) {
        LayerPage page;
        page.layers({{"2.00"}, {"3.50"}});
        page.data.setHeadingLine(13, c.elevation);
        page.data.setHeadingLine(24, c.angle);
        page.draw();
        std::vector<std::string> elevationTexts;
        for (const RecordedPrimitive& text : page.device.ofKind(Kind::Text))
            if (text.points[0].x == page.deviceX(page.columnMiddle(2)) && text.points[0].y == page.deviceY(3.5))
                elevationTexts.push_back(text.text);
        const std::vector<std::string> expected =
            *c.shown ? std::vector<std::string>{c.shown} : std::vector<std::string>{};
        EXPECT_EQ(elevationTexts, expected) << c.elevation << " " << c.angle;
        for (const RecordedPrimitive& text : page.device.ofKind(Kind::Text))
            EXPECT_EQ(text.text.find("-0.00"), std::string::npos) << c.elevation;
    }
}

TEST(SoilColumn, BoundariesCrossTheDepthAndSymbolColumns)
{
    LayerPage page;
    page.layers({{"2.00"}, {"3.50"}});
    page.draw();
    for (const double depth : {2.0, 3.5}) {
        EXPECT_EQ(page.linesBetween(page.column(1), depth, page.column(4), depth).size(), 1u) << depth;
        EXPECT_EQ(page.linesBetween(page.column(4), depth, page.column(5), depth).size(), 1u) << depth;
    }
    const auto rule = page.linesBetween(page.column(1), 2.0, page.column(4), 2.0)[0];
    EXPECT_EQ(rule.pen.width, page.settings.innerLineWidth);
}

TEST(SoilColumn, LayersOffThePageDrawNothingButABottomRuleOnThePage)
{
    LayerPage page;
    page.settings.depthPerPage = 10;
    page.settings.patternMode = PatternMode::BitmapOnly;
    test::PatternTestFolder folder(page.settings);
    folder.addSquare(1100, 32);
    page.layers({{"10.00", sjis("上"), "", "", "1100"},
                 {"25.00", sjis("中"), "", "", "1100"},
                 {"30.00", sjis("下"), "", "", "1100"}});
    page.draw(10.0);

    EXPECT_EQ(page.linesBetween(page.column(1), 10.0, page.column(4), 10.0).size(), 1u);
    EXPECT_TRUE(page.linesBetween(page.column(1), 25.0, page.column(4), 25.0).empty());
    EXPECT_TRUE(page.linesBetween(page.column(1), 30.0, page.column(4), 30.0).empty());
    for (const char* figure : {"10.00", "25.00", "30.00", "15.00", " 5.00", "5.00"})
        EXPECT_TRUE(page.texts(figure).empty() && page.texts(std::string(" ") + figure).empty()) << figure;
    EXPECT_EQ(page.wrappedTextStrings(), std::vector<std::string>{sjis("中")});

    const auto bitmaps = page.device.ofKind(Kind::Bitmap);
    ASSERT_FALSE(bitmaps.empty());
    EXPECT_EQ(bitmaps.front().rect.top, page.deviceY(10.0));
    EXPECT_EQ(bitmaps.back().rect.bottom, page.deviceY(20.0));
}

TEST(SoilColumn, ANameThatFitsIsCentredInItsLayerAndALongerOneHangsOnALeader)
{
    LayerPage page;
    const std::string longName = sjis("礫混じり砂質シルト（細砂を挟む）");
    page.layers({{"5.00", sjis("砂")}, {"5.30", longName}, {"5.50", sjis("粘土")}});
    page.draw();
    const auto texts = page.wrappedTexts();
    ASSERT_EQ(texts.size(), 3u);
    // 28-unit lines: "砂" centred in 500 units; the long name needs three
    // lines, more than its 30 units, and starts at its top; the next name
    // starts where the long one ends.
    EXPECT_NEAR(texts[0].rect.top, page.deviceY(2.5) - 14, 1);
    EXPECT_EQ(texts[1].rect.top, page.deviceY(5.0));
    EXPECT_NEAR(texts[2].rect.top, page.deviceY(5.0) + 84, 1);
    EXPECT_EQ(texts[1].rect.left, page.deviceX(page.column(5) + 0.6));
    EXPECT_EQ(texts[1].rect.right, page.deviceX(page.column(6) - 1.0));
    const auto leaders = page.leadersFrom(5);
    ASSERT_EQ(leaders.size(), 2u);
    EXPECT_NEAR(leaders[0].points[0].y, page.deviceY(5.15), 1);
    EXPECT_NEAR(leaders[1].points[1].y, page.deviceY(5.0) + 84 + 14, 1);
}

TEST(SoilColumn, ColourTonesWrapInTheirOwnColumn)
{
    LayerPage page;
    page.layers({{"1.00", sjis("砂"), "", sjis("暗灰")}});
    page.draw();
    const auto texts = page.wrappedTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, sjis("暗灰"));
    EXPECT_EQ(texts[1].rect.left, page.deviceX(page.column(6) + 0.6));
    EXPECT_EQ(texts[1].rect.right, page.deviceX(page.column(7) - 1.0));
}

TEST(SoilColumn, TheNameShowsItsAuxiliaryNameAndSymbolAsTheLayerAndSettingsSay)
{
    struct Case {
        const char* name;
        const char* auxiliary;
        const char* separator;
        const char* flags;
        const char* symbol;
        int alphaSymbol;
        const char* shown;
    };
    const Case cases[] = {
        {"粘土", "", "", "", "Ac", 0, "粘土"},
        {"粘土", "", "", "", "Ac", 1, "粘土(Ac)"},
        {"粘土", "", "", "", "", 1, "粘土"},
        {"粘土", "", "", "", "Ｃ", 1, "粘土（Ｃ）"},
        {"砂(細砂)", "", "", "", "S", 1, "砂(細砂)"},
        {"砂（細砂）", "", "", "", "S", 1, "砂（細砂）"},
        // Without a flag word the dialog's defaults hold: no auxiliary name.
        {"粘土", "貝殻混じり", "･", "", "", 0, "粘土"},
        {"粘土", "貝殻混じり", "(", "abc", "Ac", 1, "粘土(Ac)"},
        {"粘土", "貝殻混じり", "･", "511", "", 0, "粘土･貝殻混じり"},
        {"粘土", "貝殻混じり", "(", "511", "Ac", 1, "粘土(Ac)(貝殻混じり)"},
        {"粘土", "貝殻混じり", "（", "471", "", 0, "粘土（貝殻混じり）"},
        {"粘土", "貝殻混じり", "･", "247", "", 0, "粘土"},
        {"粘土", "貝殻混じり", "･", "375", "", 0, "貝殻混じり"},
        {"粘土", "", "", "119", "", 0, ""},
    };
    for (const Case& c : cases) {
        LayerPage page;
        page.settings.soilAlphaSymbol = c.alphaSymbol;
        page.layers({{"1.00", sjis(c.name), sjis(c.auxiliary), "", "", "", c.flags, sjis(c.symbol), "", "",
                      sjis(c.separator)}});
        page.draw();
        const std::vector<std::string> expected =
            *c.shown ? std::vector<std::string>{sjis(c.shown)} : std::vector<std::string>{};
        EXPECT_EQ(page.wrappedTextStrings(), expected) << c.shown;
    }
}

TEST(SoilColumn, TheDisplayFlagsPlaceTheFiguresAndRuleUnderNameAndColourTone)
{
    struct Case {
        const char* flags;
        bool figures;
        TextAlign vertical;
        bool underName;
        bool underColour;
        bool underDepth;  // across the depth columns
    };
    const Case cases[] = {
        {"", true, TextAlign::Bottom, true, true, true},     {"247", true, TextAlign::Bottom, true, true, true},
        {"471", true, TextAlign::Bottom, true, false, true}, {"246", true, TextAlign::Top, true, true, false},
        {"183", false, TextAlign::Bottom, true, true, true}, {"0", false, TextAlign::Bottom, false, false, false},
        {"abc", true, TextAlign::Bottom, true, true, true},
    };
    for (const Case& c : cases) {
        LayerPage page;
        page.layers({{"2.00", sjis("砂"), "", "", "", "", c.flags}});
        page.draw();
        const auto depth = page.texts(" 2.00");
        EXPECT_EQ(depth.size(), c.figures ? 1u : 0u) << c.flags;
        if (!depth.empty()) {
            EXPECT_EQ(depth[0].align, TextAlign::Center | c.vertical) << c.flags;
        }
        EXPECT_EQ(page.linesBetween(page.column(5), 2.0, page.column(6), 2.0).size(), c.underName ? 1u : 0u) << c.flags;
        EXPECT_EQ(page.linesBetween(page.column(6), 2.0, page.column(7), 2.0).size(), c.underColour ? 1u : 0u)
            << c.flags;
        EXPECT_EQ(page.linesBetween(page.column(1), 2.0, page.column(4), 2.0).size(), c.underDepth ? 1u : 0u)
            << c.flags;
    }
}

// An imported colour list steps the colour inside a layer: the rows it adds
// hold only a depth, a colour and the colour's switch (32). The layer below
// them goes on through them: one name, one pattern, one boundary with its
// figures at its real bottom; each colour keeps its own stretch and rule.
TEST(SoilColumn, AColourStepInsideALayerChangesOnlyTheColourColumn)
{
    LayerPage page;
    page.layers({{"0.20", sjis("表土"), "", sjis("茶"), "", "", "503"},
                 {"2.00", "", "", sjis("灰"), "", "", "32"},
                 {"3.50", "", "", sjis("暗灰"), "", "", "32"},
                 {"5.00", sjis("砂岩"), "", sjis("青灰"), "", "", "503"}});
    page.draw();
    // The sandstone's rules and figures only at 0.20 and 5.00.
    for (double depth : {2.0, 3.5}) {
        EXPECT_TRUE(page.linesBetween(page.column(1), depth, page.column(4), depth).empty()) << depth;
        EXPECT_TRUE(page.linesBetween(page.column(4), depth, page.column(5), depth).empty()) << depth;
        EXPECT_TRUE(page.linesBetween(page.column(5), depth, page.column(6), depth).empty()) << depth;
        EXPECT_EQ(page.linesBetween(page.column(6), depth, page.column(7), depth).size(), 1u) << depth;
    }
    EXPECT_EQ(page.linesBetween(page.column(1), 5.0, page.column(4), 5.0).size(), 1u);
    EXPECT_EQ(page.texts("4.80").size(), 1u);  // the thickness from 0.20
    EXPECT_TRUE(page.texts("1.80").empty());
    // One name, centred over the whole layer, and each colour in its stretch.
    const std::vector<std::string> texts = page.wrappedTextStrings();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), sjis("砂岩")), 1);
    for (const RecordedPrimitive& text : page.wrappedTexts()) {
        if (text.text == sjis("砂岩")) {
            EXPECT_GT(text.rect.top, page.deviceY(2.0));
            EXPECT_LT(text.rect.top, page.deviceY(3.5));
        }
    }
    for (const char* colour : {"茶", "灰", "暗灰", "青灰"})
        EXPECT_EQ(std::count(texts.begin(), texts.end(), sjis(colour)), 1) << colour;
}

TEST(SoilColumn, ASpecialCodeDrawsItsBoundaryKindAndContinuesTheLayerAbove)
{
    struct Case {
        const char* code;
        const char* name;
        bool wavy;
        bool continued;
    };
    const Case cases[] = {
        {"10003", "粘土", true, true},   // unconformity within the same clay
        {"10000", "粘土", false, true},  // the same layer goes on: no boundary
        {"10003", "砂", true, false},    // another name: nothing to continue
    };
    for (const Case& c : cases) {
        LayerPage page;
        page.settings.patternMode = PatternMode::VectorOnly;
        page.layers({{"2.00", sjis("粘土"), "", "", "", "", "", "", "", "", "", "500.2"},
                     {"4.00", sjis(c.name), "", "", "", "", "", "", "", "", "", c.code}});
        page.draw();
        EXPECT_TRUE(page.linesBetween(page.column(4), 2.0, page.column(5), 2.0).empty()) << c.code;
        EXPECT_EQ(page.linesBetween(page.column(1), 2.0, page.column(4), 2.0).size(), 1u) << c.code;
        const auto polylines = page.device.ofKind(Kind::Polyline);
        const bool wavy = std::any_of(polylines.begin(), polylines.end(), [&](const RecordedPrimitive& line) {
            return std::abs(line.points.front().y - page.deviceY(2.0)) <= 10;
        });
        EXPECT_EQ(wavy, c.wavy) << c.code;
        int clayLinesBelow = 0;
        for (const RecordedPrimitive& line : page.linesWithin(page.column(4), page.column(5)))
            if (line.points[0].y > page.deviceY(2.0) + 5 && line.points[0].y < page.deviceY(4.0))
                ++clayLinesBelow;
        EXPECT_EQ(clayLinesBelow > 0, c.continued) << c.code;
    }
}

TEST(SoilColumn, NonsenseInTheLayerCellsStillDrawsAPageInsideTheDevice)
{
    const std::vector<std::vector<std::string>> nonsense = {
        {"-5", "", "", "", "-1", "-1", "abc", "", "-1e308", "nan"},
        {"0.5", sjis("砂"), "", "", "99999999999999999999", "1e9", "99999999999", "", "inf", "1e400"},
        {"1.0", sjis("砂"), "", "", "91299", "90099", "-1", "", "99", "1"},
        {"1.0", std::string(3000, 'x'), std::string(500, '\x81'), "", "10004", "19999.9"},
        {"1e300", "", "", "", "1153", "", "", "", "", "", "", "421", "10003"},
        {"2.0", sjis("粘土"), "", "", "12345678", "", "", "", "", "", "", "-7", "1e20"},
    };
    for (const int mode : {PatternMode::VectorOnly, PatternMode::VectorThenBitmap, PatternMode::BitmapThenVector,
                           PatternMode::BitmapOnly}) {
        LayerPage page;
        page.settings.patternMode = mode;
        page.settings.patternLineWidth = 99;
        page.settings.verticalScale = 0;
        page.data.setHeadingLine(13, "1e308");
        page.data.setHeadingLine(24, "nan");
        test::PatternTestFolder folder(page.settings);
        folder.addSquare(1100, 32);
        page.layers(nonsense);
        page.draw();
        for (const RecordedPrimitive& primitive : page.device.primitives) {
            for (const DevicePoint& point : primitive.points) {
                EXPECT_LE(std::abs(point.x), 32767) << mode;
                EXPECT_LE(std::abs(point.y), 32767) << mode;
            }
            EXPECT_LE(primitive.pen.width, 3) << mode;
        }
        EXPECT_FALSE(page.device.primitives.empty()) << mode;
    }
}

}  // namespace
}  // namespace kolv
