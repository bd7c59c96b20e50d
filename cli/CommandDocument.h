#pragma once
// Reading the documents of a command: the settings, masters and fonts of the
// installation folder once, then each file as the window opens it (the
// reading of the Open command and the after-change step).
#include "cli/CommandLine.h"
#include "cli/FileReport.h"
#include "data/BoringData.h"
#include "document/ViewState.h"
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

// The sheet of the settings' paper defaults (A3 or A4, portrait or
// landscape): the command line's stand-in for the default printer.
PaperSize paperDefaultsOf(const LogSettings& settings);

// Opens one file as the window opens it, with settings (a copy of the
// session's, which the command may have given its own scales) and the paper
// of the command's printer. asRead, when given, receives the store as read,
// before the after-change step. Returns ExitCode::Success, or the exit code
// of the failure after its message (a folder is reported as a folder, not as
// a missing file).
int openCommandFile(const CommandSession& session, const std::string& path, LogSettings& settings, BoringData& data,
                    ViewState& view, const PaperSize& paper, FileReport& report, BoringData* asRead = nullptr);

}  // namespace kolv
