// The soil-name and pattern master command driven through its form on the
// offscreen platform: OK rewrites the masters and Sys.ndx and the document
// draws with what was written; Cancel writes nothing.
#include "SettingsDialogTestSupport.h"

#include "dialogs/SettingsDialogs.h"
#include "dialogs/SoilMasterEditorDialog.h"
#include "document/LogDocument.h"
#include "data/Csv.h"
#include "platform/FileIo.h"
#include "settings/SoilNameMasterFile.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QUndoStack>

#include <filesystem>

using namespace kolv;
using namespace kolv::test;

namespace {

constexpr int soilMasterCommand = 3009;

struct SoilMasterCommand {
    SettingsInstallation install;
    LogDocument document;
    RecordingPrompter prompter;

    SoilMasterCommand()
    {
        ensureApplication();
        document.replaceSettings(install.settings);
        document.newDocument();
    }
    std::string file(const char* name) const { return readFile(install.file(name)); }
    std::string sysLine(int line) const { return splitLines(file("Sys.ndx")).at(static_cast<std::size_t>(line)); }
    DialogOutcome run() { return runSettingsDialog(soilMasterCommand, document, prompter, nullptr); }
};

void clickCell(QDialog& dialog, const char* list, int row)
{
    auto* table = qobject_cast<QTableWidget*>(controlOf(dialog, list));
    ASSERT_NE(table, nullptr) << list;
    emit table->cellClicked(row - 1, 0);
}

void click(QDialog& dialog, const char* objectName)
{
    auto* button = qobject_cast<QAbstractButton*>(controlOf(dialog, objectName));
    ASSERT_NE(button, nullptr) << objectName;
    button->click();
}

}  // namespace

TEST(SoilMasterEditorWindow, OkRewritesTheMastersAndSysNdxAndTheLogDrawsWithThem)
{
    SoilMasterCommand command;
    const std::string second = splitLines(command.file("WdtvJCA.mst")).at(1);
    const std::string third = splitLines(command.file("WdtvJCA.mst")).at(2);
    bool settingsAnnounced = false;
    QObject::connect(&command.document, &LogDocument::changed, [&](DocumentChanges what) {
        settingsAnnounced = settingsAnnounced || what.testFlag(DocumentChange::Settings);
    });
    bool stayedOpen = false;
    whenModalDialogShows([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("編集 土質地質名と柱状図模様"));
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            const bool operable = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control)
                || qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractItemView*>(control);
            // The parts that Qt builds inside a list or a drop-down are named by it.
            const bool part = qobject_cast<QAbstractScrollArea*>(control->parentWidget())
                || qobject_cast<QAbstractScrollArea*>(control->parentWidget()->parentWidget());
            if (operable && !part) {
                EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
            }
        }
        auto& editor = dynamic_cast<SoilMasterEditorDialog&>(dialog);
        editor.chooseColor = [](const QColor&, QWidget*) { return QColor(255, 0, 0); };

        // A list that no longer starts with its section header is not written.
        clickCell(dialog, "soilList", 1);
        click(dialog, "moveDown");
        clickButton(dialog, "OK");
        stayedOpen = dialog.isVisible();
        click(dialog, "moveUp");

        clickCell(dialog, "soilList", 2);
        click(dialog, "moveDown");
        clickCell(dialog, "colorList", 20);
        click(dialog, "chooseColor");
        click(dialog, "overwriteColor");
        click(dialog, "patternMode.3");
        click(dialog, "bitmapMono");
        qobject_cast<QCheckBox*>(controlOf(dialog, "patternAllBlack"))->setChecked(true);
        auto* width = qobject_cast<QComboBox*>(controlOf(dialog, "patternLineWidth"));
        width->setCurrentIndex(2);
        emit width->activated(2);
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(command.run(), DialogOutcome::Accepted);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(command.prompter.messages.size(), 1u);

    const std::vector<std::string> soil = splitLines(command.file("WdtvJCA.mst"));
    EXPECT_EQ(soil.at(0), sjis("[第1部 土質・岩石名], ,660,"));
    EXPECT_EQ(soil.at(1), third);
    EXPECT_EQ(soil.at(2), second);
    const std::string colorLine = splitLines(command.file("PtnvcJG.ndx")).at(19);
    EXPECT_EQ(colorLine.substr(colorLine.find(',')), sjis(",0x0000ff,0x1e3c5a,有機質土,有機質土"));
    EXPECT_EQ(command.sysLine(46), "3");
    EXPECT_EQ(command.sysLine(47), "1");
    EXPECT_EQ(command.sysLine(48), "2");
    EXPECT_EQ(command.sysLine(51), "1");

    const LogSettings& settings = command.document.settings();
    EXPECT_TRUE(settingsAnnounced);
    EXPECT_EQ(settings.patternMode, 3);
    EXPECT_EQ(settings.bitmapMono, 1);
    EXPECT_EQ(settings.patternColors.colorOf(600), 0x0000ffu);
    EXPECT_EQ(settings.soilNameMaster.version, 660);
    EXPECT_EQ(settings.soilNameMaster.rows.at(0).name, splitCsvField(third, 1));
}

