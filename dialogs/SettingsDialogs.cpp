#include "dialogs/SettingsDialogs.h"

#include "dialogs/FieldForm.h"
#include "dialogs/FontDialog.h"
#include "dialogs/HeadingDialogModel.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/MasterFileNamesModel.h"
#include "dialogs/OptionDialogModels.h"
#include "dialogs/ScaleDepthModel.h"
#include "dialogs/ShortTextEditorDialog.h"
#include "dialogs/SoilMasterEditorDialog.h"
#include "dialogs/StyleSheetDialog.h"
#include "document/LogDocument.h"
#include "formats/SoilPatternLookup.h"
#include "settings/PatternColorFile.h"
#include "settings/SettingsStore.h"
#include "settings/SoilNameMasterFile.h"

namespace kolv {

namespace {

// The command ids of the menu.
enum Command {
    HeadingCommand = 1009,
    ScaleCommand = 3001,
    FontCommand = 3002,
    StyleCommand = 3005,
    ShortTextCommand = 3006,
    SoilMasterCommand = 3009,
    KeyOptionsCommand = 3010,
    SetupCommand = 3011,
    MasterNamesCommand = 3012,
    HelpCommand = 1012,
    PageFooterCommand = 32770,
    DisplayWidthCommand = 32781,
    PaperDefaultsCommand = 57610,
};

DialogOutcome outcomeOf(int result)
{
    return result == QDialog::Accepted ? DialogOutcome::Accepted : DialogOutcome::Cancelled;
}

// Sys.ndx is rewritten with the document's values ("保存できませんでした"
// when it cannot be, the values then staying in effect).
void writeSettingsFile(LogDocument& document, Prompter& prompter)
{
    Issues issues;
    saveSettings(document.settings(), document.settings().settingsPath, issues);
    showIssues(prompter, issues);
}

// The OK of a dialog on the values of Sys.ndx: the document takes them and
// the file is rewritten only when they changed, so that an OK without a
// change writes nothing and redraws nothing.
void takeSettingsValues(LogDocument& document, const SettingsValues& edited, Prompter& prompter)
{
    if (document.replaceSettingsValues(edited))
        writeSettingsFile(document, prompter);
}

// After the masters were loaded again the document takes what they give it
// (the layers' line-drawing codes and symbols, the option defaults) so that
// the log shows them at once; one undo step, when anything changed.
void takeReloadedMasters(LogDocument& document, BoringData edited, const QString& text)
{
    rebuildVectorCodes(edited, document.settings().soilNameMaster);
    if (edited.layerRows != document.data().layerRows || edited.documentOptions != document.data().documentOptions)
        document.pushEdit(text, edited);
}

bool sameOptions(const BoringData& a, const BoringData& b, int first, int last)
{
    for (int item = first; item <= last; ++item)
        if (a.documentOption(item).value != b.documentOption(item).value)
            return false;
    return true;
}

DialogOutcome runHeading(LogDocument& document, Prompter& prompter, QWidget* parent)
{
    HeadingDialogModel model(document.data(), document.settings(), prompter);
    FieldFormDialog dialog(QStringLiteral("見出し"), model, headingDialogFields(), prompter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return DialogOutcome::Cancelled;
    model.warnOnAccept(prompter);
    BoringData edited = document.data();
    model.apply(edited);
    // A start depth taken from the ground elevation goes into the same step.
    LogSettings settings = document.settings();
    checkScaleStart(edited, settings, prompter);
    document.pushEdit(QStringLiteral("見出し"), edited, settings.printOptions());
    return DialogOutcome::Accepted;
}

DialogOutcome runScale(LogDocument& document, Prompter& prompter, QWidget* parent)
{
    LogSettings settings = document.settings();
    ViewState view = document.view();
    BoringData edited = document.data();
    applyPrinterPaper(settings, view, freeNotesHeight(edited), document.printerPaper());
    ScaleDepthModel model(settings, view, edited);
    const ScaleDepthOutcome outcome = runScaleDepthPasses(model, settings, view, edited, prompter, [&] {
        FieldFormDialog dialog(QStringLiteral("縮尺と表示印刷深度"), model, scaleDepthFields(), prompter, parent);
        return dialog.exec() == QDialog::Accepted;
    });
    document.setView(view);
    if (!outcome.accepted)
        return DialogOutcome::Cancelled;
    // The scales, the start depth and the extra pages are drawn and printed
    // with the store: one undo step over them and the document's start depth.
    // The depth per page, the overlap and the scale switch belong to Sys.ndx,
    // which keeps them whatever is undone.
    if (!sameOptions(edited, document.data(), printStartDepthOption, printStartDepthOption)
        || settings.printOptions() != document.settings().printOptions())
        document.pushEdit(QStringLiteral("縮尺と深度"), edited, settings.printOptions());
    const bool valuesChanged = document.replaceSettingsValues(settings.values());
    if (outcome.save && valuesChanged)
        writeSettingsFile(document, prompter);
    return DialogOutcome::Accepted;
}

DialogOutcome runStyle(LogDocument& document, Prompter& prompter, QWidget* parent)
{
    StyleSheetModel model(document.settings(), document.data());
    StyleSheetDialog dialog(model, prompter, parent);
    dialog.apply = [&] {
        SettingsValues values = document.settings().values();
        BoringData edited = document.data();
        model.apply(values, edited);
        if (!sameOptions(edited, document.data(), titleGroupOffsetOption, titleGroupOffsetOption + 2))
            document.pushEdit(QStringLiteral("柱状図様式"), edited);
        takeSettingsValues(document, values, prompter);
    };
    return outcomeOf(dialog.exec());
}

DialogOutcome runFonts(LogDocument& document, Prompter& prompter, QWidget* parent)
{
    FontDialogModel model(document.settings());
    FontDialog dialog(model, prompter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return DialogOutcome::Cancelled;
    LogSettings settings = document.settings();
    model.accept(settings);
    document.replaceSettings(settings);
    return DialogOutcome::Accepted;
}

// OK: the pattern options go to the settings and Sys.ndx, and the colour
// table and both sets of soil names are read again from the files the
// editor wrote, so the log is drawn with them.
DialogOutcome runSoilMaster(LogDocument& document, Prompter& prompter, QWidget* parent)
{
    SoilMasterEditorModel model(document.settings(), prompter);
    model.open();
    SoilMasterEditorDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted)
        return DialogOutcome::Cancelled;
    LogSettings settings = document.settings();
    model.applyOptions(settings);
    Issues issues;
    saveSettings(settings, settings.settingsPath, issues);
    loadPatternColors(settings, settings.patternColorPath, issues);
    loadSoilNameMaster(settings, settings.soilMasterPath, 0, issues);
    loadSoilNameMaster(settings, settings.soilMasterPath, 1, issues);
    document.replaceSettings(settings);
    showIssues(prompter, issues);
    takeReloadedMasters(document, document.data(), QStringLiteral("地質名と図模様"));
    return DialogOutcome::Accepted;
}

template <class Model>
DialogOutcome runSettingsFields(const QString& title, Model& model, const std::vector<FormField>& fields,
                                LogDocument& document, Prompter& prompter, QWidget* parent)
{
    FieldFormDialog dialog(title, model, fields, prompter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return DialogOutcome::Cancelled;
    SettingsValues values = document.settings().values();
    model.apply(values);
    takeSettingsValues(document, values, prompter);
    return DialogOutcome::Accepted;
}

DialogOutcome runSetup(LogDocument& document, Prompter& prompter, QWidget* parent)
{
    SetupModel model(document.settings());
    FieldFormDialog dialog(QStringLiteral("セットアップ"), model, setupFields(), prompter, parent);
    dialog.mayAccept = [&] { return model.mayAccept(prompter); };
    if (dialog.exec() != QDialog::Accepted)
        return DialogOutcome::Cancelled;
    LogSettings settings = document.settings();
    BoringData edited = document.data();
    if (model.applyAndReload(settings, edited, prompter)) {
        document.replaceSettings(settings);
        takeReloadedMasters(document, edited, QStringLiteral("セットアップ"));
    }
    return DialogOutcome::Accepted;
}

template <class Model>
DialogOutcome runDocumentFields(const QString& title, Model& model, const std::vector<FormField>& fields,
                                LogDocument& document, Prompter& prompter, QWidget* parent)
{
    FieldFormDialog dialog(title, model, fields, prompter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return DialogOutcome::Cancelled;
    BoringData edited = document.data();
    model.apply(edited, prompter);
    document.pushEdit(title, edited);
    return DialogOutcome::Accepted;
}

}  // namespace

DialogOutcome runSettingsDialog(int commandId, LogDocument& document, Prompter& prompter, QWidget* parent)
{
    switch (commandId) {
    case HeadingCommand:
        return runHeading(document, prompter, parent);
    case ScaleCommand:
        return runScale(document, prompter, parent);
    case StyleCommand:
        return runStyle(document, prompter, parent);
    case FontCommand:
        return runFonts(document, prompter, parent);
    case SoilMasterCommand:
        return runSoilMaster(document, prompter, parent);
    case KeyOptionsCommand: {
        SettingsFieldsModel model(keyOptionsFields(), document.settings());
        return runSettingsFields(QStringLiteral("キーの動作、データ入力画面のオプション"), model, keyOptionsFields(),
                                 document, prompter, parent);
    }
    case PaperDefaultsCommand: {
        PaperDefaultsModel model(document.settings());
        return runSettingsFields(QStringLiteral("印刷用紙の初期設定"), model, paperDefaultsFields(), document, prompter,
                                 parent);
    }
    case MasterNamesCommand: {
        MasterFileNamesModel model(document.settings());
        return runSettingsFields(QStringLiteral("フォルダ・マスタファイル名"), model, masterFileNamesFields(), document,
                                 prompter, parent);
    }
    case SetupCommand:
        return runSetup(document, prompter, parent);
    case DisplayWidthCommand: {
        DisplayWidthModel model(document.settings(), document.data());
        return runDocumentFields(QStringLiteral("表示幅"), model, displayWidthFields(), document, prompter, parent);
    }
    case PageFooterCommand: {
        PageFooterModel model(document.data(), document.view());
        return runDocumentFields(QStringLiteral("ページ"), model, pageFooterFields(), document, prompter, parent);
    }
    case ShortTextCommand: {
        // The masters are read by the data-entry dialogs when they open; the
        // editor writes its files itself and leaves the settings as they are.
        ShortTextEditorModel model(document.settings(), prompter);
        ShortTextEditorDialog dialog(model, prompter, parent);
        return outcomeOf(dialog.exec());
    }
    case HelpCommand: {
        HelpDialog dialog(document.settings(), prompter, parent);
        dialog.exec();
        return DialogOutcome::Accepted;
    }
    default:
        return DialogOutcome::NotAvailable;
    }
}

}  // namespace kolv
