#include "DataDialogFixture.h"
#include "dialogs/GeologyModel.h"
#include "render/BitmapFile.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;
using G = GeologyModel;

struct MasterRow {
    int section;
    const char* name;
    const char* symbol;
    long number;
    int digit;
};

// A small soil-name master: whole names, modifiers, qualifiers and base names.
SoilNameMaster smallMaster()
{
    const MasterRow rows[] = {
        {1, "埋土", "B", 10100, 0}, {1, "粘土", "C", 100, 0}, {1, "砂", "S", 400, 1},   {1, "礫", "G", 600, 0},
        {1, "非表示", "", -1, 0},   {2, "砂混り", "s", 2, 0}, {3, "砂質", "sa", 20, 0},
    };
    SoilNameMaster master;
    int number = 0;
    for (const MasterRow& row : rows) {
        ++number;
        SoilNameRow r;
        r.name = sjis(row.name);
        r.symbol = row.symbol;
        r.patternNumber = {row.number, row.number};
        r.markDigit = {row.digit, row.digit};
        master.rows.push_back(r);
        for (int set = 0; set < 2; ++set) {
            if (master.firstRow[row.section][set] == 0)
                master.firstRow[row.section][set] = number;
            master.lastRow[row.section][set] = number;
        }
    }
    return master;
}

struct Geology : ::testing::Test {
    Geology()
    {
        fixture.settings.soilNameMaster = smallMaster();
        fixture.writeMaster(ShortTextMasterKind::ColorTone, "-,暗\r\n-,灰\r\n");
    }
    int line(int list, const char* utf8) const
    {
        GeologyModel probe(BoringData{}, fixture.settings, silent);
        const std::vector<std::string> lines = probe.pickLines(list);
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == sjis(utf8))
                return static_cast<int>(i);
        return -1;
    }
    test::DialogSettings fixture;
    mutable RecordingPrompter silent;
    RecordingPrompter prompter;
};

