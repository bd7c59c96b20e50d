#include "SettingsTestSupport.h"

#include "data/BoringData.h"
#include "platform/FileIo.h"
#include "platform/Issue.h"
#include "platform/WindowsPath.h"
#include "settings/FontSlotFile.h"
#include "settings/PatternColorFile.h"
#include "settings/SettingsStore.h"
#include "settings/ShortTextMaster.h"
#include "settings/SoilNameMasterFile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kolv;
using kolv::test::InstallationFixture;
using kolv::test::sjis;

namespace {

std::string crlf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

const std::string soilMaster = crlf({
    sjis("砂利,X,999.0,999.0"),  // before the first section: not a row
    sjis("[第1部 土質名], ,660,"),
    sjis("ローム,Lm,700.2,700.2"),  // "ー" ends in the byte of "["
    sjis("砂,S,12.3,105"),
    sjis("埋立土,B,800.0,10100.0"),
    "x",
    sjis("[第2部 混じり]"),
    sjis("礫混じり,-G,1.0,1.0"),
    sjis("[第3部 質]"),
    sjis("砂質,S,20.0,abc"),
    sjis("[第4部 予備]"),
    sjis("予備,Y,5.0,5.0"),
    sjis("[第5部 予備]"),
});

}  // namespace

TEST(SoilNameMaster, ReadsSectionsRowsNumbersAndMarkDigits)
{
    SoilNameMaster master;
    EXPECT_EQ(readSoilNameMaster(master, soilMaster, 0), 660);
    EXPECT_EQ(readSoilNameMaster(master, soilMaster, 1), 660);
    EXPECT_EQ(master.version, 660);
    ASSERT_EQ(master.rows.size(), 5u);
    EXPECT_EQ(master.rows[0].name, sjis("ローム"));
    EXPECT_EQ(master.rows[0].symbol, "Lm");
    EXPECT_EQ(master.rows[1].patternNumber[0], 12);
    EXPECT_EQ(master.rows[1].markDigit[0], 3);
    EXPECT_EQ(master.rows[1].patternNumber[1], 105);
    EXPECT_EQ(master.rows[1].markDigit[1], 0);
    EXPECT_EQ(master.rows[2].patternNumber[1], 10100);
    EXPECT_EQ(master.rows[4].name, sjis("砂質"));
    EXPECT_EQ(master.rows[4].patternNumber[0], 20);
    EXPECT_EQ(master.rows[4].patternNumber[1], -1);
    for (int set = 0; set < 2; ++set) {
        EXPECT_EQ(master.firstRow[1][set], 1);
        EXPECT_EQ(master.lastRow[1][set], 3);
        EXPECT_EQ(master.firstRow[2][set], 4);
        EXPECT_EQ(master.lastRow[2][set], 4);
        EXPECT_EQ(master.firstRow[3][set], 5);
        EXPECT_EQ(master.lastRow[3][set], 5);
        EXPECT_EQ(master.firstRow[0][set], 0);
    }
    EXPECT_EQ(readSoilNameMaster(master, soilMaster, 2), 0);
}

TEST(SoilNameMaster, EndMarkCapacityAndALastLineWithoutLineEnd)
{
    std::string bytes = crlf({sjis("[第1部], ,660,")});
    for (int row = 1; row <= 300; ++row)
        bytes += "N" + std::to_string(row) + ",S,100.1,100.1\r\n";
    SoilNameMaster master;
    readSoilNameMaster(master, bytes, 0);
    EXPECT_EQ(master.rows.size(), 256u);
    EXPECT_EQ(master.lastRow[1][0], 256);

    readSoilNameMaster(master,
                       crlf({sjis("[第1部], ,660,"), "a,S,1.0,1.0", sjis("[終了]"), "b,S,2.0,2.0"}) + "c,S,3.0,3.1", 0);
    ASSERT_EQ(master.rows.size(), 1u) << "rows of an earlier file are dropped";
    EXPECT_EQ(master.rows[0].name, "a");

    readSoilNameMaster(master, crlf({sjis("[第1部], ,660,"), "a,S,1.0,1.0"}) + "c,S,3.0,3.1", 1);
    ASSERT_EQ(master.rows.size(), 2u);
    EXPECT_EQ(master.rows[1].markDigit[1], 1) << "the last line keeps its last character";
}

