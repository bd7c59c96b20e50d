#pragma once
// Loading and saving the settings of the installation folder: Sys.ndx, the
// pattern colour table, the soil-name master and the six font files, and the
// location of the installation folder itself.
#include "data/BoringData.h"
#include "platform/Prompter.h"
#include "settings/LogSettings.h"

#include <string>
#include <string_view>

namespace kolv {

// Number of lines of Sys.ndx (0 to 120).
inline constexpr int settingsLineCount = 121;

// The text of message "ファイルが見つかりません\n( %1 )" and of "保存できませんでした".
std::string fileNotFoundMessage(const std::string& windowsPath);
std::string saveFailedMessage();

// Host path of a Windows-style path of the settings (drive letters map under
// settings.dataRoot, drive Z: is the host root).
std::string hostPathOf(const LogSettings& settings, std::string_view windowsPath);

// Locates the installation folder on the first call, rebuilds every path from
// it, loads Sys.ndx, the colour table, the soil-name master and the fonts when
// not loaded yet (or again when reloadAll), and applies the document option
// defaults and the print start depth to data.
void loadSettings(LogSettings& settings, BoringData& data, bool reloadAll, Prompter& prompter);

// Writes lines 0-120 of Sys.ndx; false (after the message "保存できませんでした")
// when the file cannot be written, the old file then being intact.
bool saveSettings(LogSettings& settings, const std::string& windowsPath, Prompter& prompter);

}  // namespace kolv
