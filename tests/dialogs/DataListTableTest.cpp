// The shared list-table behaviour, on a small dialog of its own: depth, a
// note, a check box and a column without a field, five rows.
#include "dialogs/ListTableModel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;

const ListDialogTable& smallDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "test";
        s.capacity = 5;
        s.storeCellCount = 3;
        s.fields = {{"深度"}, {"記事"}, {"下線", FieldKind::Check}};
        s.columns = {{"m", 40, 0, 1, 1}, {"記事", 80, 1, 1, 2}, {"", 10, -1, 0, 0}, {"下線", 30, 2, 2, 3}};
        return s;
    }();
    return dialogTable;
}

class SmallModel : public ListTableModel {
public:
    SmallModel(const std::vector<TextRow>& storeRows, Prompter& prompter) : ListTableModel(smallDialogTable(), prompter)
    {
        openWithStoreRows(storeRows);
    }
    std::vector<TextRow> stored() const { return storeRowsAfterAccept(); }
    void type(const std::string& depth, const std::string& note = "x")
    {
        setField(0, depth);
        setField(1, note);
    }
};

struct SmallDialog : ::testing::Test {
    RecordingPrompter prompter;
    std::vector<int> messageIds() const
    {
        std::vector<int> ids;
        for (const auto& message : prompter.messages)
            ids.push_back(message.id);
        return ids;
    }
};

TEST_F(SmallDialog, OpeningListsRowsWithANumericDepthAndStoresThemPacked)
{
    SmallModel model({{"1.00", "a", "1"}, {"2.00", "b", "0"}, {"", "orphan note", ""}, {"4.00", "d", ""}}, prompter);
    EXPECT_EQ(model.cell(3, 2), "");
    EXPECT_EQ(model.cell(4, 2), "d");
    EXPECT_EQ(model.currentRow(), 5);
    EXPECT_FALSE(model.modified());
    ASSERT_TRUE(model.accept());
    const std::vector<TextRow> expected = {{"1.00", "a", "1"}, {"2.00", "b", "0"}, {"4.00", "d", ""}};
    EXPECT_EQ(model.stored(), expected);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SmallDialog, AddRefusals)
{
    struct Case {
        const char* name;
        std::vector<TextRow> rows;
        std::string depth;
        std::string note;
        int message;
    };
    const Case cases[] = {
        {"all fields empty", {}, "", "", 903},
        {"depth not numeric", {}, "abc", "x", 903},
        {"depth below -1", {}, "-1.5", "x", 32777},
        {"depth above 3000", {}, "3000.5", "x", 32777},
        {"same depth typed differently", {{"1.00", "a"}}, "1", "x", 908},
        {"at capacity", {{"1"}, {"2"}, {"3"}, {"4"}, {"5"}}, "6", "x", 902},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrompter recorder;
        SmallModel model(c.rows, recorder);
        model.type(c.depth, c.note);
        model.add();
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].id, c.message);
        EXPECT_EQ(model.lastNonEmptyRow(), static_cast<int>(c.rows.size()));
        EXPECT_TRUE(model.modified());
    }
    RecordingPrompter recorder;
    SmallModel model({{"1.00", "a"}}, recorder);
    model.type("1");
    model.add();
    EXPECT_EQ(recorder.messages[0].text, sjis("同じ 深度データがあります.\n修正なら上書きしてください."));
}

TEST_F(SmallDialog, AddWritesAfterTheLastNonEmptyRowAndClearsTheFields)
{
    SmallModel model({{"1.00", "a"}, {"3.00", "c"}}, prompter);
    model.type(" 2.5", "new");
    model.setField(2, "1");
    model.add();
    EXPECT_EQ(model.row(3), (TextRow{"2.50", "new", "", "1"}));
    EXPECT_EQ(model.field(0), "");
    EXPECT_EQ(model.field(2), "0");
    // The form is ready for the next row, in the row after the added one.
    EXPECT_EQ(model.currentRow(), 4);
    EXPECT_TRUE(model.enteringNewRow());
    EXPECT_TRUE(model.addEnabled());
    EXPECT_EQ(model.takeScrollRequest(), 3);
    int field = -1;
    EXPECT_EQ(model.takeFocusRequest(&field), FocusTarget::Field);
    EXPECT_EQ(field, 0);
}

