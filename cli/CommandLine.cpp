#include "cli/CommandLine.h"

#include "platform/FileIo.h"

#include <iostream>
#include <unistd.h>

namespace kolv {

namespace {

bool isListed(std::string_view name, std::initializer_list<std::string_view> options)
{
    for (std::string_view option : options)
        if (option == name)
            return true;
    return false;
}

std::string executableFolder()
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0)
        return {};
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.find_last_of('/'));
}

}  // namespace

bool parseCommandArguments(const std::vector<std::string>& arguments,
                           std::initializer_list<std::string_view> valueOptions,
                           std::initializer_list<std::string_view> switchOptions, CommandArguments& parsed,
                           std::string& error)
{
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument.size() < 2 || argument[0] != '-') {
            parsed.files.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (isListed(name, valueOptions)) {
            if (equals != std::string::npos) {
                parsed.values[name] = argument.substr(equals + 1);
            } else if (index + 1 < arguments.size()) {
                parsed.values[name] = arguments[++index];
            } else {
                error = "option " + name + " needs a value";
                return false;
            }
        } else if (equals == std::string::npos && isListed(name, switchOptions)) {
            parsed.switches.insert(name);
        } else {
            error = "unknown option " + argument;
            return false;
        }
    }
    return true;
}

int usageError(std::string_view problem, std::string_view command)
{
    std::cerr << "kolv-cli: " << problem << " (see kolv-cli " << (command.empty() ? "" : std::string(command) + " ")
              << "--help)" << std::endl;
    return ExitCode::UsageError;
}

std::string installFolderFor(const CommandArguments& arguments)
{
    if (arguments.has(installDirOption))
        return arguments.value(installDirOption);
    const std::string folder = executableFolder();
    const std::string installed = folder.substr(0, folder.find_last_of('/')) + "/share/kolv/Qelm3";
    if (!folder.empty() && directoryExists(installed))
        return installed;
    return KOLV_BUNDLED_INSTALL_DIR;
}

}  // namespace kolv
