#include "dialogs/MasterFileNamesModel.h"

#include "data/Cp932Text.h"
#include "platform/Cp932Codec.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"
#include "settings/ShortTextMaster.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>

namespace kolv {

namespace {

struct MasterPath {
    const char* key;
    const char* caption;
    std::string SettingsValues::*member;
    const char* fileName;
};

const MasterPath masterPaths[] = {
    {"soilMasterPath", "地質名", &LogSettings::soilMasterPath, "WdtvJCA.mst"},
    {"engineerMasterPath", "技術者", &LogSettings::engineerMasterPath, "M.mst"},
    {"clientMasterPath", "発注機関", &LogSettings::clientMasterPath, "Hat.mst"},
    {"machineMasterPath", "使用機械", &LogSettings::machineMasterPath, "Sks.mst"},
    {"elevationTypeMasterPath", "標高種別", &LogSettings::elevationTypeMasterPath, "Hyk.mst"},
    {"colorToneMasterPath", "色調", &LogSettings::colorToneMasterPath, "C.mst"},
    {"notesMasterPath", "記事", &LogSettings::notesMasterPath, "K.mst"},
    {"ageMasterPath", "年代", &LogSettings::ageMasterPath, "Nen.mst"},
    {"insituMasterPath", "原位置", &LogSettings::insituMasterPath, "Gen.mst"},
    {"labTestMasterPath", "室内試験", &LogSettings::labTestMasterPath, "Sit.mst"},
};

FormField field(const char* key, const char* caption, FormFieldKind kind, const char* group, int column)
{
    FormField dialogTable;
    dialogTable.key = key;
    dialogTable.caption = caption;
    dialogTable.kind = kind;
    dialogTable.group = group;
    dialogTable.column = column;
    return dialogTable;
}

std::vector<FormField> buildFields()
{
    std::vector<FormField> fields;
    for (const MasterPath& path : masterPaths) {
        FormField dialogTable = field(path.key, path.caption, FormFieldKind::Text, "マスタファイル", 0);
        dialogTable.textSetting = path.member;
        fields.push_back(dialogTable);
    }
    const char* patterns = "柱状図模様\u3000ビットマップパターンのフォルダ";
    FormField mode = field("bitmapMono", "表示色", FormFieldKind::Radio, patterns, 0);
    mode.choices = {"カラー", "白黒"};
    mode.intSetting = &LogSettings::bitmapMono;
    fields.push_back(mode);
    FormField colour = field("patternFolder", "カラー", FormFieldKind::Text, patterns, 0);
    colour.textSetting = &LogSettings::patternFolder;
    fields.push_back(colour);
    fields.push_back(field("monoFolder", "白黒", FormFieldKind::Text, patterns, 0));
    fields.push_back(field("standard", "標準の設定", FormFieldKind::Button, "", 0));

    const char* chooser = "ファイル";
    fields.push_back(field("folder", "フォルダ", FormFieldKind::Text, chooser, 1));
    fields.push_back(field("pattern", "ファイル名", FormFieldKind::Text, chooser, 1));
    FormField type = field("fileType", "ファイルの種類", FormFieldKind::FixedChoice, chooser, 1);
    type.choices = {"*.mst", "*.*   (すべて)", "*.bmp"};
    fields.push_back(type);
    fields.push_back(field("fileList", "ファイル一覧", FormFieldKind::PickList, chooser, 1));
    fields.push_back(field("topView", "トップビュー", FormFieldKind::ShownLines, chooser, 1));
    fields.push_back(field("apply", "↑適用", FormFieldKind::Button, chooser, 1));
    return fields;
}

// The first four lines of a file, each cut as a 40-byte line buffer cuts it.
std::string firstLines(const std::string& hostPath)
{
    std::vector<std::string> lines;
    if (!readSettingsLines(hostPath, lines))
        return {};
    std::string shown;
    for (std::size_t index = 0; index < lines.size() && index < 4; ++index)
        shown += (index ? "\r\n" : "") + std::string(cutToBytes(lines[index], 39));
    return shown;
}

}  // namespace

const std::vector<FormField>& masterFileNamesFields()
{
    static const std::vector<FormField> fields = buildFields();
    return fields;
}

MasterFileNamesModel::MasterFileNamesModel(const LogSettings& settings) : settings_(settings)
{
    loadSettingsFields(masterFileNamesFields(), settings);
    setValue("monoFolder", settings.patternFolder + "01");
    setValue("folder", settings.installFolder);
    setValue("pattern", "*.mst");
    setValue("fileType", "*.mst");
    lastPathField_ = masterPaths[0].key;
    followColourMode();
    listFiles();
}

std::vector<std::string> MasterFileNamesModel::entries(std::string_view key) const
{
    return key == "fileList" ? files_ : std::vector<std::string>();
}

void MasterFileNamesModel::listFiles()
{
    files_.clear();
    const std::string pattern = cp932ToUtf8(value("pattern"));
    std::error_code error;
    const std::filesystem::path folder = hostPathOf(settings_, value("folder"));
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0)
            files_.push_back(utf8ToCp932(name));
    }
    std::sort(files_.begin(), files_.end());
}

void MasterFileNamesModel::followColourMode()
{
    const bool colour = integer("bitmapMono") == 0;
    setEnabled("patternFolder", colour);
    setEnabled("monoFolder", !colour);
}

void MasterFileNamesModel::fieldEntered(std::string_view key)
{
    for (const MasterPath& path : masterPaths)
        if (key == path.key)
            lastPathField_ = path.key;
    if (key == "patternFolder" || key == "monoFolder")
        lastPathField_ = std::string(key);
}

void MasterFileNamesModel::fieldLeft(std::string_view key, Prompter&)
{
    if (key == "fileType") {
        const std::string& type = value("fileType");
        setValue("pattern", type.substr(0, type.find(' ')));
        listFiles();
    } else if (key == "folder" || key == "pattern") {
        listFiles();
    } else if (key == "fileList") {
        setValue("topView", firstLines(hostPathOf(settings_, value("folder") + "\\" + value("fileList"))));
    } else if (key == "patternFolder") {
        setValue("monoFolder", value("patternFolder") + "01");
    } else if (key == "bitmapMono") {
        followColourMode();
    }
}

void MasterFileNamesModel::buttonPressed(std::string_view key, Prompter& prompter)
{
    if (key == "apply" && !value("fileList").empty()) {
        setValue(lastPathField_, value("folder") + "\\" + value("fileList"));
        if (lastPathField_ == "patternFolder")
            fieldLeft("patternFolder", prompter);
    } else if (key == "standard") {
        for (const MasterPath& path : masterPaths)
            setValue(path.key, installFile(settings_, path.fileName));
        setValue("patternFolder", installFile(settings_, "Jbptn"));
        setValue("monoFolder", installFile(settings_, "Jbptn01"));
    }
}

void MasterFileNamesModel::apply(SettingsValues& settings) const
{
    storeSettingsFields(masterFileNamesFields(), settings);
}

}  // namespace kolv
