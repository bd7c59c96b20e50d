#include "SettingsTestSupport.h"

#include <filesystem>

namespace kolv::test {

InstallationFixture::InstallationFixture()
{
    std::filesystem::create_directories(folder());
}

LogSettings InstallationFixture::settings() const
{
    LogSettings settings;
    settings.dataRoot = root.path();
    settings.installFolderOverride = folder();
    return settings;
}

void InstallationFixture::writeLines(std::string_view name, const std::vector<std::string>& lines) const
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    writeFile(file(name), bytes);
}

std::vector<std::string> emptySettingsLines()
{
    std::vector<std::string> lines(121);
    lines[0] = "502";
    return lines;
}

}  // namespace kolv::test
