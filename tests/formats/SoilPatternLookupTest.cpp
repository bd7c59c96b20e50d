#include "FormatTestSupport.h"
#include "formats/SoilPatternLookup.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::sjis;
using kolv::test::smallMaster;

namespace {

struct LookupCase {
    const char* why;
    const char* name;
    const char* hint;
    int set;
    long major;
    int minor;
    const char* symbol;
};

}  // namespace

TEST(SoilPatternLookup, EveryStepOfTheLookup)
{
    const LookupCase cases[] = {
        {"whole name", "砂礫", "", 1, 10100, 0, "G"},
        {"whole name before its parts", "玉石混じり砂礫", "", 1, 10200, 0, "Gb"},
        {"modifier and base; 混り reads as 混じり", "礫混り砂", "", 1, 201, 0, "Sg"},
        {"unknown modifier keeps the base with a dash", "木片混じり砂", "", 1, 200, 0, "S-"},
        {"qualifier, then the part after 質", "砂質シルト", "", 1, 320, 0, "MS"},
        {"modifier, qualifier and base", "貝殻混じりシルト質粘土", "", 1, 433, 2, "CMsh"},
        {"a base name holding 質 wins over the qualifier 火山灰質", "火山灰質粘性土", "", 1, 600, 2, "V"},
        {"a base name holding 質 after a modifier", "砂混じり有機質土", "", 1, 502, 1, "Os"},
        {"longest base name wins", "砂岩", "", 1, 800, 0, "Ss"},
        {"later entry wins among equal lengths", "礫砂", "", 1, 200, 0, "S"},
        {"alternation with ・", "砂・シルト互層", "", 1, 90203, 0, "S/M"},
        {"alternation with ･", "礫･粘土互層", "", 1, 90104, 2, "G/C"},
        {"alternation: different marks give 3", "有機質土・粘土互層", "", 1, 90504, 3, "O/C"},
        {"alternation: ･ is found by characters (磁 ends in 0xA5)", "磁鉄砂･シルト互層", "", 1, 90203, 0, "S/M"},
        {"alternation without a dot", "砂シルト互層", "", 1, 0, 0, ""},
        {"numeric hint replaces the major number", "砂", "247", 1, 247, 0, "S"},
        {"negative hint counts by its absolute value", "砂", "-12.7", 1, 12, 0, "S"},
        {"text hint is no number", "砂", "abc", 1, 200, 0, "S"},
        {"hint applies to unknown names too", "木片", "471", 1, 471, 0, ""},
        {"nothing matches", "木片", "", 1, 0, 0, ""},
        {"a modifier alone that matches nothing gives no dash", "木片混じり", "", 1, 0, 0, ""},
        {"a base without a pattern in the set is no base there", "埋土", "", 0, 0, 0, ""},
        {"the same base on the other set", "埋土", "", 1, 700, 0, "B"},
        {"a qualifier without a pattern in the set adds nothing", "有機質シルト", "", 0, 300, 0, "MO"},
        {"the same qualifier on the other set", "有機質シルト", "", 1, 350, 0, "MO"},
    };
    for (const LookupCase& c : cases) {
        const SoilPattern pattern = lookupSoilPattern(sjis(c.name), c.hint, smallMaster(), c.set);
        EXPECT_EQ(pattern.major, c.major) << c.why;
        EXPECT_EQ(pattern.minor, c.minor) << c.why;
        EXPECT_EQ(pattern.symbol, sjis(c.symbol)) << c.why;
    }
}

