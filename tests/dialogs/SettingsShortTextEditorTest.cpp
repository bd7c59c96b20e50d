// The short-text master editor: loading the two layouts, the list buttons,
// the checks, the merge of the previous version's master, saving, the
// unsaved-changes questions, and the whole dialog through its command.
#include "SettingsDialogTestSupport.h"

#include "dialogs/SettingsDialogs.h"
#include "dialogs/ShortTextEditorDialog.h"
#include "dialogs/ShortTextEditorModel.h"
#include "document/LogDocument.h"
#include "platform/FirstUse.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <filesystem>

using namespace kolv;
using namespace kolv::test;

namespace {

using Kind = ShortTextMasterKind;

struct Editor {
    SettingsInstallation install;
    RecordingPrompter prompter;

    // Writes a master of the installation, lines ended by CR LF.
    void writeMaster(std::string_view name, const std::vector<std::string>& lines)
    {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += line + "\r\n";
        writeFile(install.file(name), bytes);
    }
    std::string master(std::string_view name) const { return readFile(install.file(name)); }
    // The previous version's folder beside the installation folder.
    std::string previousFile(std::string_view name) const
    {
        const std::filesystem::path folder =
            std::filesystem::path(defaultInstallationFolder(install.root.path())).parent_path() / "Qelm2";
        std::filesystem::create_directories(folder);
        return (folder / name).string();
    }
    std::vector<std::string> texts(const ShortTextEditorModel& model) const
    {
        std::vector<std::string> shown;
        for (int row = 1; row <= model.filledRows(); ++row)
            shown.push_back(model.text(row));
        return shown;
    }
    std::string lastMessage() const { return prompter.messages.empty() ? "" : prompter.messages.back().text; }
};

std::vector<std::string> numbered(const std::string& prefix, int count)
{
    std::vector<std::string> lines;
    for (int n = 1; n <= count; ++n)
        lines.push_back(prefix + std::to_string(n));
    return lines;
}

}  // namespace

