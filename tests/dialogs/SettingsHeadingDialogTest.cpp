#include "SettingsDialogTestSupport.h"

#include "dialogs/HeadingDialogModel.h"
#include "formats/XmlExportValues.h"
#include "platform/FileIo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace kolv;
using kolv::test::messageIds;
using kolv::test::SettingsInstallation;
using kolv::test::sjis;

namespace {

void setCoordinates(HeadingDialogModel& model, const std::array<const char*, 6>& values)
{
    for (int index = 0; index < 6; ++index)
        model.setValue(headingLineKey(51 + index), values[index]);
}

}  // namespace

TEST(SettingsHeadingDialog, GridSquareCodeFollowsTheCoordinates)
{
    SettingsInstallation install;
    RecordingPrompter prompter;
    HeadingDialogModel model(install.data, install.settings, prompter);
    struct Case {
        std::array<const char*, 6> coordinates;
        const char* shown;
    };
    const Case cases[] = {
        {{"35", "40", "10", "139", "44", "20"}, "53394509xxx"},
        {{"0.5", "0", "0", "139", "44", "20"}, ""},
        {{"35", "40", "", "139", "44", "20"}, ""},
        {{"35", "40", "10", "139", "44", "abc"}, ""},
    };
    for (const Case& c : cases) {
        setCoordinates(model, c.coordinates);
        EXPECT_EQ(model.meshCodeText(), c.shown) << c.coordinates[0] << " " << c.coordinates[5];
    }
    // The display follows the seconds of the longitude and the code field's focus.
    setCoordinates(model, {"35", "40", "10", "139", "44", "20"});
    model.fieldLeft(headingLineKey(56), prompter);
    EXPECT_EQ(model.value("meshCode"), "53394509xxx");
    EXPECT_TRUE(model.value(headingLineKey(27)).empty()) << "the code itself is the user's to type";
}

TEST(SettingsHeadingDialog, HarbourOnlyGreysItsFieldsAndKeepsTheirValues)
{
    SettingsInstallation install;
    install.data.setHeadingLine(51, "35");
    install.data.setHeadingLine(2, sjis("護岸改良工事"));
    RecordingPrompter prompter;
    HeadingDialogModel model(install.data, install.settings, prompter);
    EXPECT_TRUE(model.isEnabled(headingLineKey(51)));

    model.setValue("harbourOnly", "1");
    model.fieldLeft("harbourOnly", prompter);
    for (int line : {2, 4, 16, 19, 21, 22, 23, 25, 26, 27, 28, 29, 30, 33, 40, 41, 44, 51, 56})
        EXPECT_FALSE(model.isEnabled(headingLineKey(line))) << line;
    for (int line : {1, 3, 5, 13, 20, 24, 39})
        EXPECT_TRUE(model.isEnabled(headingLineKey(line))) << line;

    BoringData edited = install.data;
    model.apply(edited);
    EXPECT_EQ(edited.headingLine(51), "35");
    EXPECT_EQ(edited.headingLine(2), sjis("護岸改良工事"));
    EXPECT_EQ(edited.documentOption(harbourOnlyOption).value, "1");

    model.setValue("harbourOnly", "0");
    model.fieldLeft("harbourOnly", prompter);
    EXPECT_TRUE(model.isEnabled(headingLineKey(51)));
}

TEST(SettingsHeadingDialog, CollarElevationWarnsOnOkAndIsStoredAsTyped)
{
    SettingsInstallation install;
    const std::pair<const char*, const char*> cases[] = {
        {"+3.20", ""}, {"", ""}, {"abc", "32791"}, {"4000", "32777"}, {"3999.99", ""}, {"-12.5", ""},
    };
    for (const auto& [elevation, ids] : cases) {
        RecordingPrompter prompter;
        HeadingDialogModel model(install.data, install.settings, prompter);
        model.setValue(headingLineKey(13), elevation);
        model.warnOnAccept(prompter);
        EXPECT_EQ(messageIds(prompter), ids) << elevation;
        BoringData edited = install.data;
        model.apply(edited);
        EXPECT_EQ(edited.headingLine(13), elevation);
    }
}

