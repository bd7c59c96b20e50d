#include "DataDialogFixture.h"
#include "dialogs/InSituModel.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;
using I = InSituModel;

TEST(DataInSitu, DuplicateDepthAsksAndNoAddsASecondTest)
{
    test::DialogSettings fixture;
    BoringData data;
    data.inSituRows.row(1) = {"3.00", sjis("孔内水平載荷試験"), "", "7", "", "1", "3.00", ""};
    for (Answer answer : {Answer::Yes, Answer::No}) {
        RecordingPrompter prompter;
        I model(data, fixture.settings, prompter);
        prompter.messages.clear();
        prompter.scriptedAnswers = {answer};
        model.setField(I::Depth, "3");
        model.setField(I::Name, sjis("現場透水試験"));
        model.add();
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].id, 4000);
        EXPECT_EQ(model.lastNonEmptyRow(), answer == Answer::No ? 2 : 1);
        if (answer == Answer::No) {
            EXPECT_EQ(model.field(I::Word), "7");
            EXPECT_EQ(model.field(I::Position), "1");
            ASSERT_TRUE(model.accept());
            EXPECT_EQ(prompter.messages.back().text, sjis("同じ深度があります\r\n 3.00 m \r\n"));
            BoringData stored;
            model.storeInto(stored);
            EXPECT_EQ(stored.inSituRows.row(2),
                      (BoringData::InSituTable::Row{"3.00", sjis("現場透水試験"), "", "7", "", "1", "3.00", ""}));
        }
    }
}

TEST(DataInSitu, FlagWordPositionAndMasterPicks)
{
    test::DialogSettings fixture;
    fixture.writeMaster(ShortTextMasterKind::Insitu, "現場透水試験\r\n孔内載荷試験\r\n");
    BoringData data;
    data.inSituRows.row(1) = {"1.00", "a", "b", "x", sjis("●"), "2", "1.00", ""};
    data.inSituRows.row(2) = {"2.00", "c", "d", "8", "", "0", "2.00", ""};
    RecordingPrompter prompter;
    I model(data, fixture.settings, prompter);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(model.row(1), (TextRow{"1.00", "_", "o", "a", "_", "b", sjis("●"), sjis("下"), "7"}));
    EXPECT_EQ(model.row(2), (TextRow{"2.00", ".", ".", "c", ".", "d", "", sjis("上"), "8"}));
    model.clickRow(2);
    EXPECT_EQ(model.field(I::NotesColumn), "1");
    EXPECT_EQ(model.field(I::DepthLine), "0");
    model.pick(I::NameTexts, 0);
    model.pick(I::NameTexts, 1);
    EXPECT_EQ(model.field(I::Name), "c" + sjis("現場透水試験孔内載荷試験"));
    EXPECT_EQ(model.cell(2, 4), model.field(I::Name));
    model.setField(I::Position, "2");
    model.choiceMade(I::Position);
    ASSERT_TRUE(model.accept());
    BoringData stored;
    model.storeInto(stored);
    EXPECT_EQ(stored.inSituRows.cell(2, 6), "2");
    EXPECT_EQ(stored.inSituRows.cell(2, 4), "8");
}

}  // namespace
}  // namespace kolv
