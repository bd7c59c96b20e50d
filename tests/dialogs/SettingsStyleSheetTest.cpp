#include "SettingsDialogTestSupport.h"

#include "dialogs/StyleSheetModel.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::SettingsInstallation;
using kolv::test::sjis;

TEST(SettingsStyleSheet, OkWithoutChangesKeepsEveryValueButAnEmptyCompany)
{
    SettingsInstallation install;
    install.settings.companyName.clear();
    install.settings.maxBlowsCopy = 1;
    install.settings.maxBlows = 0;
    LogSettings expected = install.settings;
    expected.companyName = sjis("株式会社");
    expected.maxBlowsCopy = 0;

    StyleSheetModel model(install.settings, install.data);
    LogSettings edited = install.settings;
    BoringData data = install.data;
    model.apply(edited, data);
    EXPECT_EQ(settingsFileText(edited), settingsFileText(expected));
    for (int item = 19; item <= 21; ++item)
        EXPECT_EQ(data.documentOption(item).value, "") << "unmoved headings leave the document as it was";
}

TEST(SettingsStyleSheet, HeadingPositionsBecomeOffsetsAfterTheirMinimum)
{
    SettingsInstallation install;
    install.data.documentOption(20).value = "2.5";
    StyleSheetModel model(install.settings, install.data);
    EXPECT_EQ(model.value("heading1"), "10.0");
    EXPECT_EQ(model.value("heading2"), "122.5");
    EXPECT_EQ(model.value("base3"), "175.0");

    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"-3", "5", "180"}, {"abc", "10", "20"}, {"12.25", "", "19.9"}};
    const std::tuple<const char*, const char*, const char*> offsets[] = {
        {"-10.0", "-110.0", "5.0"}, {"-10.0", "-110.0", "-155.0"}, {"2.2", "-110.0", "-155.0"}};
    for (int index = 0; index < 3; ++index) {
        model.setValue("heading1", std::get<0>(cases[index]));
        model.setValue("heading2", std::get<1>(cases[index]));
        model.setValue("heading3", std::get<2>(cases[index]));
        LogSettings settings = install.settings;
        BoringData data = install.data;
        model.apply(settings, data);
        EXPECT_EQ(data.documentOption(19).value, std::get<0>(offsets[index])) << index;
        EXPECT_EQ(data.documentOption(20).value, std::get<1>(offsets[index])) << index;
        EXPECT_EQ(data.documentOption(21).value, std::get<2>(offsets[index])) << index;
    }
}

TEST(SettingsStyleSheet, PagesApplyInOrderIntoSettingsAndDefaults)
{
    SettingsInstallation install;
    install.data.documentOption(5).value = "7";
    StyleSheetModel model(install.settings, install.data);
    model.setValue("maxBlows", "1");
    model.setValue("companyName", "");
    model.setValue("topMargin", "0");
    model.setValue("adjust5", "-20");
    model.setValue("quSymbolColor", "blue-ish");
    LogSettings settings = install.settings;
    BoringData data = install.data;
    model.apply(settings, data);
    EXPECT_EQ(settings.maxBlows, 1);
    EXPECT_EQ(settings.maxBlowsCopy, 1);
    EXPECT_EQ(settings.companyName, sjis("株式会社"));
    EXPECT_EQ(settings.topMargin, 0);
    EXPECT_EQ(settings.documentOptionDefaults[4], "-20");
    EXPECT_EQ(settings.quSymbolColor, "blue-ish") << "any colour text is kept";
    EXPECT_EQ(data.documentOption(5).value, "7") << "the document's own widths stay";
}

TEST(SettingsStyleSheet, WidthTotalsAndThe270Warning)
{
    SettingsInstallation install;
    for (std::string& adjustment : install.settings.documentOptionDefaults)
        adjustment = "0";
    StyleSheetModel model(install.settings, install.data);
    EXPECT_EQ(model.value("total"), "265.0");
    EXPECT_EQ(model.value("sum"), "+0.0");
    EXPECT_EQ(model.value("width11"), "4.0");

    RecordingPrompter prompter;
    model.setValue("adjust7", "50");
    model.setValue("adjust9", "1");
    model.fieldLeft("adjust9", prompter);
    EXPECT_EQ(model.value("width7"), "50.0");
    EXPECT_EQ(model.value("sum"), "+5.1");
    EXPECT_EQ(model.value("total"), "270.3") << "the breakdown counts three times";
    model.pageLeft(3, prompter);
    EXPECT_TRUE(prompter.messages.empty());
    model.pageLeft(4, prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, sjis("印刷横幅が大きすぎる値（＞270）です"));

    model.buttonPressed("standard4", prompter);
    EXPECT_EQ(model.value("total"), "265.0");
}

