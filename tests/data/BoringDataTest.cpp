#include "data/BoringData.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::sjis;

TEST(IsNumericText, LooksOnlyAtTheFirstCharacterAfterBlanks)
{
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"", -1}, {"   ", -1}, {sjis("　"), -1}, {"12.5", 1}, {"  12.5", 1},   {sjis("　　12.5"), 1},
        {"-", 1}, {".5m", 1},  {"+3", 1},        {"m12", 0},  {sjis("砂"), 0}, {sjis("１２"), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isNumericText(c.text), c.expected) << c.text;
}

TEST(BoringData, TablesArePackedFromRowOne)
{
    BoringData data;
    data.layerRows.setCell(2, 1, "5.00");
    data.layerRows.setCell(3, 1, "7.00");
    EXPECT_EQ(layerCount(data), 0);
    EXPECT_EQ(lastLayerDepth(data), "");
    data.layerRows.setCell(1, 1, "1.00");
    EXPECT_EQ(layerCount(data), 3);
    EXPECT_EQ(lastLayerDepth(data), "7.00");
    updateLastLayerDepth(data);
    EXPECT_EQ(data.headingLine(45), "7.00");
}

TEST(BoringData, SptCountSetsTheEndDepthOfTheLastTest)
{
    const struct {
        std::string depth;
        std::string nValue;
        std::string expected;
    } cases[] = {
        {"10.15", "50/12", "10.27"},
        {"10.15", "23", "10.45"},
        {"", "", "0.30"},
    };
    for (const auto& c : cases) {
        BoringData data;
        data.sptRows.setCell(1, 1, c.depth);
        data.sptRows.setCell(1, 2, c.nValue);
        EXPECT_EQ(lastSptEndDepth(data), c.expected) << c.depth << " " << c.nValue;
    }
}

TEST(BoringData, FullTablesStopAtTheirCapacity)
{
    BoringData data;
    for (int row = 1; row <= BoringData::SptTable::capacity; ++row)
        data.sptRows.setCell(row, 1, "1");
    EXPECT_EQ(sptCount(data), 300);
}

TEST(BoringData, ClearAppliesTheOptionDefaults)
{
    BoringData data;
    data.documentOption(1).defaultValue = "5";
    data.documentOption(2).defaultValue = "abc";
    data.documentOption(16) = {"x", "3.5"};
    data.documentOption(22).value = "9";
    data.setHeadingLine(120, "last");
    data.layerRows.setCell(200, 11, "x");
    clear(data);
    EXPECT_EQ(data.documentOption(1).value, "5");
    EXPECT_EQ(data.documentOption(2).value, "");
    EXPECT_EQ(data.documentOption(16).value, "");
    EXPECT_EQ(data.documentOption(16).defaultValue, "");
    EXPECT_EQ(data.documentOption(22).value, "0");
    EXPECT_EQ(data.documentOption(23).value, "500");
    EXPECT_EQ(data.documentOption(24).value, "100");
    EXPECT_EQ(data.headingLine(120), "");
    EXPECT_EQ(data.layerRows.cell(200, 11), "");
}
