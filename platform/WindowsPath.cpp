#include "platform/WindowsPath.h"

#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace kolv {

namespace {

bool isLead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Splits at "\" and "/" outside double-byte characters.
std::vector<std::string> splitComponents(std::string_view path)
{
    std::vector<std::string> parts;
    std::string current;
    for (std::size_t pos = 0; pos < path.size(); ++pos) {
        const unsigned char byte = static_cast<unsigned char>(path[pos]);
        if (isLead(byte) && pos + 1 < path.size()) {
            current.push_back(path[pos]);
            current.push_back(path[pos + 1]);
            ++pos;
            continue;
        }
        if (byte == '\\' || byte == '/') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
            continue;
        }
        current.push_back(path[pos]);
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

bool equalIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The name of an entry of folder equal to name without regard to case; the
// name itself when the folder has none (or cannot be read).
std::string matchEntry(const std::string& folder, const std::string& name)
{
    struct stat info {};
    if (stat((folder + "/" + name).c_str(), &info) == 0)
        return name;
    DIR* directory = opendir(folder.empty() ? "/" : folder.c_str());
    if (!directory)
        return name;
    std::string found = name;
    while (dirent* entry = readdir(directory)) {
        if (equalIgnoringAsciiCase(entry->d_name, name)) {
            found = entry->d_name;
            break;
        }
    }
    closedir(directory);
    return found;
}

}  // namespace

std::string windowsDriveFolder(const std::string& dataRoot, char driveLetter)
{
    return dataRoot + "/drive_" + static_cast<char>(std::tolower(static_cast<unsigned char>(driveLetter)));
}

std::string hostPathFromWindows(std::string_view windowsPath, const std::string& dataRoot)
{
    char drive = 'c';
    if (windowsPath.size() >= 2 && windowsPath[1] == ':' && std::isalpha(static_cast<unsigned char>(windowsPath[0]))) {
        drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
        windowsPath.remove_prefix(2);
    }
    std::string host = drive == 'z' ? std::string() : windowsDriveFolder(dataRoot, drive);
    for (const std::string& part : splitComponents(windowsPath))
        host += "/" + matchEntry(host, part);
    return host.empty() ? std::string("/") : host;
}

std::string windowsPathFromHost(const std::string& hostPath, const std::string& dataRoot)
{
    const std::string drivePrefix = dataRoot + "/drive_";
    std::string drive = "Z:";
    std::string rest = hostPath;
    if (hostPath.compare(0, drivePrefix.size(), drivePrefix) == 0 && hostPath.size() > drivePrefix.size()
        && (hostPath.size() == drivePrefix.size() + 1 || hostPath[drivePrefix.size() + 1] == '/')) {
        drive =
            std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(hostPath[drivePrefix.size()]))))
            + ":";
        rest = hostPath.substr(drivePrefix.size() + 1);
    }
    std::string windows = drive;
    for (const std::string& part : splitComponents(rest))
        windows += "\\" + part;
    return windows;
}

std::string defaultDataRoot()
{
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome && *dataHome)
        return std::string(dataHome) + "/kolv";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "/tmp") + "/.local/share/kolv";
}

}  // namespace kolv