TEST_F(SmallDialog, OverwriteFindsTheRowOfTheSameDepth)
{
    SmallModel model({{"1.00", "a"}, {"2.00", "b"}, {"3.00", "c"}}, prompter);
    model.clickRow(3);
    EXPECT_FALSE(model.addEnabled());
    model.type("1", "changed");
    model.overwrite();
    EXPECT_EQ(model.cell(1, 2), "changed");
    EXPECT_EQ(model.cell(3, 2), "c");
    EXPECT_EQ(model.currentRow(), 4);
    EXPECT_TRUE(model.addEnabled());
    EXPECT_TRUE(prompter.messages.empty());

    model.type("9", "nowhere");
    model.overwrite();
    ASSERT_EQ(messageIds(), std::vector<int>{907});
    EXPECT_EQ(prompter.messages[0].text, sjis("上書きできません、同じ 深度 がありません."));

    RecordingPrompter empty;
    SmallModel none({}, empty);
    none.type("1");
    none.overwrite();
    ASSERT_EQ(empty.messages.size(), 1u);
    EXPECT_EQ(empty.messages[0].id, 904);
    EXPECT_EQ(none.lastNonEmptyRow(), 0);
}

TEST_F(SmallDialog, DeleteMovesTheRowsBelowUpAndKeepsCapacityRows)
{
    SmallModel model({{"1"}, {"2"}, {"3"}, {"4"}, {"5"}}, prompter);
    model.deleteRow(2);
    EXPECT_EQ(model.cell(2, 1), "3");
    EXPECT_EQ(model.cell(4, 1), "5");
    EXPECT_EQ(model.cell(5, 1), "");
    EXPECT_EQ(model.capacity(), 5);
    EXPECT_TRUE(model.modified());
    model.deleteRow(0);
    EXPECT_EQ(model.lastNonEmptyRow(), 4);
}

TEST_F(SmallDialog, StoreBackSortsByDepthAndReportsDuplicatesAboveZero)
{
    SmallModel model({{"2.00", "first"}, {"1.50", "b"}, {"2", "second"}, {"0", "z1"}, {"0.00", "z2"}}, prompter);
    ASSERT_TRUE(model.accept());
    std::vector<std::string> order;
    for (const TextRow& row : model.stored())
        order.push_back(row[1]);
    EXPECT_EQ(order, (std::vector<std::string>{"z1", "z2", "b", "first", "second"}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, sjis("同じ深度があります\r\n 2.00 m \r\n"));
}

TEST_F(SmallDialog, DuplicateDepthsAreListedAsTyped)
{
    struct Case {
        std::string depth;
        std::string listed;
    };
    for (const Case& c : {Case{"1.5", "1.50"}, Case{"1.505", "1.505"}, Case{"7", "7.00"}}) {
        RecordingPrompter recorder;
        SmallModel model({{c.depth, "a"}, {c.depth, "b"}}, recorder);
        ASSERT_TRUE(model.accept());
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, sjis("同じ深度があります\r\n ") + c.listed + " m \r\n");
    }
}

TEST_F(SmallDialog, CancelAsksOnlyAfterChanges)
{
    SmallModel untouched({{"1.00", "a"}}, prompter);
    EXPECT_TRUE(untouched.cancel());
    EXPECT_TRUE(prompter.messages.empty());

    SmallModel refused({{"1.00", "a"}}, prompter);
    refused.type("");
    refused.add();
    prompter.messages.clear();
    prompter.scriptedAnswers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(refused.cancel());
    EXPECT_TRUE(refused.cancel());
    EXPECT_EQ(messageIds(), (std::vector<int>{131, 131}));
    EXPECT_EQ(prompter.messages[0].kind, MessageKind::Question);
}

