// The data dialogs as the window opens them: typed into, confirmed or
// cancelled, on the offscreen platform.
#include "dialogs/DataDialogs.h"
#include "dialogs/FullWidthCheckDialog.h"
#include "dialogs/GeologyModel.h"
#include "dialogs/RecoveryModel.h"
#include "dialogs/ListTableForm.h"
#include "document/LogDocument.h"
#include "support/ModalDialog.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace kolv {
namespace {

using test::sjis;

void ensureApplication()
{
    if (QApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argumentCount = 1;
    static char programName[] = "test_dialogs";
    static char* arguments[] = {programName, nullptr};
    // Never destroyed: tearing widgets and the clipboard down among the
    // program's static objects at exit is not safe.
    new QApplication(argumentCount, arguments);
}

template <class Widget> Widget* control(QWidget* dialog, const QString& accessibleName)
{
    for (Widget* widget : dialog->findChildren<Widget*>())
        if (widget->accessibleName() == accessibleName)
            return widget;
    ADD_FAILURE() << "no control " << accessibleName.toStdString();
    return nullptr;
}

// Runs the command's dialog; script acts on it once it is shown.
DialogOutcome runWith(int command, LogDocument& document, Prompter& prompter,
                      const std::function<void(ListTableForm*)>& script)
{
    kolv::test::whenModalDialogShows([script](QDialog& dialog) {
        auto* form = qobject_cast<ListTableForm*>(&dialog);
        if (!form) {
            ADD_FAILURE() << "no list dialog is open";
            dialog.reject();
            return;
        }
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        script(form);
        if (form->isVisible())
            form->done(QDialog::Rejected);
    });
    return runDataDialog(command, document, prompter, nullptr);
}

void type(QWidget* form, const QString& field, const QString& text)
{
    auto* edit = control<QLineEdit>(form, field);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    // QTest types ASCII only; other characters arrive as an input method would send them.
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClicks(edit, QString(character));
        } else {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(edit, &key);
        }
    }
}

void press(QWidget* form, const QString& caption)
{
    auto* button = control<QPushButton>(form, caption);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

struct DataDialogWindow : ::testing::Test {
    DataDialogWindow()
    {
        ensureApplication();
        LogSettings settings = document.settings();
        settings.dataRoot = folder.path();
        document.replaceSettings(settings);
    }
    test::TemporaryFolder folder;
    LogDocument document;
    RecordingPrompter prompter;
};

TEST_F(DataDialogWindow, TypedRowIsStoredAsOneUndoStep)
{
    const DialogOutcome outcome = runWith(32775, document, prompter, [](ListTableForm* form) {
        type(form, "深度m", "1.5");
        type(form, "N値", "12");
        press(form, "データ追加");
        EXPECT_EQ(form->list()->item(0, 0)->text(), "1.50");
        press(form, "OK");
    });
    EXPECT_EQ(outcome, DialogOutcome::Accepted);
    EXPECT_EQ(document.data().sptRows.cell(1, 1), "1.50");
    EXPECT_EQ(document.data().sptRows.cell(1, 2), "12");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 1);
    document.undoStack()->undo();
    EXPECT_EQ(document.data().sptRows.cell(1, 1), "");
    EXPECT_FALSE(document.isModified());
    document.undoStack()->redo();
    EXPECT_EQ(document.data().sptRows.cell(1, 1), "1.50");
}

TEST_F(DataDialogWindow, CancelChangesNothing)
{
    prompter.scriptedAnswers = {Answer::Yes};
    const DialogOutcome outcome = runWith(32771, document, prompter, [](ListTableForm* form) {
        type(form, "水位", "2.5");
        press(form, "データ追加");
        EXPECT_EQ(form->list()->item(0, 0)->text(), "-2.50");
        press(form, "キャンセル");
    });
    EXPECT_EQ(outcome, DialogOutcome::Cancelled);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].id, 131);
    EXPECT_EQ(document.data().waterLevelRows.cell(1, 1), "");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 0);
}

