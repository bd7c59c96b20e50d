#include "cli/CommandDocument.h"
#include "cli/Commands.h"
#include "cli/JsonDump.h"

#include <iostream>

namespace kolv {

int runDumpCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {installDirOption}, {}, parsed, error))
        return usageError(error);
    LogSettings settings;
    BoringData data;
    StderrPrompter prompter;
    const int opened = openCommandDocument(parsed, settings, data, prompter);
    if (opened != ExitCode::Success)
        return opened;
    std::cout << dumpJson(data) << std::flush;
    return std::cout ? ExitCode::Success : ExitCode::CannotWrite;
}

}  // namespace kolv
