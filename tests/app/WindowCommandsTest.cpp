// The menus and tool bar built from the command table, screen paging with
// the keys and the commands, the screen-drawing switch.
#include "WindowFixture.h"

#include "app/LogView.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "document/LogDocument.h"

#include "app/Startup.h"

#include <QAction>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace kolv::test {
namespace {

TEST_F(WindowTest, EveryCommandIsInItsMenuWithTextAndPrompt)
{
    ASSERT_TRUE(start());
    QStringList titles;
    for (QAction* menu : frame->menuBar()->actions())
        titles.append(menu->text());
    EXPECT_EQ(titles, (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "データ(&A)", "表示(&V)", "設定(&S)", "ﾍﾙﾌﾟ(&H)"}));

    for (const CommandEntry& entry : commandTable()) {
        if (entry.id == command::recentFile)
            continue;
        SCOPED_TRACE(entry.id);
        QAction* action = frame->action(entry.id);
        ASSERT_NE(action, nullptr);
        if (entry.id != command::undo && entry.id != command::redo) {
            EXPECT_EQ(action->text().toStdString(), entry.text);
        }
        EXPECT_FALSE(action->statusTip().isEmpty());
        const QMenu* menu = frame->menuBar()->actions().at(static_cast<int>(entry.menu))->menu();
        EXPECT_TRUE(menu->actions().contains(action));
    }
    EXPECT_EQ(frame->action(command::open)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(frame->action(command::print)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(frame->action(command::paperDefaults)->statusTip(), QStringLiteral("印刷用紙の初期設定"));
    EXPECT_EQ(frame->action(command::nextPage)->toolTip(), QStringLiteral("次頁"));
    // Qt's own buttons and dialogs speak Japanese whatever the locale.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));

    std::vector<int> toolBar;
    for (QAction* action : frame->toolBar()->actions()) {
        int id = 0;
        for (const CommandEntry& entry : commandTable())
            if (frame->action(entry.id) == action)
                id = entry.id;
        toolBar.push_back(action->isSeparator() ? 0 : id);
    }
    EXPECT_EQ(toolBar,
              (std::vector<int>{command::newDocument, command::open, command::save, 0, command::print, command::about,
                                0, command::previousPage, command::nextPage}));
}

TEST_F(WindowTest, PagingMovesTheScreenPageAndIsIgnoredWhilePrinting)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    LogDocument& document = frame->document();
    const double step = document.settings().depthPerPage - document.settings().pageOverlap;
    ASSERT_GT(step, 0);
    ASSERT_DOUBLE_EQ(document.view().screenPageStart, 0.0);

    LogView& view = frame->view();
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(document.view().screenPageStart, step);
    EXPECT_EQ(document.view().currentPage, 2);
    frame->runCommand(command::nextPage);
    EXPECT_DOUBLE_EQ(document.view().screenPageStart, 2 * step);
    EXPECT_EQ(document.view().currentPage, 3);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(document.view().screenPageStart, step);
    EXPECT_EQ(document.view().currentPage, 2);
    frame->runCommand(command::previousPage);
    frame->runCommand(command::previousPage);
    // Above page 1 the start goes one step up, the page number stays 1.
    EXPECT_DOUBLE_EQ(document.view().screenPageStart, -step);
    EXPECT_EQ(document.view().currentPage, 1);

    ViewState printing = document.view();
    printing.printing = true;
    document.setView(printing);
    QTest::keyClick(&view, Qt::Key_PageDown);
    frame->runCommand(command::nextPage);
    EXPECT_DOUBLE_EQ(document.view().screenPageStart, -step);
    printing = document.view();
    printing.printing = false;
    document.setView(printing);
}

TEST_F(WindowTest, ScreenDrawingSwitchSaysWhichWayItWent)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    ASSERT_TRUE(frame->document().settings().screenDrawing);
    frame->runCommand(command::screenDrawing);
    EXPECT_FALSE(frame->document().settings().screenDrawing);
    EXPECT_FALSE(frame->action(command::screenDrawing)->isChecked());
    EXPECT_TRUE(saidText("表示しません"));
    frame->runCommand(command::screenDrawing);
    EXPECT_TRUE(frame->document().settings().screenDrawing);
    EXPECT_TRUE(saidText("表示します"));
    EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(WindowTest, PaperDefaultsReachThePrinterOnlyWhenSwitchedOnAndInRange)
{
    struct Case {
        const char* apply;
        const char* paper;
        const char* orientation;
        QPageSize::PageSizeId size;
        QPageLayout::Orientation layout;
    };
    const Case cases[] = {
        {"1", "1", "1", QPageSize::A4, QPageLayout::Landscape},
        {"1", "0", "0", QPageSize::A3, QPageLayout::Portrait},
        {"1", "2", "1", QPageSize::Letter, QPageLayout::Portrait},  // out of range: untouched
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.apply) + c.paper + c.orientation);
        TemporaryFolder root;
        writePaperDefaults(root.path(), c.apply, c.paper, c.orientation);
        frame = std::make_unique<MainWindow>(prompter, chooser);
        frame->printer().setPageSize(QPageSize(QPageSize::Letter));
        frame->printer().setPageOrientation(QPageLayout::Portrait);
        ASSERT_TRUE(startMainFrame(*frame, {}, root.path(), KOLV_BUNDLED_INSTALL_DIR));
        EXPECT_EQ(frame->printer().pageLayout().pageSize().id(), c.size);
        EXPECT_EQ(frame->printer().pageLayout().orientation(), c.layout);
        frame.reset();
    }
}

