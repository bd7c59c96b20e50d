#include "SettingsTestSupport.h"

#include "data/BoringData.h"
#include "platform/FileIo.h"
#include "platform/Issue.h"
#include "platform/WindowsPath.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace kolv;
using kolv::test::InstallationFixture;
using kolv::test::sjis;
using namespace std::string_literals;

namespace {

// Loads the settings of the fixture's folder and returns the messages.
std::vector<Issue> load(LogSettings& settings, BoringData& data, bool reloadAll = false)
{
    Issues issues;
    loadSettings(settings, data, reloadAll, issues);
    return issues;
}

std::vector<std::string> messageTexts(const std::vector<Issue>& messages)
{
    std::vector<std::string> texts;
    for (const auto& message : messages)
        texts.push_back(message.text);
    return texts;
}

}  // namespace

TEST(SettingsStore, MissingSysNdxGivesTheDefaultsAndOneMessage)
{
    InstallationFixture install;
    LogSettings settings = install.settings();
    settings.maxBlows = 1;
    settings.companyName = "old";
    BoringData data;
    const auto messages = load(settings, data);

    const std::string settingsPath = windowsPathFromHost(install.file("Sys.ndx"), install.root.path());
    EXPECT_EQ(settings.settingsPath, settingsPath);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].messageId, 32790);
    EXPECT_EQ(messages[0].text, sjis("ファイルが見つかりません\n( ") + settingsPath + " )");
    int aboutSettings = 0;
    for (const auto& message : messages)
        aboutSettings += message.text.find("Sys.ndx") != std::string::npos;
    EXPECT_EQ(aboutSettings, 1);

    EXPECT_EQ(settings.maxBlows, 0);
    EXPECT_EQ(settings.nPlotSymbol, 1);
    EXPECT_EQ(settings.nDepthLabelPos, 1);
    EXPECT_EQ(settings.sampleDepthLabelPos, 1);
    EXPECT_EQ(settings.outerLineWidth, 2);
    EXPECT_EQ(settings.innerLineWidth, 1);
    EXPECT_EQ(settings.grid10VLineWidth, 1);
    EXPECT_EQ(settings.grid10HLineWidth, 0);
    EXPECT_EQ(settings.showConvertedN, 1);
    EXPECT_EQ(settings.leftMargin, 5);
    EXPECT_EQ(settings.enterKeyMode, 1);
    EXPECT_EQ(settings.companyName, sjis("株式会社"));
    EXPECT_EQ(settings.nZeroText, sjis("自沈"));
    EXPECT_EQ(settings.nZeroDenominatorText, sjis("貫入不能"));
    EXPECT_EQ(settings.quCircleRadius, "0.6");
    EXPECT_EQ(settings.quSymbolColor, "000000");
    EXPECT_EQ(settings.grid10Color, "0x808080");
    EXPECT_EQ(settings.grid5Color, "0xcccccc");
    EXPECT_EQ(settings.documentOptionDefaults[0], "");
    EXPECT_EQ(settings.documentOptionDefaults[21], "0.");
    EXPECT_EQ(settings.documentOptionDefaults[22], "500");
    EXPECT_EQ(settings.documentOptionDefaults[23], "100");
    EXPECT_EQ(settings.patternFolder, settings.installFolder + "\\Jbptn");
    EXPECT_EQ(settings.elevationTypeMasterPath, settings.installFolder + "\\Hyk.mst");
    EXPECT_EQ(settings.notesMasterPath, settings.installFolder + "\\K.mst");
    EXPECT_EQ(settings.soilMasterPath, settings.installFolder + "\\WdtvJCA.mst");
    EXPECT_FALSE(fileExists(install.file("Sys.ndx")));
}

