#pragma once
// The frame of the commands that take files: one FILE with -o OUT (or stdout),
// or many FILEs with --out-dir DIR processed side by side on -j N threads.
// It checks the file arguments, loads the installation folder's settings,
// masters and fonts once, and runs the command's action for every file.
#include "cli/CommandDocument.h"
#include "cli/CommandLine.h"
#include "cli/FileReport.h"

#include <functional>
#include <string>
#include <string_view>

namespace kolv {

inline constexpr std::string_view outputOption = "-o";
inline constexpr std::string_view outDirOption = "--out-dir";
inline constexpr std::string_view jobsOption = "-j";
// A file read or written with warnings (a damaged exchange file, rows past a
// table's capacity, values the output cannot hold) fails the command.
inline constexpr std::string_view strictOption = "--strict";
// "-o -": the result goes to standard output, written where it stands (a
// pipe, a terminal, a file the shell opened), through this path.
inline constexpr std::string_view standardOutputName = "-";
inline constexpr std::string_view standardOutputPath = "/dev/stdout";

// One input file and where its result goes: the -o path, the name made for
// it in --out-dir, or empty for stdout.
struct FileTask {
    std::string input;
    std::string output;
};

// Processes one file; returns its exit code. Runs on worker threads in a
// batch: it must touch nothing but the session (read only), the task and
// the report.
using FileAction = std::function<int(const CommandSession& session, const FileTask& task, FileReport& report)>;

struct FileCommand {
    std::string_view name;
    // The -o OUT one FILE needs ("OUT.vla"); empty when the result goes to stdout.
    std::string_view requiredOutput;
    // The extension of the outputs in --out-dir (".vla").
    std::string_view batchExtension;
    // The action gets the store as read, before the after-change step that
    // the window applies (dump shows what the file holds).
    bool storeAsRead = false;
};

// Runs the command on the parsed arguments (which must have accepted -o,
// --out-dir, -j and --install-dir). Returns the exit code: that of the one
// FILE, or in a batch 0 when every file succeeded, else the code of the
// first file (in argument order) that failed.
int runFileCommand(const FileCommand& command, const CommandArguments& arguments, const FileAction& action);

// What a command does with one file opened as the window opens it.
using OpenedFileAction = std::function<int(const BoringData& data, const FileTask& task, FileReport& report)>;

// The whole of a command that takes only the file options: parses them
// (-o only when the command writes a file of its own), opens every FILE
// and runs the action on what was read.
int runOpenedFileCommand(const FileCommand& command, const std::vector<std::string>& arguments,
                         const OpenedFileAction& action);

// Writes a command's text result to the task's output, or to stdout when it
// has none; a failed write is reported with the path and the reason.
int writeTextResult(const FileTask& task, const std::string& text, FileReport& report);

}  // namespace kolv
