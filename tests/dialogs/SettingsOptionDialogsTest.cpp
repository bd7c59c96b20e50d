#include "SettingsDialogTestSupport.h"

#include "dialogs/OptionDialogModels.h"
#include "platform/FileIo.h"
#include "platform/WindowsPath.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kolv;
using kolv::test::messageIds;
using kolv::test::readFile;
using kolv::test::SettingsInstallation;
using kolv::test::sjis;
using kolv::test::writeFile;

TEST(SettingsSetup, DriveAndFolderAreNormalisedWrittenAndReloaded)
{
    SettingsInstallation install;
    SetupModel model(install.settings);
    EXPECT_EQ(model.value("drive"), "C");
    EXPECT_EQ(model.value("folder"), "\\Ostrand\\Qelm3");

    RecordingPrompter prompter;
    model.setValue("drive", "d");
    model.setValue("folder", "work\\logs");
    model.fieldLeft("folder", prompter);
    EXPECT_EQ(model.value("folder"), "\\work\\logs");
    ASSERT_TRUE(model.mayAccept(prompter));
    ASSERT_TRUE(model.applyAndReload(install.settings, install.data, prompter));
    EXPECT_EQ(install.settings.installDrive, "D");
    EXPECT_EQ(install.settings.installPath, "\\work\\logs");
    EXPECT_EQ(install.settings.installFolder, "D:\\work\\logs");
    EXPECT_EQ(install.settings.settingsPath, "D:\\work\\logs\\Sys.ndx");
    EXPECT_EQ(readFile(windowsDriveFolder(install.root.path()) + "/Ostrand/Pivrel3.whr"), "D:\\work\\logs\r\n");
    // The new folder holds no files: the missing-file rules of the loader apply.
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages[0].id, 32790);
    EXPECT_NE(prompter.messages[0].text.find("D:\\work\\logs\\Sys.ndx"), std::string::npos);
}

TEST(SettingsSetup, UnusableDriveOrFolderChangesNothing)
{
    struct Case {
        const char* drive;
        const char* folder;
        bool accepted;  // OK closes the dialog
        const char* message;
    };
    const Case cases[] = {
        {"1", "\\work", true, "パス名が異常です"},
        {"d", "\\", true, "パス名が異常です"},
        {"ｄ", "\\work", true, "パス名が異常です"},
        {"", "\\work", false, "データがありません"},
    };
    for (const Case& c : cases) {
        SettingsInstallation install;
        SetupModel model(install.settings);
        model.setValue("drive", sjis(c.drive));
        model.setValue("folder", c.folder);
        RecordingPrompter prompter;
        EXPECT_EQ(model.mayAccept(prompter), c.accepted) << c.drive;
        if (c.accepted) {
            EXPECT_FALSE(model.applyAndReload(install.settings, install.data, prompter));
        }
        ASSERT_EQ(prompter.messages.size(), 1u) << c.drive;
        EXPECT_EQ(prompter.messages[0].text, sjis(c.message));
        EXPECT_EQ(install.settings.installFolder, "C:\\Ostrand\\Qelm3");
        EXPECT_FALSE(fileExists(windowsDriveFolder(install.root.path()) + "/Ostrand/Pivrel3.whr"));
    }
    SettingsInstallation install;
    SetupModel model(install.settings);
    RecordingPrompter prompter;
    model.setValue("drive", "x");
    model.setValue("folder", "\\");
    model.fieldLeft("folder", prompter);
    EXPECT_EQ(messageIds(prompter), "0");
    model.buttonPressed("standard", prompter);
    EXPECT_EQ(model.value("drive"), "C");
    EXPECT_EQ(model.value("folder"), "\\Ostrand\\Qelm3");
}

TEST(SettingsPaperDefaults, RadiosFollowTheCheckBoxAsTheDialogOpened)
{
    SettingsInstallation install;
    install.settings.paperAtStartup = 0;
    PaperDefaultsModel off(install.settings);
    EXPECT_FALSE(off.isEnabled("paperSize"));
    EXPECT_FALSE(off.isEnabled("paperOrientation"));
    off.setValue("paperAtStartup", "1");
    EXPECT_FALSE(off.isEnabled("paperSize"));

    install.settings.paperAtStartup = 1;
    PaperDefaultsModel on(install.settings);
    EXPECT_TRUE(on.isEnabled("paperSize"));
    on.setValue("paperSize", "1");
    on.setValue("paperOrientation", "1");
    LogSettings edited = install.settings;
    on.apply(edited);
    EXPECT_EQ(edited.paperSize, 1);
    EXPECT_EQ(edited.paperOrientation, 1);
}

