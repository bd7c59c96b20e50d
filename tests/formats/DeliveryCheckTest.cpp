#include "data/Fields.h"
#include "formats/DeliveryCheck.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kolv;
using kolv::test::sjis;

namespace {

// A sound borehole of 10 m in Fukui: two layers, a test, a water level.
BoringData soundBorehole()
{
    BoringData data;
    clear(data);
    const std::pair<int, const char*> heading[] = {
        {HeadingLine::LatitudeDegrees, "35"},   {HeadingLine::LatitudeMinutes, "29"},
        {HeadingLine::LatitudeSeconds, "55.6"}, {HeadingLine::LongitudeDegrees, "135"},
        {HeadingLine::LongitudeMinutes, "44"},  {HeadingLine::LongitudeSeconds, "23.8"},
        {HeadingLine::CollarElevation, "1.82"}, {HeadingLine::FinalDepth, "10.00"},
    };
    for (const auto& [line, text] : heading)
        data.setHeadingLine(line, text);
    data.layerRows.setCell(1, LayerCell::LowerDepth, "4.00");
    data.layerRows.setCell(1, LayerCell::Name, sjis("粘土"));
    data.layerRows.setCell(2, LayerCell::LowerDepth, "10.00");
    data.layerRows.setCell(2, LayerCell::Name, sjis("砂"));
    data.sptRows.setCell(1, SptCell::Depth, "5.00");
    data.sptRows.setCell(1, SptCell::NValue, "12/30");
    data.waterLevelRows.setCell(1, WaterLevelCell::Level, "-1.20");
    return data;
}

}  // namespace

TEST(DeliveryCheck, ValuesNoBoreholeCanHave)
{
    EXPECT_TRUE(valueProblems(soundBorehole()).empty()) << valueProblems(soundBorehole()).front();
    struct Case {
        const char* expected;
        std::function<void(BoringData&)> plant;
    };
    const Case cases[] = {
        {"lies outside Japan", [](BoringData& data) { data.setHeadingLine(HeadingLine::LatitudeDegrees, "52"); }},
        {"the latitude 35°61'55.6\" is no angle",
         [](BoringData& data) { data.setHeadingLine(HeadingLine::LatitudeMinutes, "61"); }},
        {"no position",
         [](BoringData& data) {
             for (int line = HeadingLine::LatitudeDegrees; line <= HeadingLine::LongitudeSeconds; ++line)
                 data.setHeadingLine(line, "");
         }},
        {"the collar elevation 5000.00 m is out of range",
         [](BoringData& data) { data.setHeadingLine(HeadingLine::CollarElevation, "5000"); }},
        {"no drilled length", [](BoringData& data) { data.setHeadingLine(HeadingLine::FinalDepth, ""); }},
        {"the last layer ends at 10.00 m, below the drilled length 8.00 m",
         [](BoringData& data) { data.setHeadingLine(HeadingLine::FinalDepth, "8.00"); }},
        {"two layers end at 4.00 m",
         [](BoringData& data) { data.layerRows.setCell(2, LayerCell::LowerDepth, "4.00"); }},
        {"the penetration test at 12.00 m lies outside the borehole",
         [](BoringData& data) { data.sptRows.setCell(1, SptCell::Depth, "12.00"); }},
        {"gives 12/300 (blows/cm) out of range",
         [](BoringData& data) { data.sptRows.setCell(1, SptCell::NValue, "12/300"); }},
        {"the water level at 11.00 m lies below the drilled length",
         [](BoringData& data) { data.waterLevelRows.setCell(1, WaterLevelCell::Level, "-11.00"); }},
    };
    for (const Case& test : cases) {
        BoringData data = soundBorehole();
        test.plant(data);
        const std::vector<std::string> problems = valueProblems(data);
        ASSERT_EQ(problems.size(), 1u) << test.expected;
        EXPECT_NE(problems.front().find(test.expected), std::string::npos) << problems.front();
    }
}

TEST(DeliveryCheck, FullWidthTextsAreOneProblemARow)
{
    BoringData data = soundBorehole();
    EXPECT_TRUE(fullWidthProblems(data).empty());
    data.layerRows.setCell(2, LayerCell::Name, sjis("砂１"));
    const std::vector<std::string> problems = fullWidthProblems(data);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems.front().find("砂１"), std::string::npos) << problems.front();
}
