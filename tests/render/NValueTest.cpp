#include "data/BoringData.h"
#include "render/NValue.h"
#include "render/NValueQuScale.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::sjis;

TEST(NValue, FromTheTotalText)
{
    const struct {
        const char* total;
        double n;
        long penetration;
        const char* text;
    } cases[] = {
        {"50/12", 125.0, 12, "125 "},
        {"7", 7.0, 30, "7 "},
        {"15/25", 18.0, 25, "18 "},
        {"20/35", 20.0 * 30 / 35, 35, "17.1"},
        {"50/0", nValueCap, 0, "- "},
        {"50/-3", nValueCap, -3, "- "},
        {"0", 0.0, 30, "0 "},
        {"0/45", 0.0, 45, "0 "},
        {"", 0.0, 30, "0 "},
        {"abc", 0.0, 30, "0 "},
        {"50/", 50.0, 30, "50 "},
        {"50/cm", 50.0, 30, "50 "},
        {"1200/30", 999.0, 30, "999 "},
        {"999/1", nValueCap, 1, "- "},
        {"99999999999/3", 0.0, 3, "0 "},
        {"-5", -5.0, 30, "-5 "},
    };
    for (const auto& c : cases) {
        const NValue n = nValue(c.total);
        EXPECT_NEAR(n.value, c.n, 1e-9) << c.total;
        EXPECT_EQ(n.penetration, c.penetration) << c.total;
        EXPECT_EQ(nValueText(n.value), c.text) << c.total;
    }
}

TEST(NValue, CountsAreFractionsOrPlainNumbers)
{
    BlowCount count = parseBlowCount("50/12");
    EXPECT_TRUE(count.present && count.fraction);
    EXPECT_EQ(count.blows, 50);
    EXPECT_EQ(count.penetration, 12);

    count = parseBlowCount(" 12");
    EXPECT_TRUE(count.present);
    EXPECT_FALSE(count.fraction);
    EXPECT_EQ(count.blows, 12);

    EXPECT_FALSE(parseBlowCount("").present);
    EXPECT_FALSE(parseBlowCount(sjis("　 ")).present);
    // Only the ASCII "/" separates blows and centimetres.
    count = parseBlowCount(sjis("50／12"));
    EXPECT_TRUE(count.present);
    EXPECT_FALSE(count.fraction);
    EXPECT_EQ(count.blows, 50);
}

TEST(NValue, IntervalLengthStaysVisibleAndShort)
{
    EXPECT_DOUBLE_EQ(nValueIntervalLength(30), 0.3);
    EXPECT_DOUBLE_EQ(nValueIntervalLength(12), 0.12);
    EXPECT_DOUBLE_EQ(nValueIntervalLength(0), 0.03);
    EXPECT_DOUBLE_EQ(nValueIntervalLength(-7), 0.03);
    EXPECT_DOUBLE_EQ(nValueIntervalLength(500), 0.9);
}

TEST(NValue, PlotMarksByChoice)
{
    const NValue normal = nValue("23");
    const NValue over = nValue("50/12");
    const NValue sinking = nValue("0");
    const NValue sinkingShort = nValue("0/20");
    const NValue undriven = nValue("50/0");
    struct Expect {
        bool circle, filled, arrow, zeroLine;
    };
    const struct {
        const NValue& n;
        int choice;
        Expect expect;
    } cases[] = {
        {normal, 0, {true, false, false, false}},   {normal, 1, {true, false, false, false}},
        {normal, 2, {true, false, false, false}},   {over, 0, {true, true, false, false}},
        {over, 1, {false, false, true, false}},     {over, 2, {true, true, true, false}},
        {sinking, 0, {true, true, false, false}},   {sinking, 1, {false, false, false, true}},
        {sinking, 2, {true, true, false, true}},    {sinkingShort, 1, {true, true, false, false}},
        {undriven, 1, {false, false, true, false}},
    };
    for (const auto& c : cases) {
        const NPlotMarks marks = nPlotMarks(c.n, 50, c.choice, true);
        EXPECT_EQ(marks.circle, c.expect.circle) << c.n.value << " choice " << c.choice;
        EXPECT_EQ(marks.filledCircle, c.expect.filled) << c.n.value << " choice " << c.choice;
        EXPECT_EQ(marks.overRangeArrow, c.expect.arrow) << c.n.value << " choice " << c.choice;
        EXPECT_EQ(marks.zeroLine, c.expect.zeroLine) << c.n.value << " choice " << c.choice;
    }
    EXPECT_FALSE(nPlotMarks(over, 50, 0, false).filledCircle);
    EXPECT_TRUE(nPlotMarks(sinking, 50, 1, false).zeroText);
    EXPECT_FALSE(nPlotMarks(normal, 50, 1, false).zeroText);
    EXPECT_TRUE(nPlotMarks(undriven, 50, 1, false).cannotPenetrateText);
    EXPECT_FALSE(nPlotMarks(over, 50, 1, false).cannotPenetrateText);
    // 55 blows are over the scale of 50 but on the scale of 60.
    EXPECT_TRUE(nPlotMarks(nValue("55"), 50, 1, false).overRangeArrow);
    EXPECT_FALSE(nPlotMarks(nValue("55"), 60, 1, false).overRangeArrow);
}

