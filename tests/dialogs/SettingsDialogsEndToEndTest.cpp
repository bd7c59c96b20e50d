// The settings commands driven through their forms on the offscreen platform.
#include "SettingsDialogTestSupport.h"

#include "dialogs/FieldModel.h"
#include "dialogs/SettingsDialogs.h"
#include "document/LogDocument.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"
#include "settings/SettingsText.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QUndoStack>
#include <QUrl>

#include <filesystem>

using namespace kolv;
using namespace kolv::test;

namespace {

struct OpenDocument {
    SettingsInstallation install;
    LogDocument document;
    RecordingPrompter prompter;

    OpenDocument()
    {
        ensureApplication();
        document.replaceSettings(install.settings);
        document.newDocument();
    }
    std::string sysNdx() const { return readFile(install.file("Sys.ndx")); }
    std::string sysLine(int line) const { return splitLines(sysNdx()).at(line); }
    DialogOutcome run(int command) { return runSettingsDialog(command, document, prompter, nullptr); }
    void setPaperLength(int millimetres)
    {
        ViewState view = document.view();
        view.paperLength = millimetres;
        document.setView(view);
    }
};

// Every change the document announces.
struct ChangeLog {
    std::vector<DocumentChanges> changes;
    explicit ChangeLog(LogDocument& document)
    {
        QObject::connect(&document, &LogDocument::changed, [this](DocumentChanges what) { changes.push_back(what); });
    }
    bool settingsChanged() const
    {
        for (DocumentChanges what : changes)
            if (what.testFlag(DocumentChange::Settings))
                return true;
        return false;
    }
};

void typeInto(QDialog& dialog, const char* key, const char* utf8)
{
    auto* edit = qobject_cast<QLineEdit*>(controlOf(dialog, key));
    ASSERT_NE(edit, nullptr) << key;
    edit->setText(QString::fromUtf8(utf8));
    emit edit->editingFinished();
}

}  // namespace

TEST(SettingsDialogsEndToEnd, KeyOptionsOkRewritesSysNdxAndAnnouncesTheChange)
{
    OpenDocument open;
    ASSERT_EQ(open.sysLine(69), "1");
    ChangeLog log(open.document);
    whenModalDialogShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("キーの動作、データ入力画面のオプション"));
        qobject_cast<QRadioButton*>(controlOf(dialog, "enterKeyMode.2"))->click();
        qobject_cast<QCheckBox*>(controlOf(dialog, "scrollToLastRow"))->setChecked(true);
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(3010), DialogOutcome::Accepted);
    EXPECT_EQ(open.sysLine(69), "2");
    EXPECT_EQ(open.sysLine(70), "1");
    EXPECT_EQ(open.document.settings().enterKeyMode, 2);
    ASSERT_EQ(log.changes.size(), 1u);
    EXPECT_TRUE(log.settingsChanged());
    EXPECT_FALSE(open.document.isModified());
}

TEST(SettingsDialogsEndToEnd, CancelWritesNothing)
{
    for (int command : {3010, 57610, 3005, 3001, 3011, 3002, 3012}) {
        OpenDocument open;
        std::filesystem::remove(open.install.file("Sys.ndx"));
        const std::string fonts = readFile(open.install.file("Font1.ndx"));
        ChangeLog log(open.document);
        whenModalDialogShows([](QDialog& dialog) { dialog.reject(); });
        EXPECT_EQ(open.run(command), DialogOutcome::Cancelled) << command;
        EXPECT_FALSE(fileExists(open.install.file("Sys.ndx"))) << command;
        EXPECT_EQ(readFile(open.install.file("Font1.ndx")), fonts);
        EXPECT_FALSE(log.settingsChanged()) << command;
        EXPECT_FALSE(open.document.isModified());
    }
}

