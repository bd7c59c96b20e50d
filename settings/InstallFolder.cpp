#include "settings/InstallFolder.h"

#include "platform/MessageCatalogue.h"
#include "platform/FileIo.h"
#include "platform/WindowsPath.h"
#include "settings/FirstLine.h"
#include "settings/SettingsText.h"

#include <filesystem>

namespace kolv {

namespace {

constexpr std::string_view windowsDirectoryDrive = "C:";

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The drive of the current directory: the drive folder under the data root
// it lies in, else C: (a host folder outside the data root stands for no
// Windows drive of its own).
std::string currentDirectoryDrive(const LogSettings& settings)
{
    std::error_code error;
    const std::string current = std::filesystem::current_path(error).string();
    if (error || settings.dataRoot.empty())
        return std::string(windowsDirectoryDrive);
    const std::string drive = windowsPathFromHost(current, settings.dataRoot).substr(0, 2);
    return drive == "Z:" ? std::string(windowsDirectoryDrive) : drive;
}

std::string readLocation(const LogSettings& settings, const std::string& drive)
{
    return readFirstLine(hostPathOf(settings, drive + std::string(locationFileName)));
}

}  // namespace

std::string hostPathOf(const LogSettings& settings, std::string_view windowsPath)
{
    return hostPathFromWindows(windowsPath, settings.dataRoot);
}

void locateInstallFolder(LogSettings& settings)
{
    settings.screenDrawing = true;
    settings.windowsDrive = std::string(windowsDirectoryDrive);
    settings.installDrive.clear();
    settings.installPath.clear();

    std::string candidate;
    if (!settings.installFolderOverride.empty()) {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::absolute(settings.installFolderOverride, error);
        candidate = windowsPathFromHost(error ? settings.installFolderOverride : folder.string(), settings.dataRoot);
    } else {
        candidate = readLocation(settings, settings.windowsDrive);
        if (candidate.size() < 3) {
            candidate = readLocation(settings, currentDirectoryDrive(settings));
            if (candidate.size() <= 2)
                candidate.clear();
        }
    }
    // Only a drive letter, a colon and a path name a folder; anything else in
    // the location file would make every settings path point nowhere.
    if (candidate.size() >= 3 && isAsciiLetter(candidate[0]) && candidate[1] == ':') {
        settings.installDrive = candidate.substr(0, 1);
        settings.installPath = candidate.substr(2);
    }
    if (settings.installDrive.empty() || settings.installPath.size() <= 1) {
        settings.installDrive = settings.windowsDrive.substr(0, 1);
        settings.installPath = std::string(defaultInstallPath);
    }
}

std::string installFile(const LogSettings& settings, std::string_view fileName)
{
    return settings.installFolder + "\\" + std::string(fileName);
}

void rebuildPaths(LogSettings& settings)
{
    settings.installFolder = settings.installDrive + ":" + settings.installPath;
    settings.settingsPath = installFile(settings, "Sys.ndx");
    settings.patternColorPath = installFile(settings, "PtnvcJG.ndx");
    settings.soilMasterPath = installFile(settings, "WdtvJCA.mst");
}

bool saveLocationFile(const LogSettings& settings, Issues& issues)
{
    const std::string line = oneLineText(settings.installDrive + ":" + settings.installPath) + "\r\n";
    const std::string path = hostPathOf(settings, settings.windowsDrive + std::string(locationFileName));
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    if (writeFileAtomically(path, line))
        return true;
    issues.push_back(issueOf(Message::SaveFailed, MessageKind::Error));
    return false;
}

}  // namespace kolv
