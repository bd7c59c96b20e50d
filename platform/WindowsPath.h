#pragma once
// Settings and masters keep Windows-style paths ("C:\Ostrand\Qelm3\M.mst") so
// that the files stay exchangeable with Windows installations. A drive letter
// maps to a folder "drive_<letter>" under the per-user data root; drive Z: is
// the host's root "/" (the convention of Wine), which is how a host path
// chosen by the user is written into a setting.
#include <string>
#include <string_view>

namespace kolv {

// Host path of a Windows-style path (code page 932 bytes, "\" separators; the
// backslash is found character-aware, "表" ends in byte 0x5C). A path without
// a drive letter is taken relative to drive C:. Existing files and folders
// are matched without regard to case ("J1100.BMP" finds "j1100.bmp").
std::string hostPathFromWindows(std::string_view windowsPath, const std::string& dataRoot);

// Windows-style path of a host path: a path under dataRoot/drive_x becomes
// "X:\…"; any other absolute path becomes "Z:\…".
std::string windowsPathFromHost(const std::string& hostPath, const std::string& dataRoot);

// The host folder that stands for drive C: (the "Windows directory" drive).
std::string windowsDriveFolder(const std::string& dataRoot, char driveLetter = 'C');

// The per-user data root: $XDG_DATA_HOME/kolv, or ~/.local/share/kolv.
std::string defaultDataRoot();

}  // namespace kolv
