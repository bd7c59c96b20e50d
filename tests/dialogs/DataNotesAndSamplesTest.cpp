#include "DataDialogFixture.h"
#include "dialogs/ObservationNotesModel.h"
#include "dialogs/SampleModel.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;
using O = ObservationNotesModel;
using S = SampleModel;

TEST(DataNotes, NotesStartFromTheLayersWhenThereAreNone)
{
    test::DialogSettings fixture;
    BoringData data;
    data.layerRows.setCell(1, 1, "2.00");
    data.layerRows.setCell(2, 1, "5.50");
    data.layerRows.setCell(3, 1, "8.00");
    RecordingPrompter prompter;
    O model(data, fixture.settings, prompter);
    EXPECT_EQ(model.row(1), (TextRow{"0.0", "2.00", "", "1", ""}));
    EXPECT_EQ(model.row(3), (TextRow{"5.50", "8.00", "", "1", ""}));
    EXPECT_EQ(model.lastFilledRow(), 3);
    EXPECT_TRUE(model.cancel());
    EXPECT_EQ(data.observationRows.cell(1, 1), "");
}

TEST(DataNotes, MultiLineNoteShortTextsAndTheNoteColumn)
{
    test::DialogSettings fixture;
    fixture.writeMaster(ShortTextMasterKind::Notes, "-,含水比高い\r\n-,貝殻混じり\r\n");
    RecordingPrompter prompter;
    O model(BoringData{}, fixture.settings, prompter);
    ASSERT_EQ(model.pickLines(O::ShortTexts).size(), 2u);
    // The row after the last one is current on opening: what is typed goes
    // into it as soon as a field is left.
    EXPECT_EQ(model.currentRow(), 1);
    model.setField(O::Upper, "1");
    model.setField(O::Lower, "2");
    model.setField(O::Note, sjis("一行目\r\n"));
    model.pick(O::ShortTexts, 1);
    model.setField(O::Note, model.field(O::Note) + "\r\n");
    model.leaveField(O::Note);
    EXPECT_EQ(model.row(1), (TextRow{"1.00", "2", sjis("一行目\r\n貝殻混じり\r\n"), "0", ""}));

    EXPECT_FALSE(model.openInPlace(1, 3));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].id, 134);
    EXPECT_TRUE(model.openInPlace(1, 2));
    model.commitInPlace("2.5");

    model.setField(O::Upper, "3");
    model.setField(O::Lower, "");
    model.setField(O::Note, sjis("ＡＢＣ層"));
    model.add();  // the lower depth is missing: 903 is shown, the row is added
    EXPECT_EQ(prompter.messages.back().id, 903);
    EXPECT_EQ(model.lastNonEmptyRow(), 2);
    EXPECT_EQ(model.fullWidthReport(), sjis("全角英数字が含まれています\r\n( 3.00m - m ) ＡＢＣ層  \r\n"));

    ASSERT_TRUE(model.accept());
    BoringData stored;
    model.storeInto(stored);
    EXPECT_EQ(stored.observationRows.cell(1, 2), "2.50");
    EXPECT_EQ(stored.observationRows.cell(1, 4), sjis("一行目\r\n貝殻混じり\r\n"));
}

BoringData withTests()
{
    BoringData data;
    data.sptRows.row(1) = {"1.15", "12", "", "", "", ""};
    data.sptRows.row(2) = {"2.15", "50/10", "", "", "", ""};
    return data;
}

TEST(DataSamples, TestDepthsOfferedAndCopied)
{
    test::DialogSettings fixture;
    BoringData data = withTests();
    data.sampleRows.row(1) = {"1.15", "1.45", "P-1", "T", "", "0"};
    RecordingPrompter prompter;
    S model(data, fixture.settings, prompter);
    EXPECT_EQ(model.pickLines(S::TestDepths), (std::vector<std::string>{"  1.15 ,  1.45", "  2.15 ,  2.25"}));

    struct Case {
        std::vector<Answer> answers;
        int rows;
    };
    for (const Case& c : {Case{{Answer::No}, 2}, Case{{Answer::Cancel}, 1}, Case{{Answer::Yes}, 3}}) {
        RecordingPrompter recorder;
        S copy(data, fixture.settings, recorder);
        recorder.messages.clear();
        recorder.scriptedAnswers = c.answers;
        copy.trigger(S::CopyAllDepths);
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].id, 3999);
        EXPECT_EQ(recorder.messages[0].kind, MessageKind::QuestionWithCancel);
        EXPECT_EQ(recorder.messages[0].text, sjis("同じ深度データがあります。（1.15） \n追加しますか？"));
        EXPECT_EQ(copy.lastNonEmptyRow(), c.rows);
        if (c.rows == 2) {
            EXPECT_EQ(copy.row(2), (TextRow{"2.15", "2.25", "", "", "1", ""}));
        }
    }
}

TEST(DataSamples, ExchangeItemsOptionIsShownInvertedAndCopyStopsAtTheLimit)
{
    test::DialogSettings fixture;
    BoringData data = withTests();
    data.documentOption(17).value = "1";
    for (int r = 1; r <= 200; ++r)
        data.sampleRows.row(r) = {std::to_string(r), "", "", "", "x", ""};
    RecordingPrompter prompter;
    S model(data, fixture.settings, prompter);
    EXPECT_EQ(model.field(S::ExchangeItems), "0");
    EXPECT_FALSE(model.fieldEnabled(S::Method));
    EXPECT_EQ(model.cell(1, 5), "0");
    prompter.messages.clear();
    model.trigger(S::CopyAllDepths);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].id, 4001);
    model.setField(S::ExchangeItems, "1");
    ASSERT_TRUE(model.accept());
    model.storeInto(data);
    EXPECT_EQ(data.documentOption(17).value, "0");
    EXPECT_EQ(data.sampleRows.cell(1, 5), "x");
}

}  // namespace
}  // namespace kolv
