#pragma once
// The small option dialogs: paper defaults, key options, set-up of the
// installation folder, display widths, page footer and help. The paper and
// key dialogs are nothing but a table of bound settings fields.
#include "data/BoringData.h"
#include "dialogs/FieldModel.h"
#include "document/ViewState.h"
#include "platform/Prompter.h"
#include "settings/LogSettings.h"

#include <string>
#include <vector>

namespace kolv {

const std::vector<FormField>& paperDefaultsFields();  // "印刷用紙の初期設定"
const std::vector<FormField>& keyOptionsFields();     // "キーの動作、データ入力画面のオプション"

// A dialog that edits bound settings fields only.
class SettingsFieldsModel : public FieldModel {
public:
    SettingsFieldsModel(const std::vector<FormField>& fields, const LogSettings& settings);
    void apply(SettingsValues& settings) const { storeSettingsFields(fields_, settings); }

private:
    const std::vector<FormField>& fields_;
};

// The paper dialog's radios can be used only when its check box was set as
// the dialog opened.
class PaperDefaultsModel : public SettingsFieldsModel {
public:
    explicit PaperDefaultsModel(const LogSettings& settings);
};

// "セットアップ": the drive and folder of the installation.
const std::vector<FormField>& setupFields();

class SetupModel : public FieldModel {
public:
    explicit SetupModel(const LogSettings& settings);
    void fieldLeft(std::string_view key, Prompter& prompter) override;
    void buttonPressed(std::string_view key, Prompter& prompter) override;

    // OK: an empty drive keeps the dialog open (false).
    bool mayAccept(Prompter& prompter) const;
    // After OK: checks the drive and folder ("パス名が異常です" and false when
    // they are unusable) and sets the installation drive and path.
    bool apply(LogSettings& settings, Prompter& prompter) const;
    // apply, then writes the location file and reloads the settings, the
    // masters and the fonts from the new folder (also when the location file
    // could not be written). False when the drive or folder was refused.
    bool applyAndReload(LogSettings& settings, BoringData& data, Prompter& prompter) const;

private:
    std::string windowsDriveLetter_;
};

// "表示幅": the column width adjustments of the document (options 1 to 13)
// and the in-situ switch (heading line 72).
const std::vector<FormField>& displayWidthFields();

class DisplayWidthModel : public FieldModel {
public:
    DisplayWidthModel(const LogSettings& settings, const BoringData& data);
    void fieldLeft(std::string_view key, Prompter& prompter) override;
    void buttonPressed(std::string_view key, Prompter& prompter) override;
    // OK: warns about a log wider than 270 mm and writes the values.
    void apply(BoringData& data, Prompter& prompter) const;

private:
    std::vector<std::string> defaults_;
};

// "ページ": the page-number footer of the document (heading lines 61 to 69).
const std::vector<FormField>& pageFooterFields();

class PageFooterModel : public FieldModel {
public:
    PageFooterModel(const BoringData& data, const ViewState& view);
    void fieldLeft(std::string_view key, Prompter& prompter) override;
    void buttonPressed(std::string_view key, Prompter& prompter) override;
    // OK: warns when the footer may lie below the paper, writes the lines.
    void apply(BoringData& data, Prompter& prompter) const;

private:
    void applyStandard();
    void followRadios();
    void updatePreview();
    int paperLength_;
    int paperWidth_;
};

// "操作＆ヘルプ": the lines of Help.txt, each with one blank in front;
// "ファイルが見つかりません\n( %1 )" when it cannot be read.
std::vector<std::string> helpLines(const LogSettings& settings, Prompter& prompter);
// The host path of Help.txt in the installation folder.
std::string helpFilePath(const LogSettings& settings);

}  // namespace kolv