TEST(SoilPatternLookup, NamesTheMasterLacksTakeThePatternOfTheirFamily)
{
    const LookupCase cases[] = {
        {"a rock", "緑色岩", "", 1, 1700, 0, "R"},
        {"a deposit", "段丘堆積物", "", 1, 200, 1, "Dp"},
        {"talus", "崖錐", "", 0, 5100, 1, "Dt"},
        {"a soil", "崩積土", "", 1, 4400, 1, "So"},
        {"blanks and a bracketed note at the end", "珪長岩（貫入岩） ", "", 1, 1700, 0, "R"},
        {"a qualifier before a family", "砂質岩盤", "", 1, 1720, 0, "RS"},
        {"a modifier before a family", "礫混じり崩積土", "", 1, 4401, 1, "Sog"},
        {"a family in an alternation", "緑色岩・砂岩互層", "", 1, 91708, 0, "R/Ss"},
        {"the master's own base name wins", "砂岩", "", 1, 800, 0, "Ss"},
        {"a base name in the text wins", "含礫砂岩", "", 1, 800, 0, "Ss"},
        {"a head the master holds without a pattern in the set stays without", "埋土(木片)", "", 0, 0, 0, ""},
        {"a hint still replaces the major number", "緑色岩", "471", 1, 471, 0, "R"},
        {"no family", "木片", "", 1, 0, 0, ""},
        {"a family noun that does not end the name", "岩片", "", 1, 0, 0, ""},
    };
    for (const LookupCase& c : cases) {
        const SoilPattern pattern = lookupSoilPattern(sjis(c.name), c.hint, smallMaster(), c.set);
        EXPECT_EQ(pattern.major, c.major) << c.why;
        EXPECT_EQ(pattern.minor, c.minor) << c.why;
        EXPECT_EQ(pattern.symbol, sjis(c.symbol)) << c.why;
    }
    // A master of the user's own that lists a name wins over its family; a
    // master without gravel still draws gravel.
    const SoilNameMaster own = test::makeMaster({{1, "緑色岩", "Gs", 2500, 2500}});
    EXPECT_EQ(lookupSoilPattern(sjis("緑色岩"), {}, own, 1).major, 2500);
    EXPECT_EQ(lookupSoilPattern(sjis("細礫"), {}, own, 1).major, 100);
}

TEST(SoilPatternLookup, EmptyMasterAndOddInputNeverFail)
{
    const SoilNameMaster empty;
    for (std::string_view name : {std::string_view(), std::string_view("\x82"), std::string_view("\xE8\x82\xE8")}) {
        const SoilPattern pattern = lookupSoilPattern(name, {}, empty, 1);
        EXPECT_EQ(pattern.major, 0);
        EXPECT_EQ(pattern.symbol, "");
    }
    SoilNameMaster broken = smallMaster();
    broken.lastRow[1][1] = 9999;  // past the rows
    EXPECT_EQ(lookupSoilPattern(sjis("砂"), {}, broken, 1).major, 200);
    EXPECT_EQ(lookupSoilPattern(sjis("砂"), {}, smallMaster(), 2).major, 0);
}

TEST(SoilPatternLookup, VectorCodesFollowTheLayerNames)
{
    BoringData data;
    clear(data);
    data.layerRows.setCell(1, 1, "2.00");
    data.layerRows.setCell(1, 2, sjis("砂質シルト"));
    data.layerRows.setCell(1, 3, sjis("粘土"));
    data.layerRows.setCell(1, 5, "9.9");
    data.layerRows.setCell(2, 1, "4.00");
    data.layerRows.setCell(2, 12, "stale");
    data.layerRows.setCell(2, 13, "stale");
    data.layerRows.setCell(2, 14, "stale");
    data.layerRows.setCell(3, 2, sjis("砂"));  // not occupied: no depth

    rebuildVectorCodes(data, smallMaster());

    EXPECT_EQ(data.layerRows.cell(1, 12), "320.0");
    EXPECT_EQ(data.layerRows.cell(1, 13), "400.2");
    EXPECT_EQ(data.layerRows.cell(1, 14), sjis("MS"));
    EXPECT_EQ(data.layerRows.cell(1, 5), "9.9");
    EXPECT_EQ(data.layerRows.cell(2, 12), "");
    EXPECT_EQ(data.layerRows.cell(2, 13), "");
    EXPECT_EQ(data.layerRows.cell(2, 14), "");
    EXPECT_EQ(data.layerRows.cell(3, 12), "");
}