TEST(SoilMasterEditorWindow, CancelWritesNothing)
{
    for (const bool changed : {false, true}) {
        SoilMasterCommand command;
        std::filesystem::remove(command.install.file("Sys.ndx"));
        const std::string soil = command.file("WdtvJCA.mst");
        command.prompter.scriptedAnswers = {Answer::Yes};
        whenModalDialogShows([&](QDialog& dialog) {
            if (changed) {
                clickCell(dialog, "soilList", 3);
                click(dialog, "moveUp");
            }
            dialog.reject();
        });
        EXPECT_EQ(command.run(), DialogOutcome::Cancelled);
        EXPECT_EQ(command.prompter.messages.size(), changed ? 1u : 0u);
        EXPECT_FALSE(fileExists(command.install.file("Sys.ndx")));
        EXPECT_EQ(command.file("WdtvJCA.mst"), soil);
    }
}

TEST(SoilMasterEditorWindow, TheButtonsActOnTheRowReachedWithTheArrowKeys)
{
    SoilMasterCommand command;
    command.prompter.scriptedAnswers = {Answer::Yes, Answer::Yes};
    QString deleted;
    QString shownAfter;
    whenModalDialogShows([&](QDialog& dialog) {
        auto* list = qobject_cast<QTableWidget*>(controlOf(dialog, "soilList"));
        clickCell(dialog, "soilList", 2);
        list->setFocus();
        list->setCurrentCell(4, 0);
        deleted = list->item(4, 0)->text();
        click(dialog, "delete");
        shownAfter = list->item(4, 0)->text();
        EXPECT_EQ(list->item(1, 0)->text(), QStringLiteral("盛土"));
        dialog.reject();
    });
    EXPECT_EQ(command.run(), DialogOutcome::Cancelled);
    EXPECT_EQ(deleted, QStringLiteral("埋立土"));
    EXPECT_NE(shownAfter, deleted);
}

TEST(SoilMasterEditorWindow, OkRedrawsTheLayersWithTheMastersPatternsAsOneUndoStep)
{
    SoilMasterCommand command;
    BoringData typed = command.document.data();
    typed.layerRows.setCell(1, 1, "5.00");
    typed.layerRows.setCell(1, 2, sjis("砂"));
    command.document.pushEdit(QStringLiteral("地質"), typed);
    ASSERT_EQ(command.document.data().layerRows.cell(1, 12), "");

    for (const int expectedSteps : {2, 2}) {  // the second OK finds the codes in place
        whenModalDialogShows([](QDialog& dialog) { clickButton(dialog, "OK"); });
        EXPECT_EQ(command.run(), DialogOutcome::Accepted);
        EXPECT_EQ(command.document.data().layerRows.cell(1, 12), "300.1");
        EXPECT_EQ(command.document.data().layerRows.cell(1, 14), "S");
        EXPECT_EQ(command.document.undoStack()->count(), expectedSteps);
    }
    command.document.undoStack()->undo();
    EXPECT_EQ(command.document.data().layerRows.cell(1, 12), "");
}