TEST(SettingsHeadingDialog, ScaleStartFollowsTheElevationOrWarns)
{
    struct Case {
        const char* elevation;
        const char* numbering;  // line 36: 0 elevation, 1 depth
        const char* start;      // document option 16
        const char* ids;
        const char* startAfter;
    };
    const Case cases[] = {
        {"3.25", "0", "", "", "-0.75"},      {"3", "0", "", "", "-1.00"},       {"abc", "0", "", "", ""},
        {"3.25", "0", "-0.75", "", "-0.75"}, {"3.25", "0", "0", "4042", "0"},   {"3.25", "1", "0", "", "0"},
        {"3.25", "1", "0.5", "4043", "0.5"}, {"-2.4", "0", "-0.4", "", "-0.4"},
    };
    for (const Case& c : cases) {
        SettingsInstallation install;
        install.data.setHeadingLine(13, c.elevation);
        install.data.setHeadingLine(36, c.numbering);
        install.data.documentOption(printStartDepthOption).value = c.start;
        RecordingPrompter prompter;
        checkScaleStart(install.data, install.settings, prompter);
        EXPECT_EQ(messageIds(prompter), c.ids) << c.elevation << " " << c.start;
        EXPECT_EQ(install.data.documentOption(printStartDepthOption).value, c.startAfter) << c.elevation;
    }
    SettingsInstallation install;
    install.data.setHeadingLine(13, "3.25");
    RecordingPrompter prompter;
    checkScaleStart(install.data, install.settings, prompter);
    EXPECT_DOUBLE_EQ(install.settings.printStartDepth, -0.75);
}

TEST(SettingsHeadingDialog, RadioValuesAreClampedAndOptionsReadAsChecks)
{
    SettingsInstallation install;
    install.data.setHeadingLine(48, "5");
    install.data.setHeadingLine(50, "-1");
    install.data.setHeadingLine(36, "3");
    install.data.setHeadingLine(38, "1");
    install.data.setHeadingLine(47, "yes");
    RecordingPrompter prompter;
    HeadingDialogModel model(install.data, install.settings, prompter);
    EXPECT_EQ(model.value(headingLineKey(48)), "2");
    EXPECT_EQ(model.value(headingLineKey(50)), "0");
    EXPECT_EQ(model.value(headingLineKey(36)), "1");
    EXPECT_EQ(model.value(headingLineKey(38)), "1");
    EXPECT_EQ(model.value(headingLineKey(47)), "0");
}

TEST(SettingsHeadingDialog, MasterListsPickIntoTheLastFocusedField)
{
    SettingsInstallation install;
    RecordingPrompter prompter;
    HeadingDialogModel model(install.data, install.settings, prompter);
    EXPECT_EQ(messageIds(prompter), "");
    ASSERT_FALSE(model.entries("engineerList").empty());
    ASSERT_FALSE(model.entries("machineList").empty());

    const std::string engineer = model.entries("engineerList").front();
    model.setValue("engineerList", engineer);
    model.fieldLeft("engineerList", prompter);
    EXPECT_EQ(model.value(headingLineKey(16)), engineer) << "the first engineer by default";

    model.fieldEntered(headingLineKey(18));
    model.fieldEntered(headingLineKey(22));
    const std::string machine = model.entries("machineList").back();
    model.setValue("engineerList", engineer);
    model.fieldLeft("engineerList", prompter);
    model.setValue("machineList", machine);
    model.fieldLeft("machineList", prompter);
    EXPECT_EQ(model.value(headingLineKey(18)), engineer);
    EXPECT_EQ(model.value(headingLineKey(22)), machine);
    EXPECT_NE(model.value(headingLineKey(20)), machine);
}

TEST(SettingsHeadingDialog, MissingMastersAreReportedAndTheDatumListHasItsOwnEntries)
{
    SettingsInstallation install;
    std::filesystem::remove(install.file("M.mst"));
    std::filesystem::remove(install.file("Hyk.mst"));
    RecordingPrompter prompter;
    HeadingDialogModel model(install.data, install.settings, prompter);
    ASSERT_EQ(messageIds(prompter), "32790");
    EXPECT_NE(prompter.messages[0].text.find("M.mst"), std::string::npos);
    EXPECT_TRUE(model.entries("engineerList").empty());
    EXPECT_EQ(model.entries(headingLineKey(12)), (std::vector<std::string>{"A.P.", "T.P.", "T.B.M.", ""}));
}

TEST(SettingsHeadingDialog, EraListsOfferReiwaAndEveryEraConvertsToAWesternYear)
{
    // Each era the lists offer is one the exchange export turns into a year.
    const std::vector<std::pair<std::string, int>> eras = {{"令和", 2023}, {"平成", 1993}, {"昭和", 1930}};
    for (int line : {34, 35}) {
        SCOPED_TRACE(line);
        const auto& fields = headingDialogFields();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [line](const FormField& f) { return f.key == headingLineKey(line); });
        ASSERT_NE(field, fields.end());
        std::vector<std::string> offered;
        for (const auto& [era, year] : eras) {
            offered.push_back(era);
            EXPECT_EQ(westernYear("5", sjis(era)), year) << era;
        }
        EXPECT_EQ(field->choices, offered);
    }
}
