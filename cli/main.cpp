// kolv-cli: reads, converts, checks and renders boring-log documents in batch.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/RenderCommand.h"

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
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return kolv::usageError("no command given");
    const std::string_view name = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    for (const Command& command : commands)
        if (command.name == name)
            return command.run(arguments);
    return kolv::usageError("unknown command " + std::string(name));
}
