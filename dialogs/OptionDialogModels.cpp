#include "dialogs/OptionDialogModels.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "dialogs/StyleSheetModel.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsText.h"

#include <algorithm>
#include <cctype>

namespace kolv {

namespace {

FormField dialogTable(const char* key, const char* caption, FormFieldKind kind, const char* group = "",
                      std::vector<std::string> choices = {}, int SettingsValues::*member = nullptr)
{
    FormField field;
    field.key = key;
    field.caption = caption;
    field.kind = kind;
    field.group = group;
    field.choices = std::move(choices);
    field.intSetting = member;
    return field;
}

constexpr int footerFirstLine = 61;
constexpr int footerLastLine = 69;
constexpr int inSituSwitchLine = 72;

std::string line(int number)
{
    return "L" + std::to_string(number);
}

}  // namespace

const std::vector<FormField>& paperDefaultsFields()
{
    static const std::vector<FormField> fields{
        dialogTable("paperAtStartup", "本ソフト起動時に下記の初期設定とする", FormFieldKind::Check, "", {},
                    &LogSettings::paperAtStartup),
        dialogTable("paperSize", "用紙サイズ", FormFieldKind::Radio, "", {"A3", "A4"}, &LogSettings::paperSize),
        dialogTable("paperOrientation", "印刷の向き", FormFieldKind::Radio, "", {"縦", "横"},
                    &LogSettings::paperOrientation),
        dialogTable("note1", "プリンタが設定内容に対応しているか あらかじめご確認ください.", FormFieldKind::Label,
                    "注意"),
        dialogTable("note2", "・ 次の起動時から有効です.", FormFieldKind::Label, "注意"),
        dialogTable("note3",
                    "・ 初期設定を行っても、「プリンタの設定」や印刷時の「プリンタのプロパティ」画面で変更できます.",
                    FormFieldKind::Label, "注意"),
        dialogTable("note4", "・ A3非対応のプリンタでA3設定は避けてください", FormFieldKind::Label, "注意"),
    };
    return fields;
}

const std::vector<FormField>& keyOptionsFields()
{
    static const std::vector<FormField> fields{
        dialogTable("enterKeyMode", "Enterキー (Returnキー)", FormFieldKind::Radio, "Enterキー (Returnキー)",
                    {"Windows標準 (OKボタンクリックと同じ)", "次に移動 (次の入力欄に移動)",
                     "確定のみ (OKボタンや次に移動しない)"},
                    &LogSettings::enterKeyMode),
        dialogTable("enterNote", "漢字変換やドロップダウンリストの選択は常に標準の動作です", FormFieldKind::Label,
                    "Enterキー (Returnキー)"),
        dialogTable("scrollToLastRow", "デ－タ一覧表を入力済み最下行までスクロール", FormFieldKind::Check,
                    "データ入力画面オープン時の表示", {}, &LogSettings::scrollToLastRow),
    };
    return fields;
}

SettingsFieldsModel::SettingsFieldsModel(const std::vector<FormField>& fields, const LogSettings& settings)
    : fields_(fields)
{
    loadSettingsFields(fields_, settings);
}

PaperDefaultsModel::PaperDefaultsModel(const LogSettings& settings)
    : SettingsFieldsModel(paperDefaultsFields(), settings)
{
    const bool usable = settings.paperAtStartup == 1;
    setEnabled("paperSize", usable);
    setEnabled("paperOrientation", usable);
}

const std::vector<FormField>& setupFields()
{
    static const std::vector<FormField> fields = [] {
        std::vector<FormField> list{
            dialogTable("drive", "ドライブ", FormFieldKind::Text, "本システムのインストール場所"),
            dialogTable("folder", "フォルダ", FormFieldKind::Text, "本システムのインストール場所"),
            dialogTable("standard", "標準の設定", FormFieldKind::Button),
        };
        list[0].maxLength = 1;
        list[1].maxLength = 64;
        return list;
    }();
    return fields;
}

SetupModel::SetupModel(const LogSettings& settings) : windowsDriveLetter_(settings.windowsDrive.substr(0, 1))
{
    setValue("drive", settings.installDrive);
    setValue("folder", settings.installPath);
}

void SetupModel::fieldLeft(std::string_view key, Prompter& prompter)
{
    if (key != "folder")
        return;
    const std::string& folder = value("folder");
    if (folder.size() <= 1)
        showMessage(prompter, Message::NoData, MessageKind::Warning);
    else if (folder[0] != '\\')
        setValue("folder", "\\" + folder);
}

void SetupModel::buttonPressed(std::string_view key, Prompter&)
{
    if (key != "standard")
        return;
    setValue("drive", windowsDriveLetter_);
    setValue("folder", std::string(defaultInstallPath));
}

bool SetupModel::mayAccept(Prompter& prompter) const
{
    if (!value("drive").empty())
        return true;
    showMessage(prompter, Message::NoData, MessageKind::Warning);
    return false;
}

bool SetupModel::apply(LogSettings& settings, Prompter& prompter) const
{
    const std::string drive = upperCaseText(value("drive"));
    std::string folder = value("folder");
    if (!folder.empty() && folder[0] != '\\')
        folder = "\\" + folder;
    const bool letter = drive.size() == 1 && drive[0] >= 'A' && drive[0] <= 'Z';
    if (!letter || folder.size() < 2) {
        showMessage(prompter, Message::PathAbnormal, MessageKind::Error);
        return false;
    }
    settings.installDrive = drive;
    settings.installPath = folder;
    return true;
}

bool SetupModel::applyAndReload(LogSettings& settings, BoringData& data, Prompter& prompter) const
{
    if (!apply(settings, prompter))
        return false;
    Issues issues;
    saveLocationFile(settings, issues);
    loadSettings(settings, data, true, issues);
    showIssues(prompter, issues);
    return true;
}

const std::vector<FormField>& displayWidthFields()
{
    static const std::vector<FormField> fields = [] {
        std::vector<FormField> list = columnWidthFields("表示幅 (増減 x0.1mm)", "全幅");
        list.push_back(dialogTable("standardWidth", "標準の幅", FormFieldKind::Shown));
        list.push_back(dialogTable("L72", "原位置試験", FormFieldKind::Check));
        list.push_back(dialogTable("defaults", "初期設定値", FormFieldKind::Button));
        list.push_back(dialogTable("defaultsNote", "メニュー「柱状図様式」 の設定値をコピー", FormFieldKind::Label));
        list.push_back(dialogTable("zero", "増減すべて 0", FormFieldKind::Button));
        list.push_back(dialogTable("sumButton", "合計", FormFieldKind::Button));
        for (FormField& field : list)
            if (field.group.empty())
                field.column = 1;
        return list;
    }();
    return fields;
}

DisplayWidthModel::DisplayWidthModel(const LogSettings& settings, const BoringData& data)
    : defaults_(settings.documentOptionDefaults.begin(), settings.documentOptionDefaults.begin() + columnWidthRowCount)
{
    for (int row = 1; row <= columnWidthRowCount; ++row)
        setValue("adjust" + std::to_string(row),
                 formatText("%ld", parseLeadingInteger(data.documentOption(row).value)));
    setValue("standardWidth", "265.0");
    setValue("L72", data.headingLine(inSituSwitchLine) == "1" ? "1" : "0");
    updateColumnWidths(*this);
}

void DisplayWidthModel::fieldLeft(std::string_view key, Prompter&)
{
    if (key.starts_with("adjust"))
        updateColumnWidths(*this);
}

void DisplayWidthModel::buttonPressed(std::string_view key, Prompter&)
{
    for (int row = 1; row <= columnWidthRowCount; ++row) {
        if (key == "defaults")
            setValue("adjust" + std::to_string(row), defaults_[row - 1]);
        else if (key == "zero")
            setValue("adjust" + std::to_string(row), "0");
    }
    updateColumnWidths(*this);
}

void DisplayWidthModel::apply(BoringData& data, Prompter& prompter) const
{
    if (totalLogWidth(*this) > printWidthLimit)
        showMessage(prompter, Message::WidthTooLarge, MessageKind::Warning);
    for (int row = 1; row <= columnWidthRowCount; ++row)
        data.documentOption(row).value = value("adjust" + std::to_string(row));
    data.setHeadingLine(inSituSwitchLine, checked("L72") ? "1" : "0");
}

const std::vector<FormField>& pageFooterFields()
{
    static const std::vector<FormField> fields = [] {
        const char* number = "ページ番号";
        const char* top = "上下の位置";
        const char* left = "左右の位置";
        const char* paper = "用紙";
        std::vector<FormField> list{
            dialogTable("L61", "前文字", FormFieldKind::Choice, number, {"   <無し>", "-", "("}),
            dialogTable("L62", "頁(開始頁)", FormFieldKind::Text, number),
            dialogTable("L63", "後文字", FormFieldKind::Choice, number, {"", "-", ")"}),
            dialogTable("preview", "表示例", FormFieldKind::Shown, number),
            dialogTable("L64", "トップマージン mm", FormFieldKind::Radio, top, {"用紙上端から", "下線から"}),
            dialogTable("L65", "用紙上端から mm", FormFieldKind::Text, top),
            dialogTable("L66", "下線から mm", FormFieldKind::Text, top),
            dialogTable("sameAsCompany", "← 業者名と同じ位置", FormFieldKind::Button, top),
            dialogTable("L67", "レフトマージン mm", FormFieldKind::Radio, left, {"用紙左端から", "用紙左右中央"}),
            dialogTable("L68", "用紙左端から mm", FormFieldKind::Text, left),
            dialogTable("L69", "用紙左右中央 mm", FormFieldKind::Shown, left),
            dialogTable("paperLength", "用紙長さ-16 mm", FormFieldKind::Shown, paper),
            dialogTable("paperWidth", "用紙幅 mm", FormFieldKind::Shown, paper),
            dialogTable("standard", "標準の設定", FormFieldKind::Button),
        };
        for (int index = 4; index < static_cast<int>(list.size()); ++index)
            list[index].column = 1;
        return list;
    }();
    return fields;
}

PageFooterModel::PageFooterModel(const BoringData& data, const ViewState& view)
    : paperLength_(view.paperLength), paperWidth_(view.paperWidth)
{
    for (int number = footerFirstLine; number <= footerLastLine; ++number)
        setValue(line(number), data.headingLine(number));
    for (int number : {64, 67})
        setValue(line(number), parseLeadingInteger(data.headingLine(number)) == 1 ? "1" : "0");
    setValue("L69", formatText("%g", paperWidth_ / 2.0));
    setValue("paperLength", formatText("%d", paperLength_ - 16));
    setValue("paperWidth", formatText("%d", paperWidth_));
    if (value("L65").empty() && value("L68").empty())
        applyStandard();
    followRadios();
    updatePreview();
}

void PageFooterModel::applyStandard()
{
    setValue("L65", formatText("%d", paperLength_ - 16));
    setValue("L66", "2.0");
    setValue("L68", formatText("%g", std::min(paperWidth_ / 2.0, 150.0)));
    setValue("L64", "1");
    setValue("L67", "1");
}

void PageFooterModel::followRadios()
{
    const bool fromTop = integer("L64") == 0;
    setEnabled("L65", fromTop);
    setEnabled("L66", !fromTop);
    setEnabled("sameAsCompany", !fromTop);
    setEnabled("L68", integer("L67") == 0);
}

void PageFooterModel::updatePreview()
{
    setValue("preview", value("L61") + value("L62") + value("L63"));
}

void PageFooterModel::fieldLeft(std::string_view key, Prompter&)
{
    if (key == "L61") {
        const std::string none = utf8ToCp932("   <無し>");
        if (value("L61") == none)
            setValue("L61", "");
        if (value("L63").empty()) {
            if (value("L61") == "(")
                setValue("L63", ")");
            else if (value("L61") == "-")
                setValue("L63", "-");
        }
    }
    followRadios();
    updatePreview();
}

void PageFooterModel::buttonPressed(std::string_view key, Prompter&)
{
    if (key == "standard")
        applyStandard();
    else if (key == "sameAsCompany")
        setValue("L66", "2.0");
    followRadios();
    updatePreview();
}

void PageFooterModel::apply(BoringData& data, Prompter& prompter) const
{
    if (integer("L64") == 0 && parseLeadingNumber(value("L65")) > paperLength_ - 16)
        showMessage(prompter, Message::FooterOffPaper, MessageKind::Warning, value("L65"));
    for (int number = footerFirstLine; number <= footerLastLine; ++number)
        data.setHeadingLine(number, value(line(number)));
    data.setHeadingLine(64, formatText("%d", integer("L64")));
    data.setHeadingLine(67, formatText("%d", integer("L67")));
}

std::string helpFilePath(const LogSettings& settings)
{
    return hostPathOf(settings, installFile(settings, "Help.txt"));
}

std::vector<std::string> helpLines(const LogSettings& settings, Prompter& prompter)
{
    std::vector<std::string> lines;
    if (!readSettingsLines(helpFilePath(settings), lines)) {
        showIssues(prompter, {issueOf(Message::FileNotFound, MessageKind::Error, installFile(settings, "Help.txt"))});
        return {};
    }
    for (std::string& text : lines)
        text = " " + std::string(cutToBytes(text, 118));
    return lines;
}

}  // namespace kolv