TEST(SettingsStore, IntegerLinesReadTheirLeadingNumberWhenNumeric)
{
    struct Case {
        int line;
        const char* text;
        int LogSettings::*field;
        int expected;
    };
    const std::string fullWidthSeven = sjis("　7");
    const Case cases[] = {
        {3, "1", &LogSettings::maxBlows, 1},
        {3, "abc", &LogSettings::maxBlows, 0},
        {3, "12abc", &LogSettings::maxBlows, 12},
        {18, "-3", &LogSettings::outerLineWidth, -3},
        {18, "", &LogSettings::outerLineWidth, 0},
        {18, "99999999999", &LogSettings::outerLineWidth, 0},
        {19, fullWidthSeven.c_str(), &LogSettings::innerLineWidth, 0},
        {14, "42", &LogSettings::reserved14, 42},
        {2, "7", &LogSettings::reserved2, 0},
        {21, "7", &LogSettings::reserved21, 0},
        {69, "abc", &LogSettings::enterKeyMode, 1},
        {69, "", &LogSettings::enterKeyMode, 1},
        {69, "-1", &LogSettings::enterKeyMode, -1},
        {69, "0", &LogSettings::enterKeyMode, 0},
        {70, "abc", &LogSettings::scrollToLastRow, 0},
        {70, "1", &LogSettings::scrollToLastRow, 1},
        {41, "0", &LogSettings::leftMargin, 5},
        {41, "150", &LogSettings::leftMargin, 5},
        {41, "100", &LogSettings::leftMargin, 100},
        {42, "1", &LogSettings::topMargin, 1},
        {42, "-2", &LogSettings::topMargin, 5},
        {43, "50", &LogSettings::depthPerPage, 38},
        {43, "38", &LogSettings::depthPerPage, 38},
        {43, "12", &LogSettings::depthPerPage, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + " \"" + c.text + "\"");
        InstallationFixture install;
        auto lines = kolv::test::emptySettingsLines();
        lines[c.line] = c.text;
        install.writeLines("Sys.ndx", lines);
        LogSettings settings = install.settings();
        settings.enterKeyMode = 2;
        settings.scrollToLastRow = 1;
        BoringData data;
        load(settings, data);
        EXPECT_EQ(settings.*c.field, c.expected);
    }
}

TEST(SettingsStore, ATextLineIsKeptWholeAndEmptyPathsFollowTheInstallationFolder)
{
    InstallationFixture install;
    auto lines = kolv::test::emptySettingsLines();
    lines[35] = "D:\\Patterns";
    lines[39] = sjis("表示株式会社 ＠ ローム");
    lines[40] = std::string(1 << 20, 'x');
    lines[41] = "7";
    lines[57] = "";
    lines[59] = "D:\\Masters\\Hyk.mst";
    lines[60] = "D:\\Elsewhere\\WdtvJCA.mst";
    lines[61] = "";
    lines[94] = "13";
    install.writeLines("Sys.ndx", lines);
    LogSettings settings = install.settings();
    BoringData data;
    load(settings, data);
    EXPECT_EQ(settings.patternFolder, "D:\\Patterns");
    EXPECT_EQ(settings.companyName, lines[39]);
    EXPECT_EQ(settings.companyTel.size(), 1u << 20);
    EXPECT_EQ(settings.leftMargin, 7) << "a long line must not shift the lines after it";
    EXPECT_EQ(settings.grid10Color, "0x808080");
    EXPECT_EQ(settings.elevationTypeMasterPath, "D:\\Masters\\Hyk.mst");
    EXPECT_EQ(settings.soilMasterPath, settings.installFolder + "\\WdtvJCA.mst");
    EXPECT_EQ(settings.colorToneMasterPath, settings.installFolder + "\\C.mst");
    EXPECT_EQ(settings.documentOptionDefaults[23], "13");
}

TEST(SettingsStore, ATextEndsAtANulByteAsTheSavedFileDoes)
{
    auto lines = kolv::test::emptySettingsLines();
    lines[39] = std::string("ab\0cd", 5);
    lines[57] = std::string("\0x", 2);
    LogSettings settings;
    applySettingsDefaults(settings);
    applySettingsLines(settings, lines);
    applySettingsFixUps(settings);
    EXPECT_EQ(settings.companyName, "ab");
    EXPECT_EQ(settings.grid10Color, "0x808080");
    const std::string saved = settingsFileText(settings);
    LogSettings reread;
    applySettingsDefaults(reread);
    applySettingsLines(reread, splitLines(saved));
    applySettingsFixUps(reread);
    EXPECT_EQ(settingsFileText(reread), saved);
}

