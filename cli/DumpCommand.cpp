#include "cli/Commands.h"
#include "cli/FileCommand.h"
#include "cli/JsonDump.h"

namespace kolv {

int runDumpCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {installDirOption, outDirOption, jobsOption}, {}, parsed, error))
        return usageError(error, "dump");
    return runFileCommand({"dump", {}, ".json"}, parsed,
                          [](const CommandSession& session, const FileTask& task, FileReport& report) {
                              LogSettings settings;
                              BoringData data;
                              const int opened = openCommandFile(session, task.input, settings, data, report);
                              if (opened != ExitCode::Success)
                                  return opened;
                              return writeTextResult(task, dumpJson(data), report);
                          });
}

}  // namespace kolv