TEST(SoilNameMaster, VersionBelow600CountsAsMissing)
{
    InstallationFixture install;
    kolv::test::writeFile(install.file("WdtvJCA.mst"), crlf({sjis("[第1部], ,599,"), "a,S,100.1,100.1"}));
    LogSettings settings = install.settings();
    settings.soilNameMaster.firstRow[1][1] = 7;
    BoringData data;
    Issues issues;
    loadSettings(settings, data, false, issues);
    int aboutMaster = 0;
    for (const auto& message : issues)
        aboutMaster += message.text == sjis("ファイルが見つかりません\n( ") + settings.soilMasterPath + " )";
    EXPECT_EQ(aboutMaster, 1);
    EXPECT_EQ(settings.soilNameMaster.firstRow[1][0], 1) << "set 0 holds what was read";
    EXPECT_EQ(settings.soilNameMaster.firstRow[1][1], 0) << "set 1 is not loaded";
    EXPECT_EQ(settings.soilNameMaster.rows[0].patternNumber[1], -1);
}

TEST(SoilNameMaster, AMissingFileIsReportedByTheLoaderAndByTheVersionCheck)
{
    InstallationFixture install;
    LogSettings settings = install.settings();
    BoringData data;
    Issues issues;
    loadSettings(settings, data, false, issues);
    int aboutMaster = 0;
    for (const auto& message : issues)
        aboutMaster += message.text.find("WdtvJCA.mst") != std::string::npos;
    EXPECT_EQ(aboutMaster, 2);
    EXPECT_TRUE(settings.soilNameMaster.rows.empty());

    Issues quiet;
    EXPECT_EQ(loadSoilNameMaster(settings, "C", 0, quiet), 0);
    EXPECT_EQ(loadSoilNameMaster(settings, settings.soilMasterPath, 3, quiet), 0);
    EXPECT_TRUE(quiet.empty());
}

TEST(PatternColorTable, ReadsPairsAndSkipsTitlesCommentsAndNonNumbers)
{
    PatternColorTable table;
    readPatternColors(table,
                      crlf({
                          sjis("[パターン色] No,色"),
                          "{comment},0x123456",
                          "12,0xff0000,0xff0000,a,b",
                          sjis("700,0x00ff00,0x00ff00,ローム,ローム"),  // trail byte of "ー" is "["
                          sjis("6100,0x808080,0,ポ,ポ"),                // trail byte of "ポ" is "{"
                          "300,8421504",
                          "abc,0x111111",
                          "5",
                          "-7,0x10,",
                      }) + "20,0x0000ff");
    EXPECT_EQ(table.colorOf(12), 0xff0000u);
    EXPECT_EQ(table.colorOf(700), 0x00ff00u);
    EXPECT_EQ(table.colorOf(6100), 0x808080u);
    EXPECT_EQ(table.colorOf(300), 8421504u);
    EXPECT_EQ(table.colorOf(-7), 0x10u);
    EXPECT_EQ(table.colorOf(20), 0x0000ffu) << "the last line keeps its last character";
    EXPECT_EQ(table.colorOf(5), 0u);
    EXPECT_EQ(table.pairs.size(), 6u);

    std::string many;
    for (int number = 1; number <= 120; ++number)
        many += std::to_string(number) + ",1\r\n";
    readPatternColors(table, many);
    EXPECT_EQ(table.pairs.size(), 110u);
    EXPECT_EQ(table.colorOf(111), 0u);
}

TEST(PatternColorTable, AMissingFileLeavesAnEmptyTableAndAMessage)
{
    InstallationFixture install;
    LogSettings settings = install.settings();
    BoringData data;
    Issues ignored;
    loadSettings(settings, data, false, ignored);
    settings.patternColors.pairs.emplace_back(1, 2u);
    Issues issues;
    EXPECT_FALSE(loadPatternColors(settings, settings.patternColorPath, issues));
    EXPECT_TRUE(settings.patternColors.pairs.empty());
    ASSERT_EQ(issues.size(), 1u);
    EXPECT_EQ(issues[0].text, sjis("ファイルが見つかりません\n( ") + settings.patternColorPath + " )");
}