TEST(SettingsStore, AShortFileLeavesTheLaterFieldsAsTheyWere)
{
    InstallationFixture install;
    auto lines = kolv::test::emptySettingsLines();
    lines.resize(50);
    lines[3] = "1";
    lines[49] = "1";
    install.writeLines("Sys.ndx", lines);
    LogSettings settings = install.settings();
    BoringData data;
    const auto messages = load(settings, data);
    for (const std::string& text : messageTexts(messages))
        EXPECT_EQ(text.find("Sys.ndx"), std::string::npos);
    EXPECT_EQ(settings.maxBlows, 1);
    EXPECT_EQ(settings.patternMixMark, 1);
    EXPECT_EQ(settings.outerLineWidth, 0) << "a read line that is empty is 0";
    EXPECT_EQ(settings.bitmapMono, 0);
    EXPECT_EQ(settings.enterKeyMode, 1);
    EXPECT_EQ(settings.quCircleRadius, "");
    EXPECT_EQ(settings.grid10Color, "0x808080");
    EXPECT_EQ(settings.labTestMasterPath, settings.installFolder + "\\Sit.mst");
}

TEST(SettingsStore, TheLastLineWithoutALineEndKeepsItsLastCharacter)
{
    InstallationFixture install;
    auto lines = kolv::test::emptySettingsLines();
    lines.resize(95);
    std::string bytes;
    for (int number = 0; number < 94; ++number)
        bytes += lines[static_cast<std::size_t>(number)] + "\r\n";
    bytes += sjis("砂");
    kolv::test::writeFile(install.file("Sys.ndx"), bytes);
    LogSettings settings = install.settings();
    BoringData data;
    load(settings, data);
    EXPECT_EQ(settings.documentOptionDefaults[23], sjis("砂"));
}

TEST(SettingsStore, SaveThenLoadGivesTheSameSettings)
{
    InstallationFixture install;
    LogSettings saved = install.settings();
    BoringData data;
    load(saved, data);
    saved.maxBlows = 1;
    saved.maxBlowsCopy = 1;
    saved.nPlotSymbol = 2;
    saved.reserved14 = 9;
    saved.grid10HGap = 77;
    saved.leftMargin = 12;
    saved.depthPerPage = 20;
    saved.patternMode = 3;
    saved.enterKeyMode = 2;
    saved.scrollToLastRow = 1;
    saved.companyName = sjis("港湾調査株式会社");
    saved.quSymbolColor = "0xff0000";
    saved.notesMasterPath = sjis("D:\\表\\K.mst");
    saved.documentOptionDefaults[0] = "-5";
    saved.documentOptionDefaults[12] = "10";

    Issues issues;
    ASSERT_TRUE(saveSettings(saved, saved.settingsPath, issues));
    EXPECT_TRUE(issues.empty());
    const std::string bytes = kolv::test::readFile(install.file("Sys.ndx"));
    const std::vector<std::string> lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), 121u);
    EXPECT_EQ(bytes.substr(0, 5), "502\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(lines[60], saved.soilMasterPath);
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[71], "-5");
    EXPECT_EQ(lines[94], "100");
    EXPECT_EQ(lines[120], "");

    LogSettings loaded = install.settings();
    BoringData other;
    load(loaded, other);
    EXPECT_EQ(settingsFileText(loaded), settingsFileText(saved));
    EXPECT_EQ(loaded.notesMasterPath, saved.notesMasterPath);
    EXPECT_EQ(loaded.scrollToLastRow, 1);
}

TEST(SettingsStore, ALineBreakInsideAValueIsSavedAsABlank)
{
    LogSettings settings;
    settings.companyName = "a\r\nb";
    settings.companyTel = "c\nd";
    const std::vector<std::string> lines = splitLines(settingsFileText(settings));
    ASSERT_EQ(lines.size(), 121u);
    EXPECT_EQ(lines[39], "a  b");
    EXPECT_EQ(lines[40], "c d");
}

TEST(SettingsStore, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    InstallationFixture install;
    LogSettings settings = install.settings();
    BoringData data;
    load(settings, data);
    Issues issues;
    ASSERT_TRUE(saveSettings(settings, settings.settingsPath, issues));
    const std::string before = kolv::test::readFile(install.file("Sys.ndx"));

    settings.companyName = "new";
    EXPECT_FALSE(saveSettings(settings, settings.installFolder + "\\missing\\Sys.ndx", issues));
    ASSERT_EQ(issues.size(), 1u);
    EXPECT_EQ(issues[0].messageId, 4005);
    EXPECT_EQ(issues[0].text, sjis("保存できませんでした"));
    EXPECT_EQ(settings.companyName, "new");

    if (geteuid() != 0) {
        chmod(install.folder().c_str(), 0500);
        EXPECT_FALSE(saveSettings(settings, settings.settingsPath, issues));
        chmod(install.folder().c_str(), 0700);
        EXPECT_EQ(kolv::test::readFile(install.file("Sys.ndx")), before);
    }
}

