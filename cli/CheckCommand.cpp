#include "cli/Commands.h"
#include "cli/FileCommand.h"
#include "data/Cp932Text.h"
#include "data/FullWidthCheck.h"
#include "platform/Cp932Codec.h"

namespace kolv {

int runCheckCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {installDirOption, outDirOption, jobsOption}, {}, parsed, error))
        return usageError(error, "check");
    return runFileCommand({"check", {}, ".txt"}, parsed,
                          [](const CommandSession& session, const FileTask& task, FileReport& report) {
                              LogSettings settings;
                              BoringData data;
                              const int opened = openCommandFile(session, task.input, settings, data, report);
                              if (opened != ExitCode::Success)
                                  return opened;
                              // The dialog's lines end with CR LF; a terminal's with LF.
                              std::string text = replaceAllText(fullWidthCheckReport(data), "\r\n", "\n");
                              if (!endsWithText(text, "\n"))
                                  text += "\n";
                              return writeTextResult(task, cp932ToUtf8(text), report);
                          });
}

}  // namespace kolv
