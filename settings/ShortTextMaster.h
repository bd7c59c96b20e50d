#pragma once
// The nine short-text masters that fill the drop-down lists of the data-entry
// dialogs: at most 80 entries each, one a line. Six of them carry a short
// mark before the text ("mark,text"), three hold the text alone.
#include "platform/Issue.h"
#include "settings/LogSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace kolv {

// In the order of the short-text editor's file choice.
enum class ShortTextMasterKind {
    Engineer,       // M.mst   技術者
    Client,         // Hat.mst 発注機関
    ElevationType,  // Hyk.mst 標高種別
    Machine,        // Sks.mst 使用機種
    ColorTone,      // C.mst   色調
    Notes,          // K.mst   記事
    Age,            // Nen.mst 年代
    Insitu,         // Gen.mst 原位置
    LabTest,        // Sit.mst 室内試験
};
inline constexpr int shortTextMasterCount = 9;

enum class ShortTextLayout { MarkAndText, TextOnly };

struct ShortTextMasterInfo {
    std::string_view fileName;  // "M.mst"
    std::string_view caption;   // "技術者" (code page 932)
    ShortTextLayout layout;
    std::string LogSettings::*pathField;
};

const ShortTextMasterInfo& shortTextMasterInfo(ShortTextMasterKind kind);

// InstallFolder + "\" + the file name.
std::string defaultShortTextMasterPath(const LogSettings& settings, ShortTextMasterKind kind);

// The path the settings give for the master (lines 59, 61-68 of Sys.ndx).
const std::string& shortTextMasterPath(const LogSettings& settings, ShortTextMasterKind kind);

struct ShortTextEntry {
    std::string mark;  // empty for the text-only layout
    std::string text;
};

struct ShortTextMaster {
    static constexpr int capacity = 80;
    ShortTextLayout layout = ShortTextLayout::MarkAndText;
    std::vector<ShortTextEntry> entries;
};

// Fills master.entries from the file's bytes in master.layout: empty lines
// are skipped, entries after the 80th are ignored. A "mark,text" line that
// has no comma at all is taken as the text alone.
void readShortTextMaster(ShortTextMaster& master, std::string_view bytes);

// The file's bytes: the mark ("-" when empty), "," and the text, or the text
// alone; CR LF after each; entries with an empty text are not written. A
// value holding "," is written between double quotes and a double quote as
// "＂", so every entry reads back whole.
std::string shortTextMasterText(const ShortTextMaster& master);

// Reads the master from its settings path; "ファイルが見つかりません\n( %1 )"
// and an empty master when it cannot be read.
bool loadShortTextMaster(const LogSettings& settings, ShortTextMasterKind kind, ShortTextMaster& master,
                         Issues& issues);

// Reads a master of the given layout from any Windows-style path, with the
// same message when it cannot be read.
bool loadShortTextMasterFrom(const LogSettings& settings, const std::string& windowsPath, ShortTextLayout layout,
                             ShortTextMaster& master, Issues& issues);

// Writes the master to its settings path; "%1\n保存できませんでした" and the
// old file intact when it cannot be written. Entries with equal texts are
// written all the same and reported afterwards (shortTextDuplicateReport).
bool saveShortTextMaster(const LogSettings& settings, ShortTextMasterKind kind, const ShortTextMaster& master,
                         Issues& issues);

// Entries with equal texts, numbered as the entries are, empty ones counted:
// "同じデータがあります" and at most six lines "%2d行目と%2d行目 [%s]\u3000%s"
// (the earlier and the later entry, the text, the later entry's mark). Empty
// when every text is different.
std::string shortTextDuplicateReport(const ShortTextMaster& master);

// The master of the previous version that the current one was made from:
// the same path with "lm3" (the Qelm3 folder) read as "lm2"; empty when the
// path does not name the current version's folder.
std::string previousVersionMasterPath(const std::string& windowsPath);

}  // namespace kolv
