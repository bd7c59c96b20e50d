// kolv-cli: reads, converts, checks and renders boring-log documents in batch.
#include "cli/CommandHelp.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DeliveryCommand.h"
#include "cli/GeoJsonCommand.h"
#include "cli/RenderCommand.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Command {
    std::string_view name;
    kolv::CommandFunction run;
};

// One line per command.
constexpr Command commands[] = {
    {"dump", kolv::runDumpCommand},
    {"convert", kolv::runConvertCommand},
    {"check", kolv::runCheckCommand},
    {"render", kolv::runRenderCommand},
    {"export-xml", kolv::runExportXmlCommand},
    {"delivery", kolv::runDeliveryCommand},
    {"geojson", kolv::runGeoJsonCommand},
};

std::vector<std::string_view> commandNames()
{
    std::vector<std::string_view> names;
    for (const Command& command : commands)
        names.push_back(command.name);
    return names;
}

const Command* commandNamed(std::string_view name)
{
    for (const Command& command : commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

bool isHelpOption(std::string_view argument)
{
    return argument == "--help" || argument == "-h";
}

// help [COMMAND]: the whole usage, or one command's.
int showHelp(std::string_view topic)
{
    if (topic.empty()) {
        kolv::printUsage(std::cout, commandNames());
        return kolv::ExitCode::Success;
    }
    if (!commandNamed(topic))
        return kolv::usageError("unknown command " + std::string(topic));
    if (!kolv::printCommandHelp(std::cout, topic))
        kolv::printUsage(std::cout, commandNames());
    return kolv::ExitCode::Success;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return kolv::usageError("no command given; usage: kolv-cli COMMAND FILE [options]");
    const std::string_view name = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    if (isHelpOption(name) || name == "help")
        return showHelp(name == "help" && !arguments.empty() ? std::string_view(arguments.front())
                                                             : std::string_view());
    if (name == "--version") {
        kolv::printVersion(std::cout);
        return kolv::ExitCode::Success;
    }
    const Command* command = commandNamed(name);
    if (!command)
        return kolv::usageError("unknown command " + std::string(name));
    if (std::any_of(arguments.begin(), arguments.end(), isHelpOption))
        return showHelp(name);
    return command->run(arguments);
}
