#pragma once
// "フォルダ・マスタファイル名": the paths of the master files, the pattern
// folder and its colour mode, with a small file chooser (folder, name
// pattern, type, file list and a view of the chosen file's first lines).
#include "dialogs/FieldModel.h"
#include "settings/LogSettings.h"

#include <string>
#include <vector>

namespace kolv {

const std::vector<FormField>& masterFileNamesFields();

class MasterFileNamesModel : public FieldModel {
public:
    explicit MasterFileNamesModel(const LogSettings& settings);

    std::vector<std::string> entries(std::string_view key) const override;
    void fieldLeft(std::string_view key, Prompter& prompter) override;
    void fieldEntered(std::string_view key) override;
    void buttonPressed(std::string_view key, Prompter& prompter) override;

    void apply(SettingsValues& settings) const;

private:
    void listFiles();
    void followColourMode();

    LogSettings settings_;  // for the installation folder and host paths
    std::vector<std::string> files_;
    std::string lastPathField_;
};

}  // namespace kolv
