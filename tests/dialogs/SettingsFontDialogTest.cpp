#include "SettingsDialogTestSupport.h"

#include "dialogs/FontDialogModel.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::readFile;
using kolv::test::SettingsInstallation;
using kolv::test::sjis;

TEST(SettingsFontDialog, SizeIsShownRoundedHalfUpBesideTheExactSize)
{
    SettingsInstallation install;
    const std::pair<double, const char*> cases[] = {
        {10.5, " 11     (10.5)"}, {10.4, " 10     (10.4)"}, {9.0, "  9     (9.0)"}, {100.0, " 100     (100.0)"}};
    for (const auto& [size, shown] : cases) {
        install.settings.fontSlots[2].size = size;
        EXPECT_EQ(FontDialogModel(install.settings).sizeText(3), shown);
    }
}

TEST(SettingsFontDialog, ChooserHeightAndChosenSizeFollowTheResolution)
{
    SettingsInstallation install;
    install.settings.fontSlots[0].size = 12.0;
    FontDialogModel model(install.settings);
    EXPECT_EQ(model.chooserHeight(1, 96), 16);
    EXPECT_EQ(model.chooserHeight(1, 600), 100);

    const std::tuple<int, int, double> cases[] = {{16, 96, 12.0}, {100, 600, 12.0}, {-16, 96, 12.0}, {15, 96, 11.25}};
    for (const auto& [height, dpi, size] : cases) {
        model.choose(2, "IPAMincho", height, dpi, 0x0000ff, true);
        EXPECT_DOUBLE_EQ(model.slot(2).size, size) << height << " at " << dpi;
    }
    EXPECT_EQ(model.slot(2).face, "IPAMincho");
    EXPECT_EQ(model.slot(2).color, 0x0000ffu);
    EXPECT_EQ(model.slot(2).underline, 1);
    EXPECT_EQ(model.changeCount(), 4);
    EXPECT_DOUBLE_EQ(install.settings.fontSlots[1].size, 9.0) << "the slots change only on OK";
}

TEST(SettingsFontDialog, CancelAsksOnlyAfterAChosenFont)
{
    SettingsInstallation install;
    FontDialogModel model(install.settings);
    model.applyStandardExample();
    RecordingPrompter prompter;
    EXPECT_TRUE(model.mayCancel(prompter));
    EXPECT_TRUE(prompter.messages.empty());

    model.choose(1, "IPAMincho", 16, 96, 0, false);
    prompter.scriptedAnswers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(model.mayCancel(prompter));
    EXPECT_TRUE(model.mayCancel(prompter));
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].id, 131);
    EXPECT_EQ(prompter.messages[0].text, sjis("データが変更されましたが、キャンセルしてよいのですか？"));
}

TEST(SettingsFontDialog, OkWritesTheSixSlotFiles)
{
    SettingsInstallation install;
    FontDialogModel model(install.settings);
    model.applyStandardExample();
    model.choose(6, "IPAPMincho", 16, 96, 255, true);
    EXPECT_EQ(model.accept(install.settings), 6);
    EXPECT_EQ(model.changeCount(), 0);

    const std::string mincho = sjis("ＭＳ 明朝");
    EXPECT_EQ(readFile(install.file("Font1.ndx")), "10.0\r\n" + mincho + "\r\n0\r\n0\r\n");
    EXPECT_EQ(readFile(install.file("Font2.ndx")), "8.0\r\n" + mincho + "\r\n0\r\n0\r\n");
    EXPECT_EQ(readFile(install.file("Font4.ndx")), "7.0\r\n" + sjis("ＭＳ Ｐ明朝") + "\r\n0\r\n0\r\n");
    EXPECT_EQ(readFile(install.file("Font6.ndx")), "12.0\r\nIPAPMincho\r\n255\r\n1\r\n");
    EXPECT_DOUBLE_EQ(install.settings.fontSlots[4].size, 8.0);
}