TEST(SettingsShortTextEditor, LoadsEachLayoutAndSavesTheFilledRowsInOrder)
{
    struct Case {
        Kind kind;
        const char* file;
        std::vector<std::string> lines;
        std::vector<std::string> texts;
        std::string typed;  // into the first empty row
        std::string saved;
    };
    const Case cases[] = {
        {Kind::ElevationType, "Hyk.mst", {"A.P.", "", "T.P."}, {"A.P.", "T.P."}, "D.L.", "A.P.\r\nT.P.\r\nD.L.\r\n"},
        {Kind::Engineer,
         "M.mst",
         {sjis("ア,山田"), "", sjis("-,佐藤")},
         {sjis("山田"), sjis("佐藤")},
         sjis("鈴木"),
         sjis("ア,山田\r\n-,佐藤\r\n-,鈴木\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Editor editor;
        editor.writeMaster(c.file, c.lines);
        ShortTextEditorModel model(editor.install.settings, editor.prompter);
        model.chooseFile(c.kind);
        EXPECT_EQ(model.fileNumber(), static_cast<int>(c.kind) + 1);
        EXPECT_EQ(model.path(), editor.install.settings.installFolder + "\\" + c.file);
        EXPECT_EQ(editor.texts(model), c.texts);
        EXPECT_EQ(model.selectedRow(), 3) << "the first empty row is selected";
        EXPECT_EQ(model.cellEditable(3, ShortTextEditorModel::MarkColumn), model.hasMarks());
        model.editCell(model.selectedRow(), ShortTextEditorModel::TextColumn, c.typed);
        model.editCell(5, ShortTextEditorModel::MarkColumn, "x");  // a mark without a text is not written
        EXPECT_TRUE(model.modified());
        ASSERT_TRUE(model.save());
        EXPECT_EQ(editor.master(c.file), c.saved);
        EXPECT_FALSE(model.modified());
        EXPECT_EQ(model.status(), sjis("保存しました"));
        EXPECT_TRUE(editor.prompter.messages.empty());
    }
}

TEST(SettingsShortTextEditor, MissingFileGivesItsMessageAndAnEmptyListThatSaveCreates)
{
    Editor editor;
    std::filesystem::remove(editor.install.file("M.mst"));
    ShortTextEditorModel model(editor.install.settings, editor.prompter);
    ASSERT_EQ(editor.prompter.messages.size(), 1u);
    EXPECT_EQ(editor.lastMessage(), sjis("ファイルが見つかりません\n( ") + model.path() + " )");
    EXPECT_EQ(model.file(), Kind::Engineer);
    EXPECT_EQ(model.filledRows(), 0);
    EXPECT_EQ(model.selectedRow(), 1);
    model.editCell(1, ShortTextEditorModel::TextColumn, "a");
    ASSERT_TRUE(model.save());
    EXPECT_EQ(editor.master("M.mst"), "-,a\r\n");
}

TEST(SettingsShortTextEditor, InsertKeepsToTheFilledRowsAndTheEightyRowLimit)
{
    struct Case {
        int entries;
        int selected;
        const char* message;  // empty: the row is inserted
    };
    const Case cases[] = {
        {80, 5, "これ以上データを扱えません"},
        {3, 0, "データの位置を指定して下さい"},
        {3, 5, "指定できません"},
        {3, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Editor editor;
        editor.writeMaster("Hyk.mst", numbered("t", c.entries));
        ShortTextEditorModel model(editor.install.settings, editor.prompter);
        model.chooseFile(Kind::ElevationType);
        model.selectRow(c.selected);
        model.insertRow();
        if (*c.message) {
            EXPECT_EQ(editor.lastMessage(), sjis(c.message));
            EXPECT_EQ(model.filledRows(), c.entries);
            EXPECT_FALSE(model.modified());
        } else {
            EXPECT_TRUE(editor.prompter.messages.empty());
            EXPECT_EQ(editor.texts(model), (std::vector<std::string>{"t1", "", "t2", "t3"}));
            model.save();
            EXPECT_EQ(editor.master("Hyk.mst"), "t1\r\nt2\r\nt3\r\n") << "the empty row is not written";
        }
    }
}

TEST(SettingsShortTextEditor, DeleteAsksOnlyUntilItWasConfirmedAndRowsMoveUpAndDown)
{
    Editor editor;
    editor.writeMaster("Hyk.mst", numbered("t", 5));
    ShortTextEditorModel model(editor.install.settings, editor.prompter);
    model.chooseFile(Kind::ElevationType);
    editor.prompter.scriptedAnswers = {Answer::No, Answer::Yes};
    model.selectRow(2);
    model.deleteRow();  // No
    EXPECT_EQ(model.filledRows(), 5);
    model.deleteRow();  // Yes
    model.deleteRow();  // no question any more
    EXPECT_EQ(editor.texts(model), (std::vector<std::string>{"t1", "t4", "t5"}));
    ASSERT_EQ(editor.prompter.messages.size(), 2u);
    EXPECT_EQ(editor.prompter.messages[0].text, sjis("1行削除します.\u3000"));
    EXPECT_EQ(editor.prompter.messages[0].kind, MessageKind::Question);

    model.moveUp();
    EXPECT_EQ(editor.texts(model), (std::vector<std::string>{"t4", "t1", "t5"}));
    EXPECT_EQ(model.selectedRow(), 1);
    model.moveUp();  // at the top: nothing
    model.moveDown();
    model.moveDown();
    EXPECT_EQ(editor.texts(model), (std::vector<std::string>{"t1", "t5", "t4"}));
    EXPECT_EQ(model.selectedRow(), 3);
    EXPECT_TRUE(model.modified());
}

TEST(SettingsShortTextEditor, ChoosingAnotherFileAfterEditsAsksOnce)
{
    struct Case {
        Answer answer;
        std::string engineersAfter;
    };
    const Case cases[] = {{Answer::No, "-,a\r\n"}, {Answer::Yes, "-,a\r\n-,b\r\n"}};
    for (const Case& c : cases) {
        Editor editor;
        editor.writeMaster("M.mst", {"-,a"});
        ShortTextEditorModel model(editor.install.settings, editor.prompter);
        model.editCell(2, ShortTextEditorModel::TextColumn, "b");
        editor.prompter.scriptedAnswers = {c.answer};
        EXPECT_TRUE(model.chooseFile(Kind::Client));
        EXPECT_EQ(model.file(), Kind::Client);
        ASSERT_EQ(editor.prompter.messages.size(), 1u);
        EXPECT_EQ(editor.lastMessage(), sjis("保存しますか\u3000"));
        EXPECT_EQ(editor.master("M.mst"), c.engineersAfter);
        model.chooseFile(Kind::Engineer);
        EXPECT_EQ(editor.prompter.messages.size(), 1u) << "no question without changes";
        EXPECT_EQ(model.filledRows(), c.answer == Answer::Yes ? 2 : 1);
        EXPECT_EQ(model.status(), "");
    }
}

TEST(SettingsShortTextEditor, FullWidthCheckListsAtMostSixRows)
{
    Editor editor;
    std::vector<std::string> lines = {"-,A.P.", sjis("-,ａｂ")};
    for (int n = 1; n <= 6; ++n)
        lines.push_back(sjis("-,試験") + std::to_string(n) + sjis("号機１２３４５６７８９０ＡＢＣ"));
    editor.writeMaster("M.mst", lines);
    ShortTextEditorModel model(editor.install.settings, editor.prompter);
    // Texts are cut at 30 bytes on a whole character; row 8 is the seventh hit.
    std::string expected = sjis("全角英数字が含まれています\n(2行目) ａｂ  \n");
    for (int n = 1; n <= 5; ++n)
        expected += sjis("(") + std::to_string(n + 2) + sjis("行目) 試験") + std::to_string(n)
            + sjis("号機１２３４５６７８９０  \n");
    model.checkFullWidth();
    EXPECT_EQ(editor.lastMessage(), expected);

    editor.writeMaster("Hyk.mst", {"A.P.", "T.P."});
    model.chooseFile(Kind::ElevationType);
    model.checkFullWidth();
    EXPECT_EQ(editor.lastMessage(), sjis("全角英数字\u3000無し"));
}

TEST(SettingsShortTextEditor, PreviousVersionEntriesJoinAtTheirPlaceOrAtTheEnd)
{
    Editor editor;
    editor.writeMaster("M.mst", {"-,a", "-,b", "-,c"});
    ShortTextEditorModel without(editor.install.settings, editor.prompter);
    EXPECT_FALSE(without.previousVersionAvailable()) << "no previous version installed";

    writeFile(editor.previousFile("M.mst"),
              sjis("-,a\r\nk,new1\r\n-,**\r\n-,b\r\n\r\n-,c\r\n-,new2\r\n-,new3\r\n-,new4\r\n"));
    ShortTextEditorModel model(editor.install.settings, editor.prompter);
    ASSERT_TRUE(model.previousVersionAvailable());
    model.mergePreviousVersion();
    EXPECT_EQ(editor.texts(model), (std::vector<std::string>{"a", "new1", "b", "c", "new2", "new3", "new4"}));
    EXPECT_EQ(model.mark(2), "k");
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(editor.lastMessage(), sjis("旧バージョンからの追加データ数=[ 4 ]\nnew1\nnew2\nnew3 ・・・"));

    model.mergePreviousVersion();
    EXPECT_EQ(editor.lastMessage(), sjis("旧バージョンからの追加データはありませんでした"));
    EXPECT_EQ(model.filledRows(), 7);
}

TEST(SettingsShortTextEditor, EqualTextsAreReportedAfterTheyWereWritten)
{
    Editor editor;
    std::vector<std::string> lines = {"-,a", "k,b", "-,a"};
    for (int n = 0; n < 7; ++n)
        lines.push_back("-,b");
    editor.writeMaster("M.mst", lines);
    ShortTextEditorModel model(editor.install.settings, editor.prompter);
    model.editCell(3, ShortTextEditorModel::MarkColumn, "x");
    ASSERT_TRUE(model.save());
    EXPECT_EQ(editor.master("M.mst"), "-,a\r\nk,b\r\nx,a\r\n-,b\r\n-,b\r\n-,b\r\n-,b\r\n-,b\r\n-,b\r\n-,b\r\n");
    EXPECT_EQ(editor.lastMessage(),
              sjis("同じデータがあります\n 1行目と 3行目 [a]\u3000x\n 2行目と 4行目 [b]\u3000-\n"
                   " 2行目と 5行目 [b]\u3000-\n 2行目と 6行目 [b]\u3000-\n"
                   " 2行目と 7行目 [b]\u3000-\n 2行目と 8行目 [b]\u3000-"));
    EXPECT_EQ(model.status(), sjis("保存しました"));
}

TEST(SettingsShortTextEditor, AFileThatCannotBeWrittenKeepsTheChanges)
{
    Editor editor;
    editor.writeMaster("M.mst", {"-,a"});
    editor.install.settings.engineerMasterPath = editor.install.settings.installFolder + "\\missing\\M.mst";
    ShortTextEditorModel model(editor.install.settings, editor.prompter);
    model.editCell(1, ShortTextEditorModel::TextColumn, "b");
    editor.prompter.messages.clear();
    EXPECT_FALSE(model.save());
    EXPECT_EQ(editor.lastMessage(), editor.install.settings.engineerMasterPath + sjis("\n保存できませんでした"));
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(model.status(), "");

    editor.prompter.scriptedAnswers = {Answer::Yes};
    EXPECT_FALSE(model.chooseFile(Kind::Client)) << "a failed save keeps the edited file";
    EXPECT_EQ(model.file(), Kind::Engineer);
    EXPECT_EQ(model.text(1), "b");
}

// OK and Cancel never drop changes without a question: OK offers to save,
// Cancel asks whether the changes may go.
TEST(SettingsShortTextEditor, OkAndCancelAskBeforeChangesAreLost)
{
    struct Case {
        bool ok;
        Answer answer;
        bool closes;
        std::string fileAfter;
    };
    const Case cases[] = {
        {true, Answer::Yes, true, "-,a\r\n-,b\r\n"},
        {true, Answer::No, true, "-,a\r\n"},
        {false, Answer::Yes, true, "-,a\r\n"},
        {false, Answer::No, false, "-,a\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ok ? "OK " : "Cancel ") + (c.answer == Answer::Yes ? "Yes" : "No"));
        Editor editor;
        editor.writeMaster("M.mst", {"-,a"});
        ShortTextEditorModel model(editor.install.settings, editor.prompter);
        EXPECT_TRUE(c.ok ? model.accept() : model.cancel()) << "nothing to ask without changes";
        model.editCell(2, ShortTextEditorModel::TextColumn, "b");
        editor.prompter.scriptedAnswers = {c.answer};
        EXPECT_EQ(c.ok ? model.accept() : model.cancel(), c.closes);
        ASSERT_EQ(editor.prompter.messages.size(), 1u);
        EXPECT_EQ(editor.lastMessage(),
                  sjis(c.ok ? "保存しますか\u3000" : "データが変更されましたが、キャンセルしてよいのですか？"));
        EXPECT_EQ(editor.master("M.mst"), c.fileAfter);
    }
}

TEST(SettingsShortTextEditor, CommandEditsInPlaceSavesAndSwitchesFiles)
{
    ensureApplication();
    Editor editor;
    editor.writeMaster("M.mst", {sjis("-,山田")});
    editor.writeMaster("Hyk.mst", {"A.P.", "T.P."});
    LogDocument document;
    document.replaceSettings(editor.install.settings);
    document.newDocument();
    QString statusAfterSave;
    QStringList unnamed;
    whenModalDialogShows([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("編集 技術者ほかの短文"));
        for (QWidget* control : dialog.findChildren<QWidget*>())
            if (control->focusPolicy() != Qt::NoFocus && control->isVisible() && control->accessibleName().isEmpty())
                unnamed << control->metaObject()->className();
        auto& form = static_cast<ShortTextEditorDialog&>(dialog);
        QTableWidget* list = form.list();
        EXPECT_EQ(list->horizontalHeaderItem(0)->text(), QStringLiteral("短文 (登録語)"));
        EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("山田"));
        const QRect cell = list->visualItemRect(list->item(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        if (!form.cellEditor()) {
            ADD_FAILURE() << "a click on a cell opens its editor";
            dialog.done(QDialog::Rejected);
            return;
        }
        form.cellEditor()->insert(QStringLiteral("佐藤"));  // typed through an input method
        QTest::keyClick(form.cellEditor(), Qt::Key_Return);
        EXPECT_EQ(list->item(1, 0)->text(), QStringLiteral("佐藤"));
        clickButton(dialog, "保存");
        statusAfterSave = qobject_cast<QLineEdit*>(controlOf(dialog, "status"))->text();
        clickButton(dialog, "標高種別");
        EXPECT_EQ(list->item(1, 0)->text(), QStringLiteral("T.P."));
        EXPECT_EQ(qobject_cast<QLineEdit*>(controlOf(dialog, "fileNumber"))->text(), QStringLiteral("3"));
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(runSettingsDialog(3006, document, editor.prompter, nullptr), DialogOutcome::Accepted);
    EXPECT_EQ(statusAfterSave, QStringLiteral("保存しました"));
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(' ').toStdString();
    EXPECT_EQ(editor.master("M.mst"), sjis("-,山田\r\n-,佐藤\r\n"));
    EXPECT_TRUE(editor.prompter.messages.empty());
}