TEST(SettingsDialogsEndToEnd, OkWithoutAChangeWritesNothingAndRedrawsNothing)
{
    // Key options, paper defaults, master file names, style sheet, scale.
    for (const int command : {3010, 57610, 3012, 3005, 3001}) {
        OpenDocument open;
        open.setPaperLength(297);
        const std::string before = open.sysNdx();
        const auto written = std::filesystem::last_write_time(open.install.file("Sys.ndx"));
        ChangeLog log(open.document);
        whenModalDialogShows([](QDialog& dialog) { clickButton(dialog, "OK"); });
        EXPECT_EQ(open.run(command), DialogOutcome::Accepted) << command;
        EXPECT_EQ(open.sysNdx(), before) << command;
        EXPECT_EQ(std::filesystem::last_write_time(open.install.file("Sys.ndx")), written) << command;
        EXPECT_TRUE(open.prompter.messages.empty()) << command;
        if (command != 3001) {
            EXPECT_FALSE(log.settingsChanged()) << command << ": nothing to redraw";
        }
    }
}

TEST(SettingsDialogsEndToEnd, StyleSheetAppliesWithoutClosingAndRefusesOutOfRange)
{
    OpenDocument open;
    ChangeLog log(open.document);
    whenModalDialogShows([&](QDialog& dialog) {
        auto* tabs = dialog.findChild<QTabWidget*>();
        ASSERT_EQ(tabs->count(), 4);
        EXPECT_EQ(tabs->tabText(2), QStringLiteral("マージン 見出し位置"));
        tabs->setCurrentIndex(1);
        typeInto(dialog, "outerLineWidth", "5");
        clickButton(dialog, "適用");
        EXPECT_EQ(open.sysLine(18), "5");
        EXPECT_EQ(open.document.settings().outerLineWidth, 5);
        EXPECT_TRUE(dialog.isVisible());

        typeInto(dialog, "outerLineWidth", "21");
        clickButton(dialog, "OK");
        EXPECT_TRUE(dialog.isVisible()) << "an out-of-range width keeps the sheet open";
        ASSERT_FALSE(open.prompter.messages.empty());
        EXPECT_EQ(open.prompter.messages.back().id, messageId(Message::IntegerRange));
        typeInto(dialog, "outerLineWidth", "abc");
        tabs->setCurrentIndex(0);
        EXPECT_EQ(tabs->currentIndex(), 1) << "the page with text in a number field stays";

        typeInto(dialog, "outerLineWidth", "3");
        tabs->setCurrentIndex(2);
        typeInto(dialog, "heading1", "-3");
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(3005), DialogOutcome::Accepted);
    EXPECT_EQ(open.sysLine(18), "3");
    EXPECT_EQ(open.document.data().documentOption(19).value, "-10.0");
    EXPECT_TRUE(open.document.isModified()) << "the heading offsets are the document's";
    open.document.undoStack()->undo();
    EXPECT_EQ(open.document.data().documentOption(19).value, "");
    EXPECT_TRUE(log.settingsChanged());
}

TEST(SettingsDialogsEndToEnd, HeadingOkIsOneUndoStepAndSetsTheStartDepth)
{
    OpenDocument open;
    whenModalDialogShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("見出し"));
        typeInto(dialog, "L5", "孔番号が三十二バイトを超える長い名前");
        typeInto(dialog, "L1", "港湾施設調査");
        typeInto(dialog, "L13", "3.25");
        typeInto(dialog, "L51", "35");
        typeInto(dialog, "L52", "40");
        typeInto(dialog, "L53", "10");
        typeInto(dialog, "L54", "139");
        typeInto(dialog, "L55", "44");
        typeInto(dialog, "L56", "20");
        EXPECT_EQ(qobject_cast<QLineEdit*>(controlOf(dialog, "meshCode"))->text(), QStringLiteral("53394509xxx"));
        qobject_cast<QCheckBox*>(controlOf(dialog, "harbourOnly"))->setChecked(true);
        EXPECT_FALSE(controlOf(dialog, "L51")->isEnabled());
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(1009), DialogOutcome::Accepted);
    const BoringData& data = open.document.data();
    EXPECT_EQ(data.headingLine(1), sjis("港湾施設調査"));
    EXPECT_EQ(data.headingLine(5), sjis("孔番号が三十二バイトを超える長い")) << "32 bytes, whole characters";
    EXPECT_EQ(data.headingLine(51), "35");
    EXPECT_EQ(data.documentOption(17).value, "1");
    EXPECT_EQ(data.documentOption(16).value, "-0.75");
    EXPECT_DOUBLE_EQ(open.document.settings().printStartDepth, -0.75);
    EXPECT_EQ(open.document.undoStack()->count(), 1);
    EXPECT_TRUE(open.document.isModified());
    // Undo brings back what is drawn and printed, not only what is saved.
    open.document.undoStack()->undo();
    EXPECT_EQ(open.document.data().headingLine(1), "");
    EXPECT_EQ(open.document.data().documentOption(16).value, "");
    EXPECT_DOUBLE_EQ(open.document.settings().printStartDepth, 0.0);
    EXPECT_FALSE(open.document.isModified());
    open.document.undoStack()->redo();
    EXPECT_DOUBLE_EQ(open.document.settings().printStartDepth, -0.75);
    EXPECT_DOUBLE_EQ(open.document.view().screenPageStart, -0.75);
}

