#include "platform/FirstUse.h"

#include "platform/FileIo.h"
#include "platform/WindowsPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace kolv {

namespace {

namespace fs = std::filesystem;

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The entry of folder whose name equals name without regard to ASCII case,
// as the program finds its files ("sys.ndx" is the settings file Sys.ndx).
fs::path existingEntry(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    if (fs::exists(folder / name, error))
        return folder / name;
    const std::string wanted = lowerAscii(name);
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (lowerAscii(entry->path().filename().string()) == wanted)
            return entry->path();
    }
    return {};
}

bool copyFolder(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    fs::create_directories(target, error);
    if (!fs::is_directory(target, error))
        return false;
    bool ok = true;
    for (fs::directory_iterator entry(source, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const fs::path existing = existingEntry(target, name);
        if (entry->is_directory(error)) {
            ok = copyFolder(entry->path(), existing.empty() ? target / name : existing) && ok;
        } else if (entry->is_regular_file(error) && existing.empty()) {
            std::string bytes;
            ok = readFileBytes(entry->path().string(), bytes) && writeFileAtomically((target / name).string(), bytes)
                && ok;
        }
    }
    return ok && !error;
}

}  // namespace

std::string defaultInstallationFolder(const std::string& dataRoot)
{
    return windowsDriveFolder(dataRoot, 'C') + "/Ostrand/Qelm3";
}

bool copyBundledInstallation(const std::string& bundledFolder, const std::string& dataRoot)
{
    std::error_code error;
    if (!fs::is_directory(bundledFolder, error))
        return false;
    return copyFolder(bundledFolder, defaultInstallationFolder(dataRoot));
}

}  // namespace kolv