TEST_F(SmallDialog, LiveWriteBackOnlyIntoARowOfTheSameDepth)
{
    SmallModel model({{"1.00", "a"}, {"2.00", "b"}}, prompter);
    model.clickRow(2);
    EXPECT_EQ(model.field(1), "b");
    model.setField(1, "edited");
    model.leaveField(1);
    EXPECT_EQ(model.cell(2, 2), "edited");
    EXPECT_TRUE(model.modified());
    model.setField(0, "5");
    model.setField(1, "elsewhere");
    model.leaveField(0);
    EXPECT_EQ(model.cell(2, 1), "2.00");
    EXPECT_EQ(model.cell(2, 2), "edited");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SmallDialog, FreshDialogTakesRowAfterRowFromTheFields)
{
    // Typing into the fields of the new row writes it into the list as the
    // focus moves on; add ends the row and starts the next one.
    SmallModel model({}, prompter);
    EXPECT_EQ(model.currentRow(), 1);
    EXPECT_EQ(model.entryState(), EntryState::NewRow);
    const std::vector<std::pair<std::string, std::string>> typed = {{"1", "a"}, {"2.5", "b"}, {"4", "c"}};
    for (const auto& [depth, note] : typed) {
        SCOPED_TRACE(depth);
        const int row = model.currentRow();
        model.setField(0, depth);
        model.leaveField(0);
        model.setField(1, note);
        model.leaveField(1);
        EXPECT_EQ(model.cell(row, 2), note);
        EXPECT_TRUE(model.addEnabled());
        model.add();
        EXPECT_EQ(model.currentRow(), row + 1);
        EXPECT_EQ(model.field(0), "");
    }
    // The next row typed over the fields of one not added yet never
    // replaces it: add makes it a row of its own, overwrite mends a depth.
    model.setField(0, "5");
    model.leaveField(0);
    model.setField(0, "6");
    model.leaveField(0);
    EXPECT_EQ(model.cell(4, 1), "5.00");
    EXPECT_EQ(model.entryState(), EntryState::DepthChanged);
    model.add();
    EXPECT_EQ(model.cell(5, 1), "6.00");
    model.clickRow(5);
    model.setField(0, "7");
    model.overwrite();
    EXPECT_EQ(model.cell(5, 1), "7.00");
    ASSERT_TRUE(model.accept());
    EXPECT_EQ(model.stored().size(), 5u);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SmallDialog, DepthTheDialogCannotTakeIsRefusedAtTheFieldNamingIt)
{
    struct Case {
        std::string depth;
        int message;  // 0: taken
    };
    const Case cases[] = {{"abc", 903}, {"-5", 32777}, {"3000.5", 32777}, {"", 0}, {"+2", 0}, {"-0.5", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.depth);
        RecordingPrompter recorder;
        SmallModel model({{"1.00", "a"}}, recorder);
        model.setField(1, "kept");
        model.setField(0, c.depth);
        model.leaveField(0);
        EXPECT_EQ(model.refuseKeyField(), c.message != 0);
        if (c.message == 0) {
            EXPECT_TRUE(recorder.messages.empty());
            continue;
        }
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].id, c.message);
        EXPECT_EQ(recorder.messages[0].text.rfind(sjis("［深度］\n"), 0), 0u);
        int field = -1;
        EXPECT_EQ(model.takeFocusRequest(&field), FocusTarget::Field);
        EXPECT_EQ(field, 0);
        // The rest of the row stays in the fields; nothing reached the list.
        EXPECT_EQ(model.field(1), "kept");
        EXPECT_EQ(model.lastNonEmptyRow(), 1);
    }
}