TEST(SettingsDialogsEndToEnd, ScaleOkIsOneUndoStepOverScalesAndStartDepthButNotSysNdx)
{
    OpenDocument open;
    open.setPaperLength(297);
    const PrintOptions before = open.document.settings().printOptions();
    whenModalDialogShows([](QDialog& dialog) {
        typeInto(dialog, "horizontal", "200");
        typeInto(dialog, "printStart", "12.5");
        typeInto(dialog, "depthPerPage", "8");
        typeInto(dialog, "extraPages", "2");
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(3001), DialogOutcome::Accepted);
    const LogSettings& settings = open.document.settings();
    EXPECT_EQ(settings.horizontalScale, 200);
    EXPECT_DOUBLE_EQ(settings.printStartDepth, 12.5);
    EXPECT_EQ(settings.forcedExtraPages, 2);
    EXPECT_EQ(open.document.data().documentOption(16).value, "12.5");
    EXPECT_EQ(open.sysLine(43), "8");
    EXPECT_EQ(open.document.undoStack()->count(), 1);
    EXPECT_TRUE(open.document.isModified());

    open.document.undoStack()->undo();
    EXPECT_EQ(settings.printOptions(), before);
    EXPECT_EQ(open.document.data().documentOption(16).value, "");
    EXPECT_DOUBLE_EQ(open.document.view().screenPageStart, before.printStartDepth);
    EXPECT_EQ(open.document.view().currentPage, 1);
    EXPECT_FALSE(open.document.isModified());
    // The depth per page lives in the settings file, which undo leaves alone.
    EXPECT_EQ(settings.depthPerPage, 8);
    EXPECT_EQ(open.sysLine(43), "8");

    open.document.undoStack()->redo();
    EXPECT_EQ(settings.horizontalScale, 200);
    EXPECT_DOUBLE_EQ(open.document.view().screenPageStart, 12.5);
    EXPECT_TRUE(open.document.isModified());
}

TEST(SettingsDialogsEndToEnd, MasterFileNamesOkRewritesThePathLines)
{
    OpenDocument open;
    whenModalDialogShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("フォルダ・マスタファイル名"));
        typeInto(dialog, "engineerMasterPath", "D:\\masters\\M.mst");
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(3012), DialogOutcome::Accepted);
    EXPECT_EQ(open.sysLine(62), "D:\\masters\\M.mst");
    EXPECT_EQ(open.document.settings().engineerMasterPath, "D:\\masters\\M.mst");
}

