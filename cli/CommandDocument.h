#pragma once
// Reading the documents of a command: the settings, masters and fonts of the
// installation folder once, then each file as the Open command reads it.
#include "cli/CommandLine.h"
#include "cli/FileReport.h"
#include "data/BoringData.h"
#include "platform/Prompter.h"
#include "settings/LogSettings.h"

#include <string>

namespace kolv {

// What every file of one run of a command starts from.
struct CommandSession {
    LogSettings settings;  // loaded: Sys.ndx, colour table, soil-name master, fonts
    BoringData blank;      // an empty document holding the settings' option defaults
};

// Loads the settings of the command's installation folder. A folder that
// does not exist is a usage error (the returned exit code); missing files in
// it are reported through the prompter and leave their defaults, as in the
// window.
int loadCommandSession(const CommandArguments& arguments, CommandSession& session, Prompter& prompter);

// Opens one file with a copy of the session's settings. Returns
// ExitCode::Success, or the exit code of the failure after its message (a
// folder is reported as a folder, not as a missing file).
int openCommandFile(const CommandSession& session, const std::string& path, LogSettings& settings, BoringData& data,
                    FileReport& report);

}  // namespace kolv
