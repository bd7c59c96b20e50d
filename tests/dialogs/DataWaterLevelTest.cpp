#include "dialogs/WaterLevelModel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;
using W = WaterLevelModel;

TEST(DataWaterLevel, LevelsGetTheirSignAndUnusualOnesAreOnlyWarned)
{
    struct Case {
        std::string typed, stored;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"2.5", "-2.50", {}},         {"+0.3", "+0.30", {}},    {" 1", "-1.00", {}},
        {"-1200", "-1200.00", {910}}, {"+51", "+51.00", {910}}, {"abc", "", {903}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        RecordingPrompter prompter;
        W model(BoringData{}, prompter);
        model.setField(W::Level, c.typed);
        model.add();
        std::vector<int> ids;
        for (const auto& message : prompter.messages)
            ids.push_back(message.id);
        EXPECT_EQ(ids, c.messages);
        EXPECT_EQ(model.cell(1, 1), c.stored);
    }
}

TEST(DataWaterLevel, FlagWordsReadAndWritten)
{
    BoringData data;
    data.waterLevelRows.row(1) = {"-1.00", "04/01", "", "3"};
    data.waterLevelRows.row(2) = {"-2.00", "04/02", "", "10"};
    data.waterLevelRows.row(3) = {"-3.00", "04/03", "", "x"};
    data.waterLevelRows.row(4) = {"-4.00", "04/04", "", "17"};
    RecordingPrompter prompter;
    W model(data, prompter);
    EXPECT_EQ(model.row(1), (TextRow{"-1.00", "o", "04/01", "o", "", "0"}));
    EXPECT_EQ(model.row(2), (TextRow{"-2.00", ".", "04/02", "o", "", "1"}));
    EXPECT_EQ(model.row(3), (TextRow{"-3.00", "o", "04/03", "o", "", "0"}));
    EXPECT_EQ(model.row(4), (TextRow{"-4.00", "o", "04/04", ".", "", "2"}));
    ASSERT_TRUE(model.accept());
    BoringData stored;
    model.storeInto(stored);
    EXPECT_EQ(stored.waterLevelRows.cell(1, 4), "7");
    EXPECT_EQ(stored.waterLevelRows.cell(2, 4), "10");
    EXPECT_EQ(stored.waterLevelRows.cell(4, 4), "17");
}

TEST(DataWaterLevel, RowsKeepTheUsersOrderAndDuplicatesAreReported)
{
    BoringData data;
    data.waterLevelRows.row(1) = {"-2.50", "04/01", "", "7"};
    data.waterLevelRows.row(2) = {"-1.5", "04/02", "", "7"};
    data.waterLevelRows.row(3) = {"-2.50", "04/01", "", "7"};
    RecordingPrompter prompter;
    W model(data, prompter);
    model.clickRow(2);
    model.trigger(W::MoveUp);
    EXPECT_EQ(model.cell(1, 1), "-1.5");
    EXPECT_EQ(model.currentRow(), 1);
    model.trigger(W::MoveUp);  // the first row stays first
    EXPECT_EQ(model.cell(1, 1), "-1.5");
    ASSERT_TRUE(model.accept());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, sjis("同じ深度があります\r\n 3行目と 2行目 [-2.50]\u3000\r\n"));
    BoringData stored;
    model.storeInto(stored);
    EXPECT_EQ(stored.waterLevelRows.cell(1, 1), "-1.50");
    EXPECT_EQ(stored.waterLevelRows.cell(2, 1), "-2.50");
    EXPECT_EQ(stored.waterLevelRows.cell(3, 1), "-2.50");
}

TEST(DataWaterLevel, TitleBlockLevelAndElevation)
{
    BoringData data;
    data.setHeadingLine(13, "5.20");
    data.setHeadingLine(31, "-1.00");
    data.setHeadingLine(32, "04/01");
    data.waterLevelRows.row(1) = {"-2.50", "04/03", "", "7"};
    RecordingPrompter prompter;
    W model(data, prompter);
    EXPECT_EQ(model.field(W::Elevation), "4.20");
    EXPECT_EQ(model.field(W::CollarElevation), "5.20 m");
    model.enterField(W::HeadingLevel);
    model.clickRow(1);
    EXPECT_EQ(model.field(W::HeadingLevel), "-2.50");
    EXPECT_EQ(model.field(W::Elevation), "2.70");
    model.setField(W::ElevationShown, "1");
    ASSERT_TRUE(model.accept());
    model.storeInto(data);
    EXPECT_EQ(data.headingLine(31), "-2.50");
    EXPECT_EQ(data.headingLine(32), "04/01");
    EXPECT_EQ(data.headingLine(49), "1");
}

TEST(DataWaterLevel, FreshDialogAddsLevelAfterLevelWithTheDefaults)
{
    BoringData data;
    RecordingPrompter prompter;
    W model(data, prompter);
    for (const char* level : {"2.5", "3"}) {
        model.setField(W::Level, level);
        model.leaveField(W::Level);
        model.setField(W::Date, "04/01");
        model.leaveField(W::Date);
        EXPECT_TRUE(model.addEnabled());
        model.add();
    }
    // An empty row clicked shows the defaults of new input, not its empty cells.
    model.clickRow(5);
    EXPECT_EQ(model.field(W::LevelShown), "1");
    EXPECT_EQ(model.field(W::DateShown), "1");
    model.setField(W::Level, "abc");
    EXPECT_TRUE(model.refuseKeyField());
    model.setField(W::Level, "-1200");  // unusual but taken at the field
    EXPECT_FALSE(model.refuseKeyField());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, sjis("［水位］\n") + sjis("データが無い、または不正です."));
    model.setField(W::Level, "");
    ASSERT_TRUE(model.accept());
    model.storeInto(data);
    EXPECT_EQ(data.waterLevelRows.row(1), (BoringData::WaterLevelTable::Row{"-2.50", "04/01", "", "7"}));
    EXPECT_EQ(data.waterLevelRows.row(2), (BoringData::WaterLevelTable::Row{"-3.00", "04/01", "", "7"}));
    EXPECT_EQ(data.waterLevelRows.cell(3, 1), "");
}

}  // namespace
}  // namespace kolv
