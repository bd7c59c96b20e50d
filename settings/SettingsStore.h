#pragma once
// Loading and saving the settings of the installation folder: Sys.ndx, the
// pattern colour table, the soil-name master and the six font files, and the
// location of the installation folder itself (hostPathOf and the folder
// rules are in settings/InstallFolder.h, the shared message texts in
// settings/SettingsText.h).
#include "data/BoringData.h"
#include "platform/Issue.h"
#include "settings/InstallFolder.h"
#include "settings/LogSettings.h"
#include "settings/SettingsText.h"

#include <string>

namespace kolv {

// Locates the installation folder on the first call, rebuilds every path from
// it, loads Sys.ndx, the colour table, the soil-name master and the fonts when
// not loaded yet (or again when reloadAll), and applies the document option
// defaults and the print start depth to data.
void loadSettings(LogSettings& settings, BoringData& data, bool reloadAll, Issues& issues);

// Writes lines 0-120 of Sys.ndx; false (after the message "保存できませんでした")
// when the file cannot be written, the old file then being intact.
bool saveSettings(const LogSettings& settings, const std::string& windowsPath, Issues& issues);

}  // namespace kolv