TEST_F(SmallDialog, OkAsksAboutTypedValuesTheListDoesNotHold)
{
    struct Case {
        Answer answer;
        bool closes;
        int rowsStored;
    };
    // A new row typed with the depth of row 1 waits in the fields.
    for (const Case& c : {Case{Answer::Cancel, false, 0}, Case{Answer::No, true, 1}, Case{Answer::Yes, false, 0}}) {
        RecordingPrompter recorder;
        recorder.scriptedAnswers = {c.answer};
        SmallModel model({{"1.00", "a"}}, recorder);
        model.type("1", "typed");
        model.leaveField(1);
        EXPECT_EQ(model.lastNonEmptyRow(), 1);
        EXPECT_EQ(model.accept(), c.closes);
        ASSERT_FALSE(recorder.messages.empty());
        EXPECT_EQ(recorder.messages[0].text,
                  sjis("入力中のデータがデータ一覧に入っていません.\n追加してから閉じますか？"));
        EXPECT_EQ(recorder.messages[0].kind, MessageKind::QuestionWithCancel);
        if (c.answer == Answer::Yes) {
            EXPECT_EQ(recorder.messages.back().id, 908);  // add refuses the same depth
        }
        if (c.closes) {
            EXPECT_EQ(static_cast<int>(model.stored().size()), c.rowsStored);
        }
    }
    // Values the list already holds, or a new row left untouched, ask nothing.
    SmallModel written({{"1.00", "a"}}, prompter);
    written.type("2", "b");
    written.leaveField(1);
    EXPECT_TRUE(written.accept());
    EXPECT_EQ(written.stored().size(), 2u);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SmallDialog, AnotherDepthForAChosenRowIsAddedAsANewRow)
{
    SmallModel model({{"1.00", "a"}, {"2.00", "b"}}, prompter);
    model.clickRow(2);
    EXPECT_EQ(model.entryState(), EntryState::EditingRow);
    EXPECT_FALSE(model.addEnabled());
    model.setField(0, "3");
    model.leaveField(0);
    EXPECT_EQ(model.cell(2, 1), "2.00");
    EXPECT_EQ(model.entryState(), EntryState::DepthChanged);
    EXPECT_TRUE(model.addEnabled());
    model.add();
    EXPECT_EQ(model.row(3), (TextRow{"3.00", "b", "", "0"}));
    EXPECT_EQ(model.entryState(), EntryState::NewRow);
    // Clicking an empty row starts a new row there; a full list says so.
    SmallModel full({{"1"}, {"2"}, {"3"}, {"4"}, {"5"}}, prompter);
    EXPECT_EQ(full.entryState(), EntryState::Full);
    model.clickRow(5);
    EXPECT_TRUE(model.enteringNewRow());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SmallDialog, InPlaceEditorWalksTheNavigableColumns)
{
    SmallModel model({{"1.00", "a"}, {"2.00", "b"}}, prompter);
    ASSERT_TRUE(model.openInPlace(1, 1));
    EXPECT_EQ(model.inPlaceText(), "1.00");
    // Enter: depth, note, then the check column (the empty column is skipped), then the next row.
    EXPECT_TRUE(model.inPlaceKey(InPlaceKey::Enter, "1.10"));
    EXPECT_EQ(model.inPlaceColumn(), 2);
    EXPECT_TRUE(model.inPlaceKey(InPlaceKey::Enter, "a2"));
    EXPECT_EQ(model.inPlaceColumn(), 4);
    EXPECT_TRUE(model.inPlaceKey(InPlaceKey::Enter, "1"));
    EXPECT_EQ(model.inPlaceRow(), 2);
    EXPECT_EQ(model.inPlaceColumn(), 1);
    EXPECT_EQ(model.field(1), "b");
    EXPECT_EQ(model.row(1), (TextRow{"1.10", "a2", "", "1"}));
    EXPECT_TRUE(model.inPlaceKey(InPlaceKey::Up, "2.00"));
    EXPECT_EQ(model.inPlaceRow(), 1);
    EXPECT_FALSE(model.inPlaceKey(InPlaceKey::Up, "1.10"));
    EXPECT_FALSE(model.inPlaceOpen());

    ASSERT_TRUE(model.openInPlace(5, 1));
    EXPECT_FALSE(model.inPlaceKey(InPlaceKey::Down, ""));
    ASSERT_TRUE(model.openInPlace(2, 2));
    EXPECT_FALSE(model.accept());
    EXPECT_FALSE(model.inPlaceOpen());
    EXPECT_TRUE(model.accept());
}

TEST_F(SmallDialog, PasteGoesThroughTheFieldCheckAndStopsAtARefusedRow)
{
    SmallModel model({{"1.00", "a"}}, prompter);
    EXPECT_EQ(model.pasteRows(2, "2\tpasted\t\t1\r\n3.5\tthird\nnot a depth\tx\n4\tnever\n"), 2);
    EXPECT_EQ(model.row(2), (TextRow{"2.00", "pasted", "", "1"}));
    EXPECT_EQ(model.row(3), (TextRow{"3.50", "third", "", "0"}));
    EXPECT_EQ(model.cell(4, 1), "");
    ASSERT_EQ(messageIds(), (std::vector<int>{903, 0}));
    EXPECT_EQ(prompter.messages[1].text, sjis("4行目で貼り付けを中止しました."));
    EXPECT_TRUE(model.modified());

    prompter.messages.clear();
    EXPECT_EQ(model.pasteRows(4, "4\ta\n5\tb\n6\tc\n"), 2);
    EXPECT_EQ(messageIds(), (std::vector<int>{902, 0}));
}

TEST_F(SmallDialog, CopyGivesTabSeparatedRowsThatPasteBack)
{
    SmallModel model({{"1.00", "two\r\nlines", "1"}, {"2.00", "b\tc", "0"}}, prompter);
    const std::string copied = model.copyRows({1, 2});
    EXPECT_EQ(copied, "1.00\ttwo  lines\t\t1\n2.00\tb c\t\t0\n");
    SmallModel other({}, prompter);
    EXPECT_EQ(other.pasteRows(1, copied), 2);
    EXPECT_EQ(other.row(2), (TextRow{"2.00", "b c", "", "0"}));
}

}  // namespace
}  // namespace kolv