TEST(NValue, PlotOffsetOnTheGraph)
{
    EXPECT_EQ(graphMaxN(0), 50);
    EXPECT_EQ(graphMaxN(1), 60);
    EXPECT_DOUBLE_EQ(nPlotOffset(30, 60, 50), 25.0);
    EXPECT_DOUBLE_EQ(nPlotOffset(125, 50, 50), 50.0);
    EXPECT_DOUBLE_EQ(nPlotOffset(-5, 50, 50), 0.0);
    EXPECT_DOUBLE_EQ(nPlotOffset(10, 0, 50), 0.0);
}

TEST(NValueQuScale, PointsRunFromTheScaleMinimum)
{
    BoringData data;
    clear(data);
    QuScale scale = quScale(data);
    EXPECT_DOUBLE_EQ(scale.minimum, 0.0);
    EXPECT_DOUBLE_EQ(scale.maximum, 500.0);
    EXPECT_DOUBLE_EQ(quPlotOffset(250, scale, 50), 25.0);

    // From 100 to 300: 100 lies at the left edge, 200 in the middle (read
    // literally, 200 / 200 x 50 would put 200 at the right edge).
    data.documentOption(22).value = "100";
    data.documentOption(23).value = "300";
    scale = quScale(data);
    EXPECT_DOUBLE_EQ(quPlotOffset(100, scale, 50), 0.0);
    EXPECT_DOUBLE_EQ(quPlotOffset(200, scale, 50), 25.0);
    EXPECT_DOUBLE_EQ(quPlotOffset(900, scale, 50), 50.0);
    EXPECT_DOUBLE_EQ(quPlotOffset(20, scale, 50), 0.0);

    for (const char* maximum : {"100", "100.05", "50", ""}) {
        data.documentOption(23).value = maximum;
        EXPECT_DOUBLE_EQ(quPlotOffset(150, quScale(data), 50), 0.0) << maximum;
    }
}

TEST(NValueQuScale, MarksAtEveryStep)
{
    const auto values = [](const QuScale& scale) {
        std::vector<int> result;
        for (const QuScaleMark& mark : quScaleMarks(scale, 50))
            result.push_back(mark.value);
        return result;
    };
    EXPECT_EQ(values({0, 500, 100}), (std::vector<int>{0, 100, 200, 300, 400, 500}));
    EXPECT_EQ(values({0, 250, 100}), (std::vector<int>{0, 100, 200, 250}));
    EXPECT_EQ(values({0, 500, 0}), (std::vector<int>{0, 500}));
    EXPECT_EQ(values({0, 500, 1}), (std::vector<int>{0, 500}));
    EXPECT_EQ(values({300, 300, 100}), (std::vector<int>{300}));
    // A scale too large for its step to count still ends.
    EXPECT_LE(values({1e17, 1e17 + 10, 1}).size(), 21u);
    const std::vector<QuScaleMark> marks = quScaleMarks({100, 300, 100}, 50);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_DOUBLE_EQ(marks[1].offset, 25.0);
}