TEST(SettingsDisplayWidth, AdjustmentsAreTheDocumentsAndWarnAbove270)
{
    SettingsInstallation install;
    install.settings.documentOptionDefaults[0] = "15";
    for (int item = 1; item <= 13; ++item)
        install.data.documentOption(item).value = "0";
    install.data.documentOption(7).value = "30";
    DisplayWidthModel model(install.settings, install.data);
    EXPECT_EQ(model.value("adjust7"), "30");
    EXPECT_EQ(model.value("total"), "268.0");
    EXPECT_EQ(model.value("standardWidth"), "265.0");

    RecordingPrompter prompter;
    model.buttonPressed("defaults", prompter);
    EXPECT_EQ(model.value("adjust1"), "15");
    EXPECT_EQ(model.value("adjust7"), install.settings.documentOptionDefaults[6]);
    model.buttonPressed("zero", prompter);
    model.setValue("adjust13", "51");
    model.fieldLeft("adjust13", prompter);
    EXPECT_EQ(model.value("sum"), "+5.1");
    model.setValue("L72", "1");
    model.apply(install.data, prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, sjis("印刷横幅が大きすぎる値（＞270）です"));
    EXPECT_EQ(install.data.documentOption(13).value, "51");
    EXPECT_EQ(install.data.documentOption(7).value, "0");
    EXPECT_EQ(install.data.headingLine(72), "1");
}

TEST(SettingsPageFooter, NewDocumentGetsTheStandardPlaceForItsPaper)
{
    struct Case {
        int width;
        int length;
        const char* left;
        const char* top;
        const char* centre;
    };
    const Case cases[] = {
        {210, 297, "105", "281", "105"}, {420, 297, "150", "281", "210"}, {297, 420, "148.5", "404", "148.5"}};
    for (const Case& c : cases) {
        SettingsInstallation install;
        ViewState view;
        view.paperWidth = c.width;
        view.paperLength = c.length;
        PageFooterModel model(install.data, view);
        EXPECT_EQ(model.value("L68"), c.left) << c.width;
        EXPECT_EQ(model.value("L65"), c.top);
        EXPECT_EQ(model.value("L69"), c.centre);
        EXPECT_EQ(model.value("L66"), "2.0");
        EXPECT_EQ(model.value("L64"), "1");
        EXPECT_EQ(model.value("L67"), "1");
        EXPECT_FALSE(model.isEnabled("L65"));
        EXPECT_TRUE(model.isEnabled("L66"));
        EXPECT_FALSE(model.isEnabled("L68"));
    }
}

TEST(SettingsPageFooter, PrefixSuffixPreviewAndTheOffPaperWarning)
{
    SettingsInstallation install;
    ViewState view;
    view.paperWidth = 210;
    view.paperLength = 297;
    install.data.setHeadingLine(62, "3");
    PageFooterModel model(install.data, view);
    RecordingPrompter prompter;
    model.setValue("L61", "(");
    model.fieldLeft("L61", prompter);
    EXPECT_EQ(model.value("L63"), ")");
    EXPECT_EQ(model.value("preview"), "(3)");
    model.setValue("L61", sjis("   <無し>"));
    model.fieldLeft("L61", prompter);
    EXPECT_EQ(model.value("L61"), "");
    EXPECT_EQ(model.value("preview"), "3)");

    model.setValue("L64", "0");
    model.fieldLeft("L64", prompter);
    EXPECT_TRUE(model.isEnabled("L65"));
    model.setValue("L65", "290");
    model.apply(install.data, prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, sjis("フッタ表示位置が用紙外の可能性があります \n( 290 mm)"));
    EXPECT_EQ(install.data.headingLine(65), "290");
    EXPECT_EQ(install.data.headingLine(64), "0");
    EXPECT_EQ(install.data.headingLine(63), ")");
}

TEST(SettingsHelp, HelpLinesAndTheMissingFile)
{
    SettingsInstallation install;
    writeFile(install.file("Help.txt"), sjis("操作の説明\r\n\r\n印刷\r\n"));
    RecordingPrompter prompter;
    EXPECT_EQ(helpLines(install.settings, prompter),
              (std::vector<std::string>{" " + sjis("操作の説明"), " ", " " + sjis("印刷")}));
    std::filesystem::remove(install.file("Help.txt"));
    EXPECT_TRUE(helpLines(install.settings, prompter).empty());
    EXPECT_EQ(messageIds(prompter), "32790");
    EXPECT_TRUE(fileExists(install.file("Sys.ndx")));
}