TEST(FontSlots, SizeAndFaceRules)
{
    struct Case {
        int slot;
        std::vector<std::string> lines;
        double size;
        std::string face;
    };
    const Case cases[] = {
        {1, {"400", "Face"}, 400.0, "Face"},
        {1, {"400.5", "Face"}, 10.0, "Face"},
        {2, {"101", "Face"}, 9.0, "Face"},
        {2, {"100", "Face"}, 100.0, "Face"},
        {3, {"1", "Face"}, 8.0, "Face"},
        {3, {"1.1", "Face"}, 1.1, "Face"},
        {4, {"abc", "F"}, 7.0, sjis("ＭＳ Ｐ明朝")},
        {5, {"12"}, 12.0, sjis("ＭＳ 明朝")},
        {6, {}, 9.0, sjis("ＭＳ 明朝")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        const FontSlot font = readFontSlot(crlf(c.lines), c.slot);
        EXPECT_DOUBLE_EQ(font.size, c.size);
        EXPECT_EQ(font.face, c.face);
    }
    const FontSlot last = readFontSlot("10.5\r\nAB\r\n255\r\n1", 1);
    EXPECT_EQ(last.color, 255u);
    EXPECT_EQ(last.underline, 1) << "the last line keeps its last character";
}

TEST(FontSlots, OnlyAMissingFirstSlotIsReportedAndSavedSlotsReadBack)
{
    InstallationFixture install;
    install.writeLines("Font1.ndx", {"10.0", "A", "0", "0"});
    LogSettings settings = install.settings();
    settings.fontSlots[3].size = 55.0;
    BoringData data;
    Issues issues;
    loadSettings(settings, data, false, issues);
    for (const auto& message : issues)
        EXPECT_EQ(message.text.find("Font"), std::string::npos);
    EXPECT_DOUBLE_EQ(settings.fontSlots[3].size, 7.0) << "a missing file gives the slot's defaults";

    settings.fontSlots[1] = {10.5, sjis("ＭＳ ゴシック"), 0xFFFFFFFFu, 1};
    ASSERT_TRUE(saveFontSlot(settings, 2));
    EXPECT_EQ(kolv::test::readFile(install.file("Font2.ndx")), "10.5\r\n" + sjis("ＭＳ ゴシック") + "\r\n-1\r\n1\r\n");
    loadFontSlots(settings, issues);
    EXPECT_DOUBLE_EQ(settings.fontSlots[1].size, 10.5);
    EXPECT_EQ(settings.fontSlots[1].color, 0xFFFFFFFFu);
    EXPECT_EQ(settings.fontSlots[1].underline, 1);

    std::filesystem::remove(install.file("Font1.ndx"));
    Issues missing;
    loadFontSlots(settings, missing);
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].text, sjis("ファイルが見つかりません\n( ") + settings.installFolder + "\\Font1.ndx )");
    EXPECT_FALSE(saveFontSlot(LogSettings{}, 1));
}

TEST(ShortTextMaster, ReadsBothLayoutsAndWritesWhatReadsBack)
{
    ShortTextMaster marked;
    readShortTextMaster(marked, crlf({sjis("ア,暗灰"), "", sjis("-,灰"), sjis("暗緑灰")}) + sjis("*,黄褐"));
    ASSERT_EQ(marked.entries.size(), 4u);
    EXPECT_EQ(marked.entries[0].mark, sjis("ア"));
    EXPECT_EQ(marked.entries[0].text, sjis("暗灰"));
    EXPECT_EQ(marked.entries[1].mark, "-");
    EXPECT_EQ(marked.entries[2].mark, "");
    EXPECT_EQ(marked.entries[2].text, sjis("暗緑灰")) << "a line without a comma is the text alone";
    EXPECT_EQ(marked.entries[3].text, sjis("黄褐"));

    ShortTextMaster plain;
    plain.layout = ShortTextLayout::TextOnly;
    readShortTextMaster(plain, crlf({"A.P.", "T.P.,x"}));
    ASSERT_EQ(plain.entries.size(), 2u);
    EXPECT_EQ(plain.entries[1].text, "T.P.");

    ShortTextMaster written;
    written.entries = {{"", sjis("山田 太郎")}, {"k", "a,b \"c\""}, {"x", ""}, {"", "line\r\nbreak"}};
    const std::string bytes = shortTextMasterText(written);
    EXPECT_EQ(bytes, "-," + sjis("山田 太郎") + "\r\nk,\"a,b " + sjis("＂c＂") + "\"\r\n-,line  break\r\n");
    ShortTextMaster reread;
    readShortTextMaster(reread, bytes);
    ASSERT_EQ(reread.entries.size(), 3u);
    EXPECT_EQ(reread.entries[1].text, "a,b " + sjis("＂c＂"));

    std::string many;
    for (int entry = 1; entry <= 90; ++entry)
        many += "-,e" + std::to_string(entry) + "\r\n";
    readShortTextMaster(reread, many);
    EXPECT_EQ(reread.entries.size(), 80u);
}

