#include "SettingsDialogTestSupport.h"

#include "dialogs/MasterFileNamesModel.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::SettingsInstallation;
using kolv::test::sjis;
using kolv::test::writeFile;

TEST(SettingsMasterFileNames, FileChooserListsTheFolderAndPicksIntoTheLastPathField)
{
    SettingsInstallation install;
    writeFile(install.file("Extra.MST"),
              "a,first line that is much longer than forty bytes in all\r\nb\r\nc\r\nd\r\ne\r\n");
    MasterFileNamesModel model(install.settings);
    RecordingPrompter prompter;
    const std::vector<std::string> masters = model.entries("fileList");
    EXPECT_NE(std::find(masters.begin(), masters.end(), "M.mst"), masters.end());
    EXPECT_NE(std::find(masters.begin(), masters.end(), "Extra.MST"), masters.end()) << "names match in any case";
    EXPECT_EQ(std::find(masters.begin(), masters.end(), "Sys.ndx"), masters.end());

    model.setValue("fileType", sjis("*.*   (すべて)"));
    model.fieldLeft("fileType", prompter);
    EXPECT_EQ(model.value("pattern"), "*.*");
    const std::vector<std::string> all = model.entries("fileList");
    EXPECT_NE(std::find(all.begin(), all.end(), "Sys.ndx"), all.end());

    model.setValue("fileList", "Extra.MST");
    model.fieldLeft("fileList", prompter);
    EXPECT_EQ(model.value("topView"), "a,first line that is much longer than f\r\nb\r\nc\r\nd");

    model.fieldEntered("notesMasterPath");
    model.buttonPressed("apply", prompter);
    EXPECT_EQ(model.value("notesMasterPath"), "C:\\Ostrand\\Qelm3\\Extra.MST");
    LogSettings edited = install.settings;
    model.apply(edited);
    EXPECT_EQ(edited.notesMasterPath, "C:\\Ostrand\\Qelm3\\Extra.MST");
    EXPECT_EQ(edited.engineerMasterPath, install.settings.engineerMasterPath);
}

TEST(SettingsMasterFileNames, PatternFoldersFollowTheColourModeAndTheStandardPaths)
{
    SettingsInstallation install;
    install.settings.engineerMasterPath = "D:\\elsewhere\\M.mst";
    MasterFileNamesModel model(install.settings);
    RecordingPrompter prompter;
    EXPECT_TRUE(model.isEnabled("patternFolder"));
    EXPECT_FALSE(model.isEnabled("monoFolder"));
    model.setValue("patternFolder", "D:\\pat");
    model.fieldLeft("patternFolder", prompter);
    EXPECT_EQ(model.value("monoFolder"), "D:\\pat01");
    model.setValue("bitmapMono", "1");
    model.fieldLeft("bitmapMono", prompter);
    EXPECT_FALSE(model.isEnabled("patternFolder"));

    model.buttonPressed("standard", prompter);
    EXPECT_EQ(model.value("engineerMasterPath"), "C:\\Ostrand\\Qelm3\\M.mst");
    EXPECT_EQ(model.value("patternFolder"), "C:\\Ostrand\\Qelm3\\Jbptn");
    LogSettings edited = install.settings;
    model.apply(edited);
    EXPECT_EQ(edited.bitmapMono, 1);
    EXPECT_EQ(edited.patternFolder, "C:\\Ostrand\\Qelm3\\Jbptn");
}
