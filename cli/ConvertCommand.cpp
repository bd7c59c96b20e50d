#include "cli/Commands.h"
#include "cli/FileCommand.h"
#include "formats/NativeWriter.h"

namespace kolv {

int runConvertCommand(const std::vector<std::string>& arguments)
{
    return runOpenedFileCommand({"convert", "OUT.vla", ".vla"}, arguments,
                                [](const BoringData& data, const FileTask& task, FileReport& report) {
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
