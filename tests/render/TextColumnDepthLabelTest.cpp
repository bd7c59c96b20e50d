#include "data/BoringData.h"
#include "render/TextColumnDepthLabel.h"

#include <gtest/gtest.h>

using namespace kolv;

TEST(TextColumnDepthLabel, DepthElevationOrNegativeDepth)
{
    const struct {
        const char* choice;
        const char* elevation;
        const char* angle;
        double depth;
        const char* label;  // nullptr: no label
    } cases[] = {
        {"0", "", "", 3.45, " 3.45"},         {"", "", "", 12.5, "12.50"},         {"2", "", "", 3.45, "-3.45"},
        {"2", "", "", 0.0, " 0.00"},          {"1", "1.20", "", 3.50, "-2.30"},    {"1", "3.50", "", 3.50, " 0.00"},
        {"1", "3.50", "0.05", 3.50, " 0.00"}, {"1", "10.00", "60", 4.00, " 8.00"}, {"1", "10.00", "190", 4.00, " 6.00"},
        {"1", "-999.9", "", 1.00, nullptr},   {"1", "", "", 1.00, nullptr},        {"1", "abc", "", 1.00, nullptr},
    };
    for (const auto& c : cases) {
        BoringData data;
        clear(data);
        data.setHeadingLine(50, c.choice);
        data.setHeadingLine(13, c.elevation);
        data.setHeadingLine(24, c.angle);
        const auto label = testDepthLabel(data, c.depth);
        if (c.label)
            EXPECT_EQ(label.value_or("(none)"), c.label) << c.choice << " " << c.elevation << " " << c.depth;
        else
            EXPECT_FALSE(label) << c.choice << " " << c.elevation;
    }
}
