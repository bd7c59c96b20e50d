#include "dialogs/DrillingModel.h"
#include "dialogs/FreeNotesModel.h"
#include "dialogs/RecoveryModel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;
using R = RecoveryModel;

TEST(DataRecovery, QuScaleOpeningValuesAndStepRule)
{
    BoringData data;
    clear(data);
    data.documentOption(23).value = "0";
    data.sampleRows.row(1) = {"2.00", "2.85", "", "", "", ""};
    RecordingPrompter prompter;
    R model(data, 5, prompter);
    EXPECT_EQ(model.field(R::ScaleFrom), "0");
    EXPECT_EQ(model.field(R::ScaleTo), "500");
    EXPECT_EQ(model.field(R::ScaleStep), "100");
    EXPECT_EQ(model.pickLines(R::SampleDepths), std::vector<std::string>{"  2.00 ,  2.85"});
    model.pick(R::SampleDepths, 0);
    model.enterField(R::Recovery);
    EXPECT_EQ(model.field(R::IntervalLength), "85.00");

    model.setField(R::ScaleTo, "700");
    model.leaveField(R::ScaleTo);
    EXPECT_EQ(model.field(R::ScaleStep), "70");
    EXPECT_TRUE(prompter.messages.empty());
    model.setField(R::ScaleTo, "7");
    model.leaveField(R::ScaleTo);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].id, 32791);
    EXPECT_EQ(model.field(R::ScaleTo), "0");
    EXPECT_EQ(model.field(R::ScaleStep), "0");

    model.setField(R::Legend, "1");
    // The picked interval was never added: OK asks, and No leaves it out.
    prompter.scriptedAnswers = {Answer::No};
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::QuestionWithCancel);
    model.storeInto(data);
    EXPECT_EQ(data.recoveryRows.cell(1, 1), "");
    EXPECT_EQ(data.documentOption(23).value, "0");
    EXPECT_EQ(data.headingLine(71), "1");
}

TEST(DataFreeNotes, OrderedByPageThenYWithFullWidthCommas)
{
    BoringData data;
    data.freeNoteRows.row(1) = {"2", "0", "", "10", "two"};
    data.freeNoteRows.row(2) = {"0", "0", "", "5", "every,page"};
    data.freeNoteRows.row(3) = {"1", "0", "", "30", "one low"};
    data.freeNoteRows.row(4) = {"1", "0", "", "12", "one high"};
    data.setFreeNoteHeaderCell(2, "40");
    RecordingPrompter prompter;
    FreeNotesModel model(data, prompter);
    ASSERT_TRUE(model.openInPlace(5, 1));
    EXPECT_TRUE(model.inPlaceKey(InPlaceKey::Enter, "abc"));  // a page that is not a number
    EXPECT_EQ(model.inPlaceColumn(), 2);
    EXPECT_TRUE(model.inPlaceKey(InPlaceKey::Enter, "1"));
    EXPECT_EQ(model.inPlaceColumn(), 4);  // the hidden column is skipped
    model.commitInPlace("0");
    ASSERT_TRUE(model.accept());
    EXPECT_TRUE(prompter.messages.empty());
    model.storeInto(data);
    std::vector<std::string> texts;
    for (int r = 1; r <= 5; ++r)
        texts.push_back(data.freeNoteRows.cell(r, 5));
    EXPECT_EQ(texts, (std::vector<std::string>{sjis("every，page"), "one high", "one low", "two", ""}));
    EXPECT_EQ(data.freeNoteFrameSize, 40);
}

TEST(DataFreeNotes, UnusableFrameHeightKeepsTheDialogOpenAndNamesTheField)
{
    // Notes in a frame without a height would not print.
    for (const char* height : {"abc", "", "0"}) {
        SCOPED_TRACE(height);
        BoringData data;
        data.freeNoteRows.row(1) = {"0", "0", "", "5", "note"};
        RecordingPrompter prompter;
        FreeNotesModel model(data, prompter);
        model.setField(FreeNotesModel::FrameHeight, height);
        EXPECT_FALSE(model.accept());
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, sjis("［自由記事欄枠］\n記事欄枠データが異常です.\u3000"));
        int field = -1;
        EXPECT_EQ(model.takeFocusRequest(&field), FocusTarget::Field);
        EXPECT_EQ(field, FreeNotesModel::FrameHeight);
        model.setField(FreeNotesModel::FrameHeight, "30");
        ASSERT_TRUE(model.accept());
        model.storeInto(data);
        EXPECT_EQ(data.freeNoteHeaderCell(2), "30");
    }
    // Without notes the height is not needed.
    RecordingPrompter prompter;
    FreeNotesModel empty(BoringData{}, prompter);
    EXPECT_TRUE(empty.accept());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(DataFreeNotes, LeavingTheFrameFieldWithARowChosenLeavesTheRowAlone)
{
    // The list has no fields of its own: a chosen row has nothing to be
    // written back from them.
    BoringData data;
    data.freeNoteRows.row(1) = {"1", "0", "", "5", "note"};
    RecordingPrompter prompter;
    FreeNotesModel model(data, prompter);
    model.clickRow(1);
    model.setField(FreeNotesModel::FrameHeight, "30");
    model.leaveField(FreeNotesModel::FrameHeight);
    EXPECT_EQ(model.row(1), (TextRow{"1", "0", "", "5", "note"}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(DataDrilling, RowWithoutDepthIsDroppedAndTheHintFollowsTheOption)
{
    BoringData data;
    RecordingPrompter prompter;
    DrillingModel model(data, prompter);
    EXPECT_EQ(model.field(DrillingModel::Hint), sjis("チェックONで柱状図の標尺欄に表示"));
    model.setField(DrillingModel::ShowInLog, "1");
    model.choiceMade(DrillingModel::ShowInLog);
    EXPECT_EQ(model.field(DrillingModel::Hint), "");
    ASSERT_TRUE(model.openInPlace(1, 2));
    model.commitInPlace("04/01");
    ASSERT_TRUE(model.openInPlace(2, 1));
    EXPECT_TRUE(model.inPlaceKey(InPlaceKey::Enter, "3.5"));
    model.commitInPlace("04/02");
    ASSERT_TRUE(model.accept());
    model.storeInto(data);
    EXPECT_EQ(data.drillingRows.row(1), (BoringData::DrillingTable::Row{"3.5", "04/02"}));
    EXPECT_EQ(data.drillingRows.cell(2, 2), "");
    EXPECT_EQ(data.documentOption(18).value, "1");
}

}  // namespace
}  // namespace kolv
