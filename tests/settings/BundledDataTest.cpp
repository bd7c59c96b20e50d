#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/Issue.h"
#include "settings/FontSlotFile.h"
#include "settings/SettingsStore.h"
#include "settings/ShortTextMaster.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using namespace kolv;
using kolv::test::sjis;

namespace {

// Every pattern number the vector figures know.
std::vector<long> vectorPatternNumbers()
{
    std::vector<long> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 10, 20, 30, 40, 50};
    auto addRange = [&numbers](long first, long last) {
        for (long number = first; number <= last; number += 100)
            numbers.push_back(number);
    };
    addRange(100, 900);
    addRange(1100, 1700);
    addRange(2100, 3100);
    numbers.insert(numbers.end(), {3300, 3400, 3500, 3600, 3800});
    addRange(4100, 5200);
    numbers.insert(numbers.end(), {6100, 6200, 6300, 6400, 6800, 6900});
    addRange(8100, 8700);
    numbers.insert(numbers.end(), {10000, 10001, 10002, 10003, 10004, 10091, 10092, 10093});
    return numbers;
}

bool isVectorNumber(long number)
{
    const std::vector<long> numbers = vectorPatternNumbers();
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

// An alternation of two figures: 90000, the first figure's number and the
// hundreds of the second ("砂岩頁岩互層": 90000 + 1200 + 21).
bool isAlternationOfVectorNumbers(long number)
{
    const long figures = number - 90000;
    return figures > 0 && figures < 10000 && isVectorNumber(figures / 100 * 100) && isVectorNumber(figures % 100 * 100);
}

struct BundledSettings {
    kolv::test::TemporaryFolder root;
    LogSettings settings;
    BoringData data;
    Issues issues;

    BundledSettings()
    {
        settings.dataRoot = root.path();
        settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        loadSettings(settings, data, false, issues);
    }
};

}  // namespace

TEST(BundledData, LoadsWithoutAMessage)
{
    BundledSettings bundled;
    for (const auto& message : bundled.issues)
        ADD_FAILURE() << cp932ToUtf8(message.text);
    const LogSettings& settings = bundled.settings;

    EXPECT_EQ(settings.gridVPitch, 1);
    EXPECT_EQ(settings.gridHPitch, 1);
    EXPECT_EQ(settings.nDepthLabelPos, 2);
    EXPECT_EQ(settings.outOfRangeBlackDot, 1);
    EXPECT_EQ(settings.showConvertedN, 0);
    EXPECT_EQ(settings.quCircleRadius, "1");
    EXPECT_EQ(settings.quSymbolColor, "0xff0000");
    EXPECT_EQ(settings.outerLineWidth, 2);
    EXPECT_EQ(settings.grid10VLineWidth, 1);
    EXPECT_EQ(settings.grid10VDash, 10);
    EXPECT_EQ(settings.grid10HLineWidth, 1);
    EXPECT_EQ(settings.grid5LineWidth, 1);
    EXPECT_EQ(settings.insituLineWidth, 1);
    EXPECT_EQ(settings.grid5Color, "0xcccccc");
    EXPECT_EQ(settings.leftMargin, 5);
    EXPECT_EQ(settings.patternFolder, settings.installFolder + "\\Jbptn");
    EXPECT_EQ(settings.engineerMasterPath, settings.installFolder + "\\M.mst");
    EXPECT_EQ(settings.documentOptionDefaults[0], "0");
    EXPECT_EQ(settings.documentOptionDefaults[12], "0");
    EXPECT_EQ(settings.documentOptionDefaults[13], "");
    EXPECT_EQ(settings.documentOptionDefaults[21], "0.");
    EXPECT_EQ(settings.documentOptionDefaults[22], "500");
    EXPECT_EQ(settings.documentOptionDefaults[23], "100");

    for (int slot = 1; slot <= fontSlotCount; ++slot) {
        const FontSlot expected = defaultFontSlot(slot);
        EXPECT_DOUBLE_EQ(settings.fontSlots[static_cast<std::size_t>(slot - 1)].size, expected.size);
        EXPECT_EQ(settings.fontSlots[static_cast<std::size_t>(slot - 1)].face, expected.face);
    }
}

TEST(BundledData, ColoursEveryVectorPattern)
{
    BundledSettings bundled;
    const PatternColorTable& colors = bundled.settings.patternColors;
    const std::vector<long> numbers = vectorPatternNumbers();
    ASSERT_EQ(colors.pairs.size(), numbers.size());
    for (std::size_t index = 0; index < numbers.size(); ++index)
        EXPECT_EQ(colors.pairs[index].first, numbers[index]);
    EXPECT_NE(colors.colorOf(300), 0u);
    EXPECT_NE(colors.colorOf(500), colors.colorOf(300));
    EXPECT_EQ(colors.colorOf(1), 0u);
    EXPECT_EQ(colors.colorOf(10000), 0u);
    EXPECT_EQ(colors.colorOf(10003), 0x0000ffu) << "COLORREF red";
}