TEST(ShortTextMaster, LoadAndSaveThroughTheSettingsPaths)
{
    InstallationFixture install;
    LogSettings settings = install.settings();
    BoringData data;
    Issues ignored;
    loadSettings(settings, data, false, ignored);
    EXPECT_EQ(shortTextMasterPath(settings, ShortTextMasterKind::Age), settings.installFolder + "\\Nen.mst");

    ShortTextMaster master;
    master.entries = {{"", "A.P."}, {"", "T.P."}};
    Issues issues;
    ASSERT_TRUE(saveShortTextMaster(settings, ShortTextMasterKind::ElevationType, master, issues));
    EXPECT_EQ(kolv::test::readFile(install.file("Hyk.mst")), "A.P.\r\nT.P.\r\n");
    ShortTextMaster loaded;
    ASSERT_TRUE(loadShortTextMaster(settings, ShortTextMasterKind::ElevationType, loaded, issues));
    EXPECT_EQ(loaded.layout, ShortTextLayout::TextOnly);
    EXPECT_EQ(loaded.entries.size(), 2u);
    EXPECT_TRUE(issues.empty());

    EXPECT_FALSE(loadShortTextMaster(settings, ShortTextMasterKind::Engineer, loaded, issues));
    EXPECT_TRUE(loaded.entries.empty());
    settings.engineerMasterPath = settings.installFolder + "\\missing\\M.mst";
    EXPECT_FALSE(saveShortTextMaster(settings, ShortTextMasterKind::Engineer, master, issues));
    ASSERT_EQ(issues.size(), 2u);
    EXPECT_EQ(issues[0].text, sjis("ファイルが見つかりません\n( ") + settings.installFolder + "\\M.mst )");
    EXPECT_EQ(issues[1].text, settings.engineerMasterPath + sjis("\n保存できませんでした"));
}

TEST(InstallFolder, TheLocationFileNamesTheFolderElseTheDefault)
{
    struct Case {
        std::string location;  // empty: no location file
        std::string folder;
    };
    const Case cases[] = {
        {"D:\\Data\\Qelm", "D:\\Data\\Qelm"}, {"", "C:\\Ostrand\\Qelm3"},           {"D:", "C:\\Ostrand\\Qelm3"},
        {"D:\\", "C:\\Ostrand\\Qelm3"},       {"/home/user", "C:\\Ostrand\\Qelm3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        kolv::test::TemporaryFolder root;
        if (!c.location.empty()) {
            std::filesystem::create_directories(root.file("drive_c/Ostrand"));
            kolv::test::writeFile(root.file("drive_c/Ostrand/Pivrel3.whr"), c.location + "\r\n");
        }
        LogSettings settings;
        settings.dataRoot = root.path();
        BoringData data;
        Issues issues;
        loadSettings(settings, data, false, issues);
        EXPECT_EQ(settings.windowsDrive, "C:");
        EXPECT_EQ(settings.installFolder, c.folder);
        EXPECT_EQ(settings.settingsPath, c.folder + "\\Sys.ndx");
        EXPECT_TRUE(settings.screenDrawing);
    }
}

TEST(InstallFolder, WithoutALocationFileOnCTheCurrentDirectorysDriveIsAsked)
{
    kolv::test::TemporaryFolder root;
    std::filesystem::create_directories(root.file("drive_d/Ostrand"));
    std::filesystem::create_directories(root.file("drive_d/work"));
    kolv::test::writeFile(root.file("drive_d/Ostrand/Pivrel3.whr"), "D:\\Qelm\r\n");
    LogSettings settings;
    settings.dataRoot = root.path();
    BoringData data;
    Issues issues;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(root.file("drive_d/work"));
    loadSettings(settings, data, false, issues);
    std::filesystem::current_path(previous);
    EXPECT_EQ(settings.windowsDrive, "C:");
    EXPECT_EQ(settings.installFolder, "D:\\Qelm");
}

TEST(InstallFolder, AnOverrideIsUsedAsItIsAndTheLocationFileIsWritten)
{
    InstallationFixture install;
    std::filesystem::create_directories(install.root.file("drive_c/Ostrand"));
    kolv::test::writeFile(install.root.file("drive_c/Ostrand/Pivrel3.whr"), "D:\\Data\r\n");
    LogSettings settings = install.settings();
    BoringData data;
    Issues issues;
    loadSettings(settings, data, false, issues);
    EXPECT_EQ(settings.installFolder, windowsPathFromHost(install.folder(), install.root.path()));
    EXPECT_EQ(settings.installFolder.substr(0, 3), "Z:\\");
    EXPECT_EQ(hostPathOf(settings, settings.settingsPath), install.file("Sys.ndx"));

    settings.installDrive = "E";
    settings.installPath = sjis("\\表\\Qelm3");
    ASSERT_TRUE(saveLocationFile(settings, issues));
    EXPECT_EQ(kolv::test::readFile(install.root.file("drive_c/Ostrand/Pivrel3.whr")), sjis("E:\\表\\Qelm3\r\n"));
}