TEST_F(DataDialogWindow, CharactersWithoutAShiftJisFormAreRefused)
{
    runWith(32776, document, prompter, [](ListTableForm* form) {
        type(form, "深度 上 m", "1");
        type(form, "深度 下 m", "2");
        auto* edit = control<QLineEdit>(form, "深度 下 m");
        type(form, "深度 下 m", QString::fromUtf8("한"));
        EXPECT_EQ(edit->text(), "2");
        press(form, "OK");
    });
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages.back().text, sjis("シフトJISにない文字 (U+D55C) は入力できません."));
}

TEST_F(DataDialogWindow, PastedRowsAndInPlaceEditing)
{
    runWith(32772, document, prompter, [](ListTableForm* form) {
        QApplication::clipboard()->setText(QString::fromUtf8("1.5\t04/01\n3\t04/02\n"));
        form->list()->setFocus();
        form->list()->selectRow(0);
        QTest::keyClick(form->list(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form->list()->item(1, 1)->text(), "04/02");
        const QRect cell = form->list()->visualItemRect(form->list()->item(2, 0));
        QTest::mouseClick(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mousePress(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_NE(form->cellEditor(), nullptr);
        QTest::keyClicks(form->cellEditor(), "4");
        QTest::keyClick(form->cellEditor(), Qt::Key_Return);
        ASSERT_NE(form->cellEditor(), nullptr);
        QTest::keyClicks(form->cellEditor(), "04/03");
        QTest::keyClick(form->cellEditor(), Qt::Key_Up);
        form->accept();  // OK while a cell is edited ends the edit only
        EXPECT_EQ(form->cellEditor(), nullptr);
        EXPECT_TRUE(form->isVisible());
        control<QCheckBox>(form, "柱状図に表示")->click();
        press(form, "OK");
    });
    EXPECT_EQ(document.data().drillingRows.row(1), (BoringData::DrillingTable::Row{"1.5", "04/01"}));
    EXPECT_EQ(document.data().drillingRows.row(3), (BoringData::DrillingTable::Row{"4", "04/03"}));
    EXPECT_EQ(document.data().documentOption(18).value, "1");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DataDialogWindow, TypedBoreholeSurvivesSaveAndReopen)
{
    prompter.scriptedAnswers.clear();
    runWith(1010, document, prompter, [](ListTableForm* form) {
        type(form, "深度 m", "2.5");
        type(form, "地質名", QString::fromUtf8("シルト質砂"));
        type(form, "色調", QString::fromUtf8("暗灰"));
        press(form, "OK");
    });
    // A mark typed into a new note without depths is not added: OK asks.
    prompter.scriptedAnswers = {Answer::Ok, Answer::No};  // the missing notes master, then the question
    prompter.messages.clear();
    runWith(32776, document, prompter, [](ListTableForm* form) {
        type(form, "記事の右下の文字", "a");
        press(form, "OK");
    });
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages.back().kind, MessageKind::QuestionWithCancel);
    runWith(32774, document, prompter, [](ListTableForm* form) {
        const QRect cell = form->list()->visualItemRect(form->list()->item(0, 0));
        QTest::mouseClick(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mousePress(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_NE(form->cellEditor(), nullptr);
        for (const char* text : {"0", "10", "20", "A,B"}) {
            QTest::keyClicks(form->cellEditor(), text);
            QTest::keyClick(form->cellEditor(), Qt::Key_Return);
        }
        type(form, "自由記事欄枠", "30");
        press(form, "OK");
    });
    EXPECT_EQ(document.undoStack()->count(), 3);
    const std::string file = folder.file("typed.vla");
    ASSERT_TRUE(document.save(file).saved);

    LogDocument reopened;
    LogSettings settings = reopened.settings();
    settings.dataRoot = folder.path();
    reopened.replaceSettings(settings);
    ASSERT_EQ(reopened.open(file).status, OpenStatus::Opened);
    const BoringData& data = reopened.data();
    EXPECT_EQ(data.layerRows.cell(1, 1), "2.50");
    EXPECT_EQ(data.layerRows.cell(1, 2), sjis("シルト質砂"));
    EXPECT_EQ(data.layerRows.cell(1, 4), sjis("暗灰"));
    EXPECT_EQ(data.layerRows.cell(1, 7), "247");
    // The notes started from the layer.
    EXPECT_EQ(data.observationRows.cell(1, 1), "0.0");
    EXPECT_EQ(data.observationRows.cell(1, 2), "2.50");
    EXPECT_EQ(data.observationRows.cell(1, 5), "1");
    EXPECT_EQ(data.freeNoteRows.row(1), (BoringData::FreeNoteTable::Row{"0", "10", "", "20", sjis("A，B")}));
    EXPECT_EQ(data.freeNoteHeaderCell(2), "30");
}

TEST_F(DataDialogWindow, LayersTypedRowByRowInAFreshDialogAreAllAdded)
{
    const DialogOutcome outcome = runWith(1010, document, prompter, [this](ListTableForm* form) {
        auto* add = control<QPushButton>(form, "データ追加");
        auto* depth = control<QLineEdit>(form, "深度 m");
        auto* status = control<QLabel>(form, "入力の案内");
        ASSERT_TRUE(add && depth && status);
        prompter.messages.clear();  // the fixture has no colour master
        EXPECT_TRUE(status->text().startsWith(QString::fromUtf8("1行目に新しい行を入力中")));
        const char* names[] = {"埋土", "シルト", "砂", "粘土"};
        for (int layer = 1; layer <= 4; ++layer) {
            SCOPED_TRACE(layer);
            type(form, "深度 m", QString::number(layer * 1.5));
            type(form, "地質名", QString::fromUtf8(names[layer - 1]));
            type(form, "色調", QString::fromUtf8("暗灰"));
            EXPECT_TRUE(add->isEnabled());
            // The last layer is added from the keyboard.
            if (layer < 4)
                press(form, "データ追加");
            else
                QTest::keyClick(control<QLineEdit>(form, "色調"), Qt::Key_Return, Qt::ControlModifier);
            EXPECT_EQ(form->list()->item(layer - 1, 2)->text(), QString::fromUtf8(names[layer - 1]));
            EXPECT_EQ(form->list()->item(layer - 1, 13)->text(), "247");
            EXPECT_EQ(depth->text(), "");
            EXPECT_EQ(QApplication::focusWidget(), depth);
            EXPECT_TRUE(status->text().startsWith(QString::fromUtf8("%1行目に新しい行").arg(layer + 1)));
        }
        // A depth the dialog cannot take is refused at the field; what was typed with it stays.
        type(form, "深度 m", "abc");
        type(form, "地質名", QString::fromUtf8("礫"));
        QCoreApplication::processEvents();
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].id, 903);
        EXPECT_EQ(prompter.messages[0].text, sjis("［深度 m］\nデータが無い、または不正です."));
        EXPECT_EQ(QApplication::focusWidget(), depth);
        EXPECT_EQ(control<QLineEdit>(form, "地質名")->text(), QString::fromUtf8("礫"));
        QTest::keyClick(depth, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(depth, "7");
        press(form, "OK");
    });
    EXPECT_EQ(outcome, DialogOutcome::Accepted);
    const BoringData& data = document.data();
    for (int layer = 1; layer <= 5; ++layer) {
        EXPECT_EQ(data.layerRows.cell(layer, 7), "247") << layer;
        EXPECT_FALSE(data.layerRows.cell(layer, 2).empty()) << layer;
    }
    EXPECT_EQ(data.layerRows.cell(5, 1), "7.00");
    EXPECT_EQ(data.layerRows.cell(5, 2), sjis("礫"));
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(DataDialogWindow, WaterLevelsTypedOneAfterAnother)
{
    runWith(32771, document, prompter, [](ListTableForm* form) {
        for (const char* level : {"2.5", "3.1"}) {
            type(form, "水位", level);
            type(form, "月/日", "04/01");
            press(form, "データ追加");
        }
        // Typed without add: OK keeps it, it is in the list already.
        type(form, "水位", "4");
        type(form, "月/日", "04/02");
        press(form, "OK");
    });
    const BoringData& data = document.data();
    EXPECT_EQ(data.waterLevelRows.cell(1, 1), "-2.50");
    EXPECT_EQ(data.waterLevelRows.cell(2, 1), "-3.10");
    EXPECT_EQ(data.waterLevelRows.cell(3, 1), "-4.00");
    EXPECT_EQ(data.waterLevelRows.cell(3, 4), "7");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DataDialogWindow, FreeNotesStayOpenUntilTheFrameHeightIsMended)
{
    runWith(32774, document, prompter, [this](ListTableForm* form) {
        const QRect cell = form->list()->visualItemRect(form->list()->item(0, 0));
        QTest::mouseClick(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mousePress(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(form->list()->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_NE(form->cellEditor(), nullptr);
        for (const char* text : {"0", "10", "20", "note"}) {
            QTest::keyClicks(form->cellEditor(), text);
            QTest::keyClick(form->cellEditor(), Qt::Key_Return);
        }
        press(form, "OK");
        EXPECT_TRUE(form->isVisible());
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(form, "自由記事欄枠"));
        type(form, "自由記事欄枠", "30");
        press(form, "OK");
        EXPECT_FALSE(form->isVisible());
    });
    EXPECT_EQ(document.data().freeNoteRows.cell(1, 5), "note");
    EXPECT_EQ(document.data().freeNoteHeaderCell(2), "30");
}

TEST_F(DataDialogWindow, PickListsAreWideEnoughForTheirLines)
{
    // One long base name, as the bundled master has them.
    LogSettings settings = document.settings();
    SoilNameRow row;
    row.name = sjis("有機質シルト混り砂質粘土");
    row.patternNumber = {100, 100};
    settings.soilNameMaster.rows = {row};
    settings.soilNameMaster.firstRow[1] = {1, 1};
    settings.soilNameMaster.lastRow[1] = {1, 1};
    GeologyModel model(BoringData{}, settings, prompter);
    ListTableForm form(model, {}, prompter);
    ASSERT_EQ(model.pickLines(GeologyModel::BaseNames).size(), 1u);
    for (QListWidget* list : form.findChildren<QListWidget*>()) {
        for (int i = 0; i < list->count(); ++i)
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->item(i)->text()), list->minimumWidth())
                << list->accessibleName().toStdString();
    }
}

TEST_F(DataDialogWindow, FullWidthCheckListsWhereTheCharactersAre)
{
    BoringData data;
    data.layerRows.row(1) = {"2.00", sjis("砂（ＳＰ）"), "", "", "", "", "", "", "", "", ""};
    FullWidthCheckDialog dialog(data);
    EXPECT_EQ(dialog.report(), QString::fromUtf8("▼地質･色調\n( 2.00 m ) 砂（ＳＰ）  \n"));
    EXPECT_EQ(FullWidthCheckDialog(BoringData{}).report(), QString::fromUtf8("無し"));
}

TEST_F(DataDialogWindow, EnterKeyAndListScrollOptions)
{
    BoringData data;
    for (int r = 1; r <= 60; ++r)
        data.recoveryRows.setCell(r, 1, std::to_string(r));
    for (int enterMode : {0, 1, 2}) {
        SCOPED_TRACE(enterMode);
        RecoveryModel model(data, 0, prompter);
        ListTableForm form(model, {enterMode, enterMode == 1}, prompter);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        // With the list-scroll option the row after the last filled one is in view.
        if (enterMode == 1) {
            EXPECT_GT(form.list()->rowAt(0), 0);
        } else {
            EXPECT_EQ(form.list()->rowAt(0), 0);
        }
        auto* upper = control<QLineEdit>(&form, "深度 上");
        upper->setFocus();
        QTest::keyClick(upper, Qt::Key_Return);
        EXPECT_EQ(form.isVisible(), enterMode != 0);
        EXPECT_EQ(form.result(), enterMode == 0 ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(QApplication::focusWidget() == upper, enterMode == 2);
    }
}

TEST_F(DataDialogWindow, OtherCommandsAreNotDataDialogs)
{
    EXPECT_EQ(runDataDialog(3001, document, prompter, nullptr), DialogOutcome::NotAvailable);
}

}  // namespace
}  // namespace kolv
