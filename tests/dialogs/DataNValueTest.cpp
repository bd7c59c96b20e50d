#include "dialogs/NValueModel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

TEST(DataNValue, NValueFromStageCounts)
{
    struct Case {
        std::string first, second, third, n;
    };
    const Case cases[] = {
        {"5", "6", "7", "18"},      {"10", "20", "50/3", "80/23"}, {"50/5", "", "", "50/5"},
        {"50/", "", "", "50/0"},    {"1", "1", "2", " 4"},         {"", "", "", ""},
        {"x", "", "", ""},          {"600", "600", "10", "999"},   {"-20", "5", "1", "-9"},
        {"99999", "1", "1", "999"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nValueFromStages(c.first, c.second, c.third), c.n) << c.first << "," << c.second << "," << c.third;
}

BoringData withTests(std::initializer_list<TextRow> rows)
{
    BoringData data;
    int r = 1;
    for (const TextRow& row : rows) {
        for (int c = 1; c <= static_cast<int>(row.size()); ++c)
            data.sptRows.setCell(r, c, row[static_cast<std::size_t>(c - 1)]);
        ++r;
    }
    return data;
}

TEST(DataNValue, KindFromTheFirstRowAndEnterSkipsTheOtherKindsCells)
{
    RecordingPrompter prompter;
    NValueModel stages(withTests({{"1.00", "18", "5", "6", "7", "0"}}), prompter);
    EXPECT_TRUE(stages.tenCentimetreKind());
    EXPECT_FALSE(stages.fieldEnabled(NValueModel::NValue));
    ASSERT_TRUE(stages.openInPlace(1, 1));
    EXPECT_TRUE(stages.inPlaceKey(InPlaceKey::Enter, "1.00"));
    EXPECT_EQ(stages.inPlaceColumn(), 3);

    NValueModel typed(withTests({{"1.00", "12", "", "", "", "0"}}), prompter);
    EXPECT_FALSE(typed.tenCentimetreKind());
    ASSERT_TRUE(typed.openInPlace(1, 1));
    EXPECT_TRUE(typed.inPlaceKey(InPlaceKey::Enter, "1.00"));
    EXPECT_EQ(typed.inPlaceColumn(), 2);
    EXPECT_TRUE(typed.inPlaceKey(InPlaceKey::Enter, "12"));
    EXPECT_EQ(typed.inPlaceRow(), 2);

    // No rows: the kind of the previous opening stays.
    NValueModel empty(BoringData{}, prompter);
    EXPECT_FALSE(empty.tenCentimetreKind());
}

TEST(DataNValue, AddComputesOrDropsTheStagesAndProposesTheNextDepth)
{
    RecordingPrompter prompter;
    NValueModel model(BoringData{}, prompter);
    model.setField(NValueModel::Increment, "1");  // 0.75m
    model.setField(NValueModel::Depth, "1");
    model.setField(NValueModel::NValue, "12");
    model.setField(NValueModel::Stage1, "3");
    model.add();
    EXPECT_EQ(model.row(1), (TextRow{"1.00", "12", "", "", "", "0"}));
    EXPECT_EQ(model.field(NValueModel::Depth), "1.75");
    int field = -1;
    model.takeFocusRequest(&field);
    EXPECT_EQ(field, NValueModel::NValue);
    EXPECT_EQ(model.field(NValueModel::NValue), "");

    model.setField(NValueModel::Kind, "1");
    model.choiceMade(NValueModel::Kind);
    model.setField(NValueModel::Stage1, "10");
    model.setField(NValueModel::Stage2, "20");
    model.setField(NValueModel::Stage3, "50/3");
    model.add();
    EXPECT_EQ(model.row(2), (TextRow{"1.75", "80/23", "10", "20", "50/3", "0"}));
    EXPECT_EQ(model.field(NValueModel::Depth), "2.50");
    EXPECT_TRUE(prompter.messages.empty());

    // The in-place editor proposes the same next depth on an empty cell.
    ASSERT_TRUE(model.openInPlace(3, 1));
    EXPECT_EQ(model.inPlaceText(), "2.50");
    model.setField(NValueModel::Kind, "0");
    model.choiceMade(NValueModel::Kind);
}

TEST(DataNValue, RowClickInTenCentimetreKindRecomputesTheNValue)
{
    RecordingPrompter prompter;
    NValueModel model(withTests({{"1.00", "99", "5", "6", "7", "1"}}), prompter);
    model.clickRow(1);
    EXPECT_EQ(model.field(NValueModel::NValue), "18");
    EXPECT_EQ(model.cell(1, 2), "18");
    EXPECT_EQ(model.field(NValueModel::NoJoin), "1");
    model.setField(NValueModel::Kind, "0");
    model.choiceMade(NValueModel::Kind);
}

}  // namespace
}  // namespace kolv