TEST(SettingsDialogsEndToEnd, UnwritableSettingsFileKeepsTheValuesInMemory)
{
    OpenDocument open;
    // A folder where the file should be: nothing can replace it.
    std::filesystem::remove(open.install.file("Sys.ndx"));
    std::filesystem::create_directory(open.install.file("Sys.ndx"));
    whenModalDialogShows([](QDialog& dialog) {
        qobject_cast<QRadioButton*>(controlOf(dialog, "enterKeyMode.0"))->click();
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(3010), DialogOutcome::Accepted);
    ASSERT_EQ(open.prompter.messages.size(), 1u);
    EXPECT_EQ(open.prompter.messages[0].text, messageText(Message::SaveFailed));
    EXPECT_EQ(open.document.settings().enterKeyMode, 0);
}

TEST(SettingsDialogsEndToEnd, DisplayWidthAndPageFooterAreDocumentValues)
{
    OpenDocument open;
    whenModalDialogShows([](QDialog& dialog) {
        typeInto(dialog, "adjust7", "60");
        EXPECT_EQ(qobject_cast<QLineEdit*>(controlOf(dialog, "width7"))->text(), QStringLiteral("51.0"));
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(32781), DialogOutcome::Accepted);
    EXPECT_EQ(open.document.data().documentOption(7).value, "60");
    ASSERT_EQ(open.prompter.messages.size(), 1u) << "271.0 mm is too wide, and stored all the same";
    EXPECT_TRUE(open.document.isModified());

    whenModalDialogShows([](QDialog& dialog) {
        typeInto(dialog, "L62", "5");
        clickButton(dialog, "OK");
    });
    EXPECT_EQ(open.run(32770), DialogOutcome::Accepted);
    EXPECT_EQ(open.document.data().headingLine(62), "5");
    EXPECT_EQ(open.document.data().headingLine(67), "1");
    EXPECT_EQ(open.document.undoStack()->count(), 2);
}

TEST(SettingsDialogsEndToEnd, ScaleDialogReopensOnCorrectionAndSavesTheLastPass)
{
    OpenDocument open;
    open.setPaperLength(297);
    int shown = 0;
    std::function<void(QDialog&)> pass = [&](QDialog& dialog) {
        ++shown;
        if (shown == 1) {
            typeInto(dialog, "depthPerPage", "10");
            typeInto(dialog, "overlap", "10");
            typeInto(dialog, "vertical", "200");
            whenModalDialogShows(pass);
        } else {
            EXPECT_EQ(qobject_cast<QLineEdit*>(controlOf(dialog, "overlap"))->text(), QStringLiteral("0"));
        }
        clickButton(dialog, "OK");
    };
    whenModalDialogShows(pass);
    EXPECT_EQ(open.run(3001), DialogOutcome::Accepted);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(open.document.settings().verticalScale, 200);
    EXPECT_EQ(open.sysLine(43), "10");
    EXPECT_EQ(open.sysLine(44), "0");
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

TEST(SettingsDialogsEndToEnd, HelpListsTheFileAndOpensItWithTheDesktopViewer)
{
    OpenDocument open;
    writeFile(open.install.file("Help.txt"), sjis("操作の説明\r\n印刷の仕方\r\n"));
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    whenModalDialogShows([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("操作＆ヘルプ"));
        clickButton(dialog, "開いて印刷");
        dialog.accept();
    });
    open.run(1012);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0].toLocalFile().toStdString(), open.install.file("Help.txt"));
    EXPECT_TRUE(open.prompter.messages.empty());
}

#include "SettingsDialogsEndToEndTest.moc"

TEST(SettingsDialogsEndToEnd, SetupGivesTheLayersThePatternsOfTheReloadedMasterAsOneUndoStep)
{
    OpenDocument open;
    BoringData typed = open.document.data();
    typed.layerRows.setCell(1, 1, "5.00");
    typed.layerRows.setCell(1, 2, sjis("砂"));
    open.document.pushEdit(QStringLiteral("地質"), typed);
    whenModalDialogShows([](QDialog& dialog) { clickButton(dialog, "OK"); });
    EXPECT_EQ(open.run(3011), DialogOutcome::Accepted);
    EXPECT_EQ(open.document.data().layerRows.cell(1, 12), "300.1");
    EXPECT_EQ(open.document.undoStack()->count(), 2);
}