TEST(BundledData, SoilNameMasterFollowsThePatternNumbering)
{
    BundledSettings bundled;
    const SoilNameMaster& master = bundled.settings.soilNameMaster;
    EXPECT_EQ(master.version, 660);
    ASSERT_EQ(master.rows.size(), 122u);
    constexpr int lastWholeOrBaseName = 107;
    constexpr int lastModifier = 117;
    for (int set = 0; set < 2; ++set) {
        EXPECT_EQ(master.firstRow[1][set], 1);
        EXPECT_EQ(master.lastRow[1][set], lastWholeOrBaseName);
        EXPECT_EQ(master.firstRow[2][set], lastWholeOrBaseName + 1);
        EXPECT_EQ(master.lastRow[2][set], lastModifier);
        EXPECT_EQ(master.firstRow[3][set], lastModifier + 1);
        EXPECT_EQ(master.lastRow[3][set], 122);
    }
    std::set<std::string> names;
    for (int row = 1; row <= 122; ++row) {
        const SoilNameRow& entry = master.rows[static_cast<std::size_t>(row - 1)];
        SCOPED_TRACE(cp932ToUtf8(entry.name));
        EXPECT_TRUE(names.insert(entry.name).second) << "names are unique";
        EXPECT_FALSE(entry.symbol.empty());
        const long vector = entry.patternNumber[0];
        EXPECT_TRUE(isVectorNumber(vector) || isAlternationOfVectorNumbers(vector));
        const long bitmap = entry.patternNumber[1];
        EXPECT_TRUE(isVectorNumber(bitmap) || isAlternationOfVectorNumbers(bitmap)
                    || (bitmap >= 10100 && bitmap <= 19999));
        if (row > lastWholeOrBaseName && row <= lastModifier) {
            EXPECT_TRUE(endsWithText(entry.name, sjis("混じり")));
            EXPECT_LT(entry.patternNumber[0], 10);
        } else if (row > lastModifier) {
            EXPECT_TRUE(endsWithText(entry.name, sjis("質")));
            EXPECT_GE(entry.patternNumber[0], 10);
            EXPECT_LE(entry.patternNumber[0], 90);
        }
    }
    for (const char* name : {"火山灰質粘性土", "高有機質土", "有機質土", "礫質土", "砂質土", "硬質粘土", "炭質頁岩",
                             "砂質頁岩", "礫", "砂", "シルト", "粘土", "埋土", "玉石", "ローム", "埋立土"})
        EXPECT_EQ(names.count(sjis(name)), 1u) << name;
    const auto& sand = *std::find_if(master.rows.begin(), master.rows.end(),
                                     [](const SoilNameRow& row) { return row.name == sjis("砂"); });
    EXPECT_EQ(sand.markDigit[0], 1);
    const auto& clay = *std::find_if(master.rows.begin(), master.rows.end(),
                                     [](const SoilNameRow& row) { return row.name == sjis("粘土"); });
    EXPECT_EQ(clay.markDigit[1], 2);
}

TEST(BundledData, ShortTextMastersLoadWithUsefulEntries)
{
    BundledSettings bundled;
    for (int kind = 0; kind < shortTextMasterCount; ++kind) {
        ShortTextMaster master;
        Issues issues;
        EXPECT_TRUE(loadShortTextMaster(bundled.settings, static_cast<ShortTextMasterKind>(kind), master, issues));
        EXPECT_TRUE(issues.empty());
        EXPECT_GE(master.entries.size(), 7u) << kind;
        for (const ShortTextEntry& entry : master.entries)
            EXPECT_FALSE(entry.text.empty());
    }
}

TEST(BundledData, EveryFileIsCodePage932WithCrLfAndFitsItsLineLimit)
{
    const std::pair<const char*, std::size_t> limits[] = {
        {"Sys.ndx", 179}, {"PtnvcJG.ndx", 99}, {"WdtvJCA.mst", 89}, {"Help.txt", 119}, {".mst", 89}, {".ndx", 79},
    };
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(KOLV_BUNDLED_INSTALL_DIR)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = entry.path().filename().string();
        files.insert(name);
        SCOPED_TRACE(name);
        const std::string bytes = kolv::test::readFile(entry.path().string());
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(cp932ToUtf8(bytes).find("\xEF\xBF\xBD"), std::string::npos) << "not code page 932";
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        std::size_t limit = 0;
        for (const auto& [suffix, bytesAllowed] : limits) {
            if (name.size() >= std::string_view(suffix).size() && name.ends_with(suffix)) {
                limit = bytesAllowed;
                break;
            }
        }
        for (const std::string& line : splitLinesKeepingEnds(bytes)) {
            EXPECT_TRUE(line.size() >= 2 && line.substr(line.size() - 2) == "\r\n");
            if (limit > 0) {
                EXPECT_LE(line.size() - 2, limit) << cp932ToUtf8(line);
            }
        }
    }
    for (const char* name : {"Sys.ndx", "Font1.ndx", "Font2.ndx", "Font3.ndx", "Font4.ndx", "Font5.ndx", "Font6.ndx",
                             "PtnvcJG.ndx", "WdtvJCA.mst", "M.mst", "Hat.mst", "Hyk.mst", "Sks.mst", "C.mst", "K.mst",
                             "Nen.mst", "Gen.mst", "Sit.mst", "Help.txt"})
        EXPECT_EQ(files.count(name), 1u) << name;
}
