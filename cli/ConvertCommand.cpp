#include "cli/CommandDocument.h"
#include "cli/Commands.h"
#include "formats/NativeWriter.h"

namespace kolv {

int runConvertCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {installDirOption, "-o"}, {}, parsed, error))
        return usageError(error);
    if (!parsed.has("-o") || parsed.value("-o").empty())
        return usageError("convert needs -o OUT.vla");
    LogSettings settings;
    BoringData data;
    StderrPrompter prompter;
    const int opened = openCommandDocument(parsed, settings, data, prompter);
    if (opened != ExitCode::Success)
        return opened;
    return saveNativeFile(data, parsed.value("-o"), prompter) ? ExitCode::Success : ExitCode::CannotWrite;
}

}  // namespace kolv