TEST(SettingsStyleSheet, ColourGridSetsBlankPartsToSolidAndGreysTheDashes)
{
    SettingsInstallation install;
    install.settings.gridColorMode = 1;
    install.settings.grid10VGap = 3;
    install.settings.grid5Gap = 4;
    StyleSheetModel model(install.settings, install.data);
    EXPECT_TRUE(model.isEnabled("grid5Dash"));
    EXPECT_FALSE(model.isEnabled("grid10Color"));

    RecordingPrompter prompter;
    model.setValue("gridColorMode", "0");
    model.fieldLeft("gridColorMode", prompter);
    EXPECT_EQ(model.value("grid10VGap"), "0");
    EXPECT_EQ(model.value("grid5Gap"), "0");
    EXPECT_FALSE(model.isEnabled("grid5Dash"));
    EXPECT_FALSE(model.isEnabled("gapNote"));
    EXPECT_TRUE(model.isEnabled("grid10Color"));

    model.setValue("gridColorMode", "1");
    model.fieldLeft("gridColorMode", prompter);
    EXPECT_EQ(model.value("grid5Gap"), "0") << "not restored";
    EXPECT_TRUE(model.isEnabled("grid5Dash"));

    model.buttonPressed("monoExample", prompter);
    EXPECT_EQ(model.value("gridColorMode"), "1");
    EXPECT_EQ(model.value("grid5Gap"), "5");
    EXPECT_EQ(model.value("grid10HGap"), "10");
    EXPECT_EQ(model.value("grid10Color"), "0x808080");
}

TEST(SettingsStyleSheet, StandardSettingsOfPagesOneAndThree)
{
    SettingsInstallation install;
    StyleSheetModel model(install.settings, install.data);
    RecordingPrompter prompter;
    model.setValue("heading2", "99");
    model.setValue("leftMargin", "30");
    model.buttonPressed("standard1", prompter);
    model.buttonPressed("standard3", prompter);
    const std::pair<const char*, std::string> expected[] = {
        {"maxBlows", "0"},
        {"gridVPitch", "1"},
        {"gridHPitch", "1"},
        {"nPlotSymbol", "1"},
        {"nDepthLabelPos", "2"},
        {"sampleDepthLabelPos", "1"},
        {"outOfRangeBlackDot", "1"},
        {"showConvertedN", "0"},
        {"soilAlphaSymbol", "0"},
        {"nZeroText", sjis("自沈")},
        {"nZeroDenominatorText", sjis("貫入不能")},
        {"quCircleRadius", "1"},
        {"quSymbolColor", "0xff0000"},
        {"heading2", "120.0"},
        {"leftMargin", "5"},
        {"topMargin", "5"},
    };
    for (const auto& [key, text] : expected)
        EXPECT_EQ(model.value(key), text) << key;
}

TEST(SettingsStyleSheet, OutOfRangeWidthsKeepThePageOpen)
{
    SettingsInstallation install;
    StyleSheetModel model(install.settings, install.data);
    RecordingPrompter prompter;
    model.buttonPressed("monoExample", prompter);
    struct Case {
        const char* key;
        const char* text;
        const char* invalid;
    };
    const Case cases[] = {
        {"outerLineWidth", "0", "outerLineWidth"}, {"grid10HGap", "100", ""},
        {"grid10HGap", "101", "grid10HGap"},       {"grid5Dash", "0", "grid5Dash"},
        {"topMargin", "201", "topMargin"},         {"insituLineGap", "x", "insituLineGap"},
    };
    for (const Case& c : cases) {
        StyleSheetModel edited = model;
        edited.setValue(c.key, c.text);
        RecordingPrompter messages;
        std::string invalid;
        for (int page = 1; page <= styleSheetPageCount && invalid.empty(); ++page)
            invalid = edited.firstInvalidInteger(styleSheetFields(page), messages);
        EXPECT_EQ(invalid, c.invalid) << c.key << "=" << c.text;
    }
    // A greyed dash field (colour grid) is not held against the user.
    StyleSheetModel colour = model;
    colour.setValue("gridColorMode", "0");
    colour.fieldLeft("gridColorMode", prompter);
    colour.setValue("grid5Dash", "0");
    EXPECT_EQ(colour.firstInvalidInteger(styleSheetFields(2), prompter), "");
}