TEST(SettingsStore, BadInputNeverCrashesAndGivesValues)
{
    std::string garbage;
    for (int i = 0; i < 200000; ++i)
        garbage.push_back(static_cast<char>((i * 7919 + i / 13) & 0xFF));
    const std::string inputs[] = {
        garbage, std::string(3 << 20, '\x82'), "502\r\n1\r\n0\r\n1\r\n\x82"s, "\0\0\0\r\n5\0x\r\n"s, "",
    };
    for (const std::string& input : inputs) {
        InstallationFixture install;
        kolv::test::writeFile(install.file("Sys.ndx"), input);
        kolv::test::writeFile(install.file("WdtvJCA.mst"), input);
        kolv::test::writeFile(install.file("PtnvcJG.ndx"), input);
        kolv::test::writeFile(install.file("Font1.ndx"), input);
        LogSettings settings = install.settings();
        BoringData data;
        load(settings, data);
        EXPECT_GE(settings.leftMargin, 1);
        EXPECT_LE(settings.leftMargin, 100);
        EXPECT_LE(settings.depthPerPage, 38);
        EXPECT_GT(settings.fontSlots[0].size, 1.0);
        EXPECT_LE(settings.patternColors.pairs.size(), 110u);
        EXPECT_LE(settings.soilNameMaster.rows.size(), 256u);
    }
}

TEST(SettingsStore, DocumentOptionsTakeTheirDefaultsAndGiveThePrintStartDepth)
{
    InstallationFixture install;
    auto lines = kolv::test::emptySettingsLines();
    for (int item = 1; item <= 24; ++item)
        lines[static_cast<std::size_t>(70 + item)] = std::to_string(item * 10);
    install.writeLines("Sys.ndx", lines);
    LogSettings settings = install.settings();

    BoringData data;
    data.documentOption(1).value = "";
    data.documentOption(2).value = "3";
    data.documentOption(14).value = "keep";
    data.documentOption(16).value = "12.5";
    load(settings, data);
    for (int item = 1; item <= 24; ++item)
        EXPECT_EQ(data.documentOption(item).defaultValue, std::to_string(item * 10));
    EXPECT_EQ(data.documentOption(1).value, "10");
    EXPECT_EQ(data.documentOption(2).value, "20");
    EXPECT_EQ(data.documentOption(13).value, "130");
    EXPECT_EQ(data.documentOption(14).value, "keep");
    EXPECT_DOUBLE_EQ(settings.printStartDepth, 12.5);

    BoringData own;
    own.documentOption(1).value = "4";
    own.documentOption(2).value = "-1";
    own.documentOption(16).value = "depth";
    settings.forcedExtraPages = 3;
    load(settings, own);
    EXPECT_EQ(own.documentOption(1).value, "4");
    EXPECT_EQ(own.documentOption(3).value, "");
    EXPECT_DOUBLE_EQ(settings.printStartDepth, 12.5);
    EXPECT_EQ(settings.forcedExtraPages, 0);
}

TEST(SettingsStore, LoadsOnceAndReloadsEverythingFromANewFolder)
{
    InstallationFixture first;
    auto lines = kolv::test::emptySettingsLines();
    lines[39] = "first";
    first.writeLines("Sys.ndx", lines);
    first.writeLines("Font3.ndx", {"12.0", "A face", "255", "1"});
    LogSettings settings = first.settings();
    BoringData data;
    load(settings, data);
    EXPECT_EQ(settings.companyName, "first");
    EXPECT_DOUBLE_EQ(settings.fontSlots[2].size, 12.0);

    first.writeLines("Sys.ndx",
                     {"502", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                      "",    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "changed"});
    load(settings, data);
    EXPECT_EQ(settings.companyName, "first") << "loaded once until a reload of everything";

    InstallationFixture second;
    lines[39] = "second";
    second.writeLines("Sys.ndx", lines);
    second.writeLines("Font3.ndx", {"11.0", "Other face", "0", "0"});
    settings.installDrive = "Z";
    settings.installPath = windowsPathFromHost(second.folder(), second.root.path()).substr(2);
    load(settings, data, true);
    EXPECT_EQ(settings.companyName, "second");
    EXPECT_DOUBLE_EQ(settings.fontSlots[2].size, 11.0);
    EXPECT_EQ(settings.fontSlots[2].face, "Other face");
    EXPECT_EQ(settings.patternFolder, settings.installFolder + "\\Jbptn");
}
