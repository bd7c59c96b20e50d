#include "cli/Commands.h"
#include "cli/FileCommand.h"
#include "formats/NativeWriter.h"

namespace kolv {

int runConvertCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {installDirOption, outputOption, outDirOption, jobsOption}, {}, parsed,
                               error))
        return usageError(error, "convert");
    return runFileCommand({"convert", "OUT.vla", ".vla"}, parsed,
                          [](const CommandSession& session, const FileTask& task, FileReport& report) {
                              LogSettings settings;
                              BoringData data;
                              const int opened = openCommandFile(session, task.input, settings, data, report);
                              if (opened != ExitCode::Success)
                                  return opened;
                              Issues issues;
                              const bool saved = saveNativeFile(data, task.output, issues);
                              showIssues(report, issues);
                              if (!saved)
                                  return ExitCode::CannotWrite;
                              report.wrote(task.output);
                              return ExitCode::Success;
                          });
}

}  // namespace kolv
