#pragma once
// Where the installation folder is: the location file on the Windows drive
// names it, else it is "\Ostrand\Qelm3" on that drive. The Windows drive is
// C:, the folder settings.dataRoot/drive_c of the host.
#include "platform/Issue.h"
#include "settings/LogSettings.h"

#include <string>
#include <string_view>

namespace kolv {

inline constexpr std::string_view locationFileName = "\\Ostrand\\Pivrel3.whr";
inline constexpr std::string_view defaultInstallPath = "\\Ostrand\\Qelm3";

// Host path of a Windows-style path of the settings (drive letters map under
// settings.dataRoot, drive Z: is the host root).
std::string hostPathOf(const LogSettings& settings, std::string_view windowsPath);

// Sets windowsDrive, installDrive and installPath: from
// settings.installFolderOverride when it is set, else from the location file
// on the Windows drive, else on the current directory's drive, else the
// default folder. Also switches screen drawing on.
void locateInstallFolder(LogSettings& settings);

// InstallFolder + "\" + fileName.
std::string installFile(const LogSettings& settings, std::string_view fileName);

// Rebuilds installFolder, settingsPath, patternColorPath and soilMasterPath
// from installDrive and installPath.
void rebuildPaths(LogSettings& settings);

// Writes the location file (InstallDrive + ":" + InstallPath) on the Windows
// drive; "保存できませんでした" and false when it cannot be written.
bool saveLocationFile(const LogSettings& settings, Issues& issues);

}  // namespace kolv
