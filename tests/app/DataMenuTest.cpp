// The data menu opens the data dialogs over the window's document; each
// confirmed dialog is one step of the edit menu's undo.
#include "WindowFixture.h"

#include "app/CommandIds.h"
#include "dialogs/ListTableForm.h"
#include "document/LogDocument.h"
#include "support/ModalDialog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace kolv::test {
namespace {

constexpr int waterLevelCommand = 32771;

template <class Widget> Widget* named(QWidget* dialog, const QString& accessibleName)
{
    for (Widget* widget : dialog->findChildren<Widget*>())
        if (widget->accessibleName() == accessibleName)
            return widget;
    return nullptr;
}

// Triggers the menu command; script acts on the dialog it opens.
void runFromMenu(MainWindow& frame, int command, const std::function<void(ListTableForm*)>& script)
{
    whenModalDialogShows([script](QDialog& dialog) {
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
    frame.action(command)->trigger();
}

TEST_F(WindowTest, DataMenuDialogEditIsOneUndoStep)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    LogDocument& document = frame->document();
    const BoringData before = document.data();
    ASSERT_FALSE(document.isModified());

    runFromMenu(*frame, waterLevelCommand, [](ListTableForm* form) {
        QLineEdit* level = named<QLineEdit>(form, QStringLiteral("水位"));
        ASSERT_NE(level, nullptr);
        // The row after the last one is current: what is typed goes into it.
        level->setFocus();
        QTest::keyClicks(level, QStringLiteral("3.2"));
        QTest::keyClicks(named<QLineEdit>(form, QStringLiteral("月/日")), QStringLiteral("06/01"));
        QTest::mouseClick(named<QPushButton>(form, QStringLiteral("OK")), Qt::LeftButton);
    });
    const int added = occupiedRowCount(before.waterLevelRows) + 1;
    EXPECT_EQ(document.data().waterLevelRows.cell(added, 1), "-3.20");
    EXPECT_EQ(document.data().waterLevelRows.cell(added, 2), "06/01");
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(frame->action(command::undo)->isEnabled());

    frame->action(command::undo)->trigger();
    EXPECT_EQ(document.data().waterLevelRows.cell(added, 1), "");
    EXPECT_FALSE(document.isModified());
    frame->action(command::redo)->trigger();
    EXPECT_EQ(document.data().waterLevelRows.cell(added, 1), "-3.20");

    // Cancel after no change leaves the store and the undo stack alone.
    runFromMenu(*frame, waterLevelCommand, [](ListTableForm* form) {
        QTest::mouseClick(named<QPushButton>(form, QStringLiteral("キャンセル")), Qt::LeftButton);
    });
    EXPECT_EQ(document.data().waterLevelRows.cell(added, 1), "-3.20");
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace kolv::test