TEST_F(Geology, ListsFromTheMasterClasses)
{
    GeologyModel model(BoringData{}, fixture.settings, prompter);
    EXPECT_EQ(model.pickLines(G::WholeNames), std::vector<std::string>{sjis("埋土")});
    EXPECT_EQ(model.pickLines(G::BaseNames), (std::vector<std::string>{sjis("粘土"), sjis("砂"), sjis("礫")}));
    EXPECT_EQ(model.pickLines(G::Modifiers), std::vector<std::string>{sjis("砂混り")});
    EXPECT_EQ(model.pickLines(G::Qualifiers), std::vector<std::string>{sjis("砂質")});
    EXPECT_EQ(model.pickLines(G::Colours), (std::vector<std::string>{sjis("暗"), sjis("灰")}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Geology, DisplayFlagWordShowsItsBitsInTheFlagColumns)
{
    BoringData data;
    data.layerRows.row(1) = {"2.00", sjis("砂"), "", "", "400", "", "247", "S", "", "", ""};
    GeologyModel model(data, fixture.settings, prompter);
    EXPECT_EQ(model.cell(1, 2), "_");   // depth
    EXPECT_EQ(model.cell(1, 4), "_");   // soil name
    EXPECT_EQ(model.cell(1, 6), ".");   // auxiliary name
    EXPECT_EQ(model.cell(1, 8), "_");   // colour
    EXPECT_EQ(model.cell(1, 10), "_");  // pattern 1
    EXPECT_EQ(model.cell(1, 12), "_");  // pattern 2
    model.clickRow(1);
    EXPECT_EQ(model.field(G::AuxiliaryLine), "0");
    EXPECT_EQ(model.field(G::AuxiliaryShown), "0");
    EXPECT_EQ(model.field(G::NameShown), "1");
    model.setField(G::AuxiliaryLine, "1");
    model.choiceMade(G::AuxiliaryLine);
    EXPECT_EQ(model.cell(1, 14), "255");
    EXPECT_EQ(model.cell(1, 6), "_");
}

TEST_F(Geology, RowsWithoutAWordShowTheDefaultsAndAStoredZeroShowsPlainly)
{
    struct Case {
        const char* word;
        const char* flagColumns;  // columns 2, 4, 6, 8, 10, 12
        const char* nameShown;
    };
    const Case cases[] = {{"", "__.___", "1"}, {"abc", "__.___", "1"}, {"0", "......", "0"}, {"247", "__.___", "1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        BoringData data;
        data.layerRows.row(1) = {"2.00", sjis("砂"), "", "", "400", "", c.word, "S", "", "", ""};
        GeologyModel model(data, fixture.settings, prompter);
        std::string flags;
        for (int column : {2, 4, 6, 8, 10, 12})
            flags += model.cell(1, column);
        EXPECT_EQ(flags, c.flagColumns);
        EXPECT_EQ(model.cell(1, 14), c.word);  // the stored text stays as it is
        model.clickRow(1);
        EXPECT_EQ(model.field(G::NameShown), c.nameShown);
        EXPECT_EQ(model.field(G::DepthLine), c.nameShown);
    }
}

TEST_F(Geology, LayersTypedRowByRowFromAFreshDialogAllTakeTheDefaults)
{
    GeologyModel model(BoringData{}, fixture.settings, prompter);
    const char* names[] = {"埋土", "砂", "粘土", "礫", "砂混り粘土"};
    for (int layer = 1; layer <= 5; ++layer) {
        SCOPED_TRACE(layer);
        // Every second layer is typed into an empty row the user clicked.
        if (layer % 2 == 0)
            model.clickRow(layer);
        EXPECT_EQ(model.field(G::Word), "247");
        model.setField(G::Depth, std::to_string(layer * 2));
        model.leaveField(G::Depth);
        model.enterField(G::Name);
        model.setField(G::Name, sjis(names[layer - 1]));
        model.leaveField(G::Name);
        model.pick(G::Colours, 0);
        if (layer % 2 == 1)
            model.add();
    }
    ASSERT_TRUE(model.accept());
    BoringData stored;
    model.storeInto(stored);
    for (int layer = 1; layer <= 5; ++layer) {
        EXPECT_EQ(stored.layerRows.cell(layer, 2), sjis(names[layer - 1]));
        EXPECT_EQ(stored.layerRows.cell(layer, 4), sjis("暗"));
        EXPECT_EQ(stored.layerRows.cell(layer, 7), "247") << layer;
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Geology, EmptySoilNameAsksBeforeItSplitsALayer)
{
    BoringData data;
    data.layerRows.row(1) = {"1.00", "", "", sjis("暗"), "", "", "247", "", "", "", ""};  // stored: never asked about
    prompter.scriptedAnswers = {Answer::No, Answer::Yes};
    GeologyModel model(data, fixture.settings, prompter);
    model.setField(G::Depth, "2");
    model.setField(G::Colour, sjis("灰"));
    model.add();
    EXPECT_EQ(model.lastNonEmptyRow(), 1);
    int field = -1;
    EXPECT_EQ(model.takeFocusRequest(&field), FocusTarget::Field);
    EXPECT_EQ(field, G::Name);
    model.add();
    EXPECT_EQ(model.lastNonEmptyRow(), 2);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text,
              sjis("地質名が空の層があります ( 2.00 m ).\n地質名なしで上の層を分けてよいですか？"));
    // Added after the question: OK does not ask again.
    EXPECT_TRUE(model.accept());
    EXPECT_EQ(prompter.messages.size(), 2u);

    // A layer written from the fields without add is asked about at OK.
    RecordingPrompter asked;
    asked.scriptedAnswers = {Answer::No, Answer::Yes};
    GeologyModel typed(data, fixture.settings, asked);
    typed.setField(G::Depth, "3");
    typed.leaveField(G::Depth);
    EXPECT_FALSE(typed.accept());
    EXPECT_EQ(typed.currentRow(), 2);
    EXPECT_TRUE(typed.accept());
    ASSERT_EQ(asked.messages.size(), 2u);
    EXPECT_EQ(asked.messages[1].text,
              sjis("地質名が空の層があります ( 3.00 m ).\n地質名なしで上の層を分けてよいですか？"));
}

TEST_F(Geology, PastedLinesTakeTheColumnsAUserSees)
{
    GeologyModel model(BoringData{}, fixture.settings, prompter);
    const std::string lines = sjis("1.5\t砂\t\t暗\n3\tシルト\t礫\t灰\t\t\t\t0\n");
    EXPECT_EQ(model.pasteRows(1, lines), 2);
    EXPECT_EQ(model.cell(1, 1), "1.50");
    EXPECT_EQ(model.cell(1, 3), sjis("砂"));
    EXPECT_EQ(model.cell(1, 7), sjis("暗"));
    EXPECT_EQ(model.cell(1, 14), "247");
    EXPECT_EQ(model.cell(1, 2), "_");
    EXPECT_EQ(model.cell(2, 5), sjis("礫"));
    EXPECT_EQ(model.cell(2, 14), "0");
    EXPECT_EQ(model.cell(2, 4), ".");
    // A row copied from the list pastes back whole.
    GeologyModel other(BoringData{}, fixture.settings, prompter);
    EXPECT_EQ(other.pasteRows(1, model.copyRows({1, 2})), 2);
    EXPECT_EQ(other.row(2), model.row(2));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Geology, ComposingNamesFromTheLists)
{
    GeologyModel model(BoringData{}, fixture.settings, prompter);
    model.enterField(G::Name);
    model.pick(G::BaseNames, line(G::BaseNames, "砂"));
    EXPECT_EQ(model.field(G::Name), sjis("砂"));
    EXPECT_EQ(model.field(G::Pattern1), "400.1");
    // A qualifier after a name that does not end in "り" or "混" clears the group.
    model.pick(G::Qualifiers, line(G::Qualifiers, "砂質"));
    EXPECT_EQ(model.field(G::Name), "");
    EXPECT_EQ(model.field(G::Pattern1), "");

    model.pick(G::Modifiers, line(G::Modifiers, "砂混り"));
    EXPECT_EQ(model.field(G::Pattern1), "2.0");
    EXPECT_EQ(model.field(G::Symbol), "s");
    model.pick(G::BaseNames, line(G::BaseNames, "粘土"));
    EXPECT_EQ(model.field(G::Name), sjis("砂混り粘土"));
    EXPECT_EQ(model.field(G::Pattern1), "102");
    EXPECT_EQ(model.field(G::Symbol), "Cs");

    model.enterField(G::Auxiliary);
    model.pick(G::WholeNames, line(G::WholeNames, "埋土"));
    EXPECT_EQ(model.field(G::Auxiliary), sjis("埋土"));
    EXPECT_EQ(model.field(G::Pattern2), "10100.0");
    EXPECT_EQ(model.field(G::Symbol), "Cs");
    EXPECT_TRUE(model.fieldEnabled(G::Delimiter));
    // A colour pick replaces the colour; with the modifier it is appended.
    model.pick(G::Colours, 1);
    model.pick(G::Colours, 0);
    EXPECT_EQ(model.field(G::Colour), sjis("暗"));
    model.pickAppending(G::Colours, 1);
    EXPECT_EQ(model.field(G::Colour), sjis("暗灰"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Geology, AlternationFromTwoPicksAndItsPercentage)
{
    GeologyModel model(BoringData{}, fixture.settings, prompter);
    model.setField(G::NameAlternation, "1");
    model.choiceMade(G::NameAlternation);
    EXPECT_TRUE(model.fieldEnabled(G::Percent1));
    model.pick(G::BaseNames, line(G::BaseNames, "礫"));
    EXPECT_EQ(model.field(G::Name), sjis("礫・"));
    EXPECT_EQ(model.field(G::Pattern1), "90600");
    model.pick(G::BaseNames, line(G::BaseNames, "砂"));
    EXPECT_EQ(model.field(G::Name), sjis("礫・砂互層"));
    EXPECT_EQ(model.field(G::Pattern1), "90604.1");
    EXPECT_EQ(model.field(G::Symbol), "G/S");
    model.pick(G::BaseNames, line(G::BaseNames, "粘土"));  // a third pick does nothing
    EXPECT_EQ(model.field(G::Name), sjis("礫・砂互層"));

    model.pick(G::WholeNames, 0);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].id, 4006);
    EXPECT_EQ(model.field(G::Name), "");

    model.setField(G::Depth, "3");
    model.setField(G::Name, sjis("礫・砂互層"));
    model.add();
    ASSERT_TRUE(model.accept());
    BoringData stored;
    model.storeInto(stored);
    EXPECT_EQ(stored.layerRows.cell(1, 1), "3.00");
    EXPECT_EQ(stored.layerRows.cell(1, 9), "50");
    EXPECT_EQ(stored.layerRows.cell(1, 7), "247");
}

TEST_F(Geology, SpecialSettingRewritesThePatternNumber)
{
    struct Case {
        int entry;
        std::string pattern, auxiliary, result;
    };
    const char* entries[] = {" ",           "0　表示しない",   "1　密度",   "2　稠度",
                             "3　密度稠度", "H　補助名の特性", ". 　も使用"};
    const Case cases[] = {
        {3, "10400", "", "10400.2"},
        {1, "10400.3", "", "10400"},
        {4, "400.1", "", "400.3"},
        {5, "400.1", "20.2", "400.3"},
        {2, "", "", ""},
    };
    for (const Case& c : cases) {
        GeologyModel model(BoringData{}, fixture.settings, prompter);
        model.setField(G::Pattern1, c.pattern);
        model.setField(G::Pattern2, c.auxiliary);
        model.setField(G::Special, sjis(entries[c.entry]));
        model.choiceMade(G::Special);
        EXPECT_EQ(model.field(G::Pattern1), c.result) << entries[c.entry];
        EXPECT_EQ(model.field(G::Special), " ");
    }
}

TEST_F(Geology, PatternCheckNamesTheMissingBitmaps)
{
    std::filesystem::create_directories(fixture.folder.path() + "/drive_c/Jbptn");
    fixture.settings.patternFolder = "C:\\Jbptn";
    MonochromeBitmap bitmap{8, 8, 4, std::vector<std::uint8_t>(32, 0xFF)};
    for (const char* name : {"J400.BMP", "J20.BMP", "J1.BMP", "J600.BMP"})
        test::writeFile(fixture.folder.path() + "/drive_c/Jbptn/" + name, encodeBitmap(bitmap));
    BoringData data;
    data.layerRows.row(1) = {"1.00", "", "", "", "421.1", "", "247", "", "", "", ""};
    data.layerRows.row(2) = {"2.00", "", "", "", "90604.1", "10100", "247", "", "", "", ""};
    GeologyModel model(data, fixture.settings, prompter);
    model.trigger(G::PatternCheck);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              sjis("見つからないビットマップパターンがあります.\r\nC:\\Jbptn\\J10100.BMP\r\n"));

    test::writeFile(fixture.folder.path() + "/drive_c/Jbptn/J10100.BMP", encodeBitmap(bitmap));
    model.trigger(G::PatternCheck);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].id, 801);
}

}  // namespace
}  // namespace kolv
