#include "cli/Commands.h"
#include "cli/FileCommand.h"
#include "data/Cp932Text.h"
#include "data/FullWidthCheck.h"
#include "platform/Cp932Codec.h"

namespace kolv {

int runCheckCommand(const std::vector<std::string>& arguments)
{
    return runOpenedFileCommand({"check", {}, ".txt"}, arguments,
                                [](const BoringData& data, const FileTask& task, FileReport& report) {
                                    // The dialog's lines end with CR LF; a terminal's with LF.
                                    std::string text = replaceAllText(fullWidthCheckReport(data), "\r\n", "\n");
                                    if (!endsWithText(text, "\n"))
                                        text += "\n";
                                    return writeTextResult(task, cp932ToUtf8(text), report);
                                });
}

}  // namespace kolv
