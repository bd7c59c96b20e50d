#include "cli/CommandDocument.h"
#include "cli/Commands.h"
#include "data/Cp932Text.h"
#include "data/FullWidthCheck.h"
#include "platform/Cp932Codec.h"

#include <iostream>

namespace kolv {

int runCheckCommand(const std::vector<std::string>& arguments)
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
    // The dialog's lines end with CR LF; a terminal's with LF.
    std::string report = replaceAllText(fullWidthCheckReport(data), "\r\n", "\n");
    if (!endsWithText(report, "\n"))
        report += "\n";
    std::cout << cp932ToUtf8(report) << std::flush;
    return std::cout ? ExitCode::Success : ExitCode::CannotWrite;
}

}  // namespace kolv
