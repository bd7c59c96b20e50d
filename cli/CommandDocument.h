#pragma once
// Reading the document of a command: the settings and masters of the
// installation folder, then the file as the Open command reads it.
#include "cli/CommandLine.h"
#include "data/BoringData.h"
#include "platform/Prompter.h"
#include "settings/LogSettings.h"

#include <string>

namespace kolv {

// Loads the settings of the command's installation folder into settings and
// the option defaults into data. A folder that does not exist is a usage
// error (the returned exit code); missing files in it are reported through
// the prompter and leave their defaults, as in the window.
int loadCommandSettings(const CommandArguments& arguments, LogSettings& settings, BoringData& data,
                        Prompter& prompter);

// Loads the settings, then opens the command's one FILE. Returns
// ExitCode::Success, or the exit code of the failure after its message.
int openCommandDocument(const CommandArguments& arguments, LogSettings& settings, BoringData& data,
                        Prompter& prompter);

}  // namespace kolv