TEST_F(WindowTest, ADroppedFileOpensAfterTheUnsavedWorkQuestion)
{
    ASSERT_TRUE(start());
    makeAnEdit();
    const QList<QUrl> dropped{QUrl(QStringLiteral("https://example.org/a.vla")),
                              QUrl::fromLocalFile(QString::fromStdString(sample("inland.vla")))};
    for (const Answer answer : {Answer::Cancel, Answer::Yes}) {
        prompter.scriptedAnswers = {answer};
        EXPECT_TRUE(frame->openDroppedFiles(dropped));
        EXPECT_TRUE(saidText("データが変更されましたが、破棄してよいのですか? "));
        EXPECT_EQ(frame->document().path() == sample("inland.vla"), answer == Answer::Yes);
    }
    EXPECT_FALSE(frame->document().isModified());
}

TEST_F(WindowTest, UndoAndRedoFollowTheDocumentsUndoStack)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    const std::string opened = frame->document().data().layerRows.cell(1, 1);
    EXPECT_FALSE(frame->action(command::undo)->isEnabled());
    makeAnEdit();
    EXPECT_TRUE(frame->action(command::undo)->isEnabled());
    EXPECT_EQ(frame->action(command::undo)->text(), QStringLiteral("元に戻す(&U)  地質/色調\tCtrl+Z"));
    EXPECT_TRUE(frame->isWindowModified());
    frame->runCommand(command::undo);
    EXPECT_EQ(frame->document().data().layerRows.cell(1, 1), opened);
    EXPECT_FALSE(frame->document().isModified());
    EXPECT_TRUE(frame->action(command::redo)->isEnabled());
    EXPECT_EQ(frame->action(command::redo)->text(), QStringLiteral("やり直し(&R)  地質/色調\tCtrl+Y"));
    EXPECT_EQ(frame->action(command::undo)->text(), QStringLiteral("元に戻す(&U)\tCtrl+Z"));
    frame->runCommand(command::redo);
    EXPECT_EQ(frame->document().data().layerRows.cell(1, 1), "7.77");
}

TEST_F(WindowTest, ZoomChangesTheScreenOnlyAndStaysInItsRange)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    const LogSettings before = frame->document().settings();
    for (int i = 0; i < 20; ++i)
        frame->runCommand(command::zoomIn);
    EXPECT_DOUBLE_EQ(frame->view().zoom(), LogView::largestZoom);
    for (int i = 0; i < 40; ++i)
        frame->runCommand(command::zoomOut);
    EXPECT_DOUBLE_EQ(frame->view().zoom(), LogView::smallestZoom);
    frame->runCommand(command::actualSize);
    EXPECT_DOUBLE_EQ(frame->view().zoom(), 1.0);
    EXPECT_EQ(frame->document().settings().horizontalScale, before.horizontalScale);
    EXPECT_EQ(frame->document().settings().verticalScale, before.verticalScale);
    EXPECT_EQ(frame->document().settings().depthPerPage, before.depthPerPage);
}

}  // namespace
}  // namespace kolv::test
