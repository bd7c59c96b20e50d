#include "data/BoringData.h"
#include "render/Footer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::sjis;

namespace {

BoringData footerData(const std::string& prefix, const std::string& start, const std::string& suffix)
{
    BoringData data;
    clear(data);
    data.setHeadingLine(61, prefix);
    data.setHeadingLine(62, start);
    data.setHeadingLine(63, suffix);
    return data;
}

}  // namespace

TEST(Footer, PageNumberCountsFromTheStartNumber)
{
    const struct {
        const char* start;
        int page;
        const char* text;
    } cases[] = {
        {"1", 3, "(3)"},     {"11", 3, "(13)"}, {" 5", 1, "(5)"},  {"abc", 1, "(abc)"},
        {"abc", 4, "(abc)"}, {"", 2, "()"},     {"-2", 1, "(-2)"}, {"2147483647", 3, "(2147483649)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pageFooter(footerData("(", c.start, ")"), c.page).text, c.text) << c.start << " " << c.page;
    EXPECT_EQ(pageFooter(footerData(sjis("第"), "1", sjis("頁")), 2).text, sjis("第2頁"));
    EXPECT_EQ(pageFooter(footerData("", "", ""), 1).text, "");
}

TEST(Footer, PositionSettings)
{
    BoringData data = footerData("-", "1", "-");
    PageFooter footer = pageFooter(data, 1);
    EXPECT_EQ(footer.verticalMode, FooterVerticalMode::FromPaperTop);
    EXPECT_FALSE(footer.centred);

    data.setHeadingLine(64, "1");
    data.setHeadingLine(65, "281");
    data.setHeadingLine(66, "2.0");
    data.setHeadingLine(67, "1");
    data.setHeadingLine(68, "20");
    data.setHeadingLine(69, "105");
    footer = pageFooter(data, 1);
    EXPECT_EQ(footer.verticalMode, FooterVerticalMode::BelowLog);
    EXPECT_DOUBLE_EQ(footer.distanceFromPaperTop, 281.0);
    EXPECT_DOUBLE_EQ(footer.distanceBelowLog, 2.0);
    EXPECT_TRUE(footer.centred);
    EXPECT_DOUBLE_EQ(footer.leftFromPaperEdge, 20.0);
    EXPECT_DOUBLE_EQ(footer.centreFromPaperEdge, 105.0);
}
