#include "cli/FileCommand.h"

#include "cli/BatchRun.h"
#include "platform/FileIo.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <thread>

namespace kolv {

namespace {

constexpr int largestJobCount = 256;

int defaultJobCount()
{
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// Under --strict a file that succeeded with warnings fails.
int strictStatus(const CommandArguments& arguments, int code, FileReport& report)
{
    if (code != ExitCode::Success || report.warningCount() == 0 || !arguments.isSet(strictOption))
        return code;
    report.error("failed under --strict: " + std::to_string(report.warningCount())
                 + (report.warningCount() == 1 ? " warning" : " warnings"));
    return ExitCode::Warnings;
}

int runOneFile(const FileCommand& command, const CommandArguments& arguments, const FileAction& action)
{
    if (arguments.files.size() > 1)
        return usageError("several FILEs need --out-dir DIR", command.name);
    if (arguments.has(jobsOption))
        return usageError("-j works with --out-dir DIR", command.name);
    FileTask task{arguments.files.front(), {}};
    if (!command.requiredOutput.empty()) {
        if (!arguments.has(outputOption) || arguments.value(outputOption).empty())
            return usageError(std::string(command.name) + " needs -o " + std::string(command.requiredOutput),
                              command.name);
        task.output = arguments.value(outputOption);
        // "-o -" streams the result to standard output.
        if (task.output == standardOutputName)
            task.output = standardOutputPath;
    }
    CommandSession session;
    StderrPrompter prompter;
    const int loaded = loadCommandSession(arguments, session, prompter);
    if (loaded != ExitCode::Success)
        return loaded;
    FileReport report(task.input, true);
    report.setOutput(task.output);
    return strictStatus(arguments, action(session, task, report), report);
}

int runManyFiles(const FileCommand& command, const CommandArguments& arguments, const FileAction& action)
{
    if (arguments.has(outputOption))
        return usageError("-o names one output: with --out-dir the outputs are named after the FILEs", command.name);
    int jobs = defaultJobCount();
    if (arguments.has(jobsOption)) {
        const std::string& text = arguments.value(jobsOption);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
        if (error != std::errc() || end != text.data() + text.size() || jobs < 1 || jobs > largestJobCount)
            return usageError("-j expects a whole number from 1 to " + std::to_string(largestJobCount) + ": " + text,
                              command.name);
    }
    const std::string folder = arguments.value(outDirOption);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!directoryExists(folder)) {
        std::cerr << "kolv-cli: cannot make the output folder " << folder << ": " << writeFailureReason(folder)
                  << std::endl;
        return ExitCode::CannotWrite;
    }
    CommandSession session;
    StderrPrompter prompter;
    const int loaded = loadCommandSession(arguments, session, prompter);
    if (loaded != ExitCode::Success)
        return loaded;
    const std::vector<std::string> outputs = batchOutputNames(arguments.files, folder, command.batchExtension);
    const BatchResult result = runBatch(arguments.files, jobs, [&](std::size_t index, FileReport& report) {
        const FileTask task{arguments.files[index], outputs[index]};
        report.setOutput(task.output);
        return strictStatus(arguments, action(session, task, report), report);
    });
    return result.exitCode;
}

}  // namespace

int runFileCommand(const FileCommand& command, const CommandArguments& arguments, const FileAction& action)
{
    if (arguments.files.empty())
        return usageError("no FILE given", command.name);
    if (arguments.has(outDirOption))
        return runManyFiles(command, arguments, action);
    return runOneFile(command, arguments, action);
}

int runOpenedFileCommand(const FileCommand& command, const std::vector<std::string>& arguments,
                         const OpenedFileAction& action)
{
    CommandArguments parsed;
    std::string error;
    const bool parsedWell = command.requiredOutput.empty()
        ? parseCommandArguments(arguments, {installDirOption, outDirOption, jobsOption}, {strictOption}, parsed, error)
        : parseCommandArguments(arguments, {installDirOption, outputOption, outDirOption, jobsOption}, {strictOption},
                                parsed, error);
    if (!parsedWell)
        return usageError(error, command.name);
    return runFileCommand(
        command, parsed, [&action, &command](const CommandSession& session, const FileTask& task, FileReport& report) {
            LogSettings settings = session.settings;
            BoringData data;
            BoringData asRead;
            ViewState view;
            const int opened = openCommandFile(session, task.input, settings, data, view, paperDefaultsOf(settings),
                                               report, command.storeAsRead ? &asRead : nullptr);
            if (opened != ExitCode::Success)
                return opened;
            return action(command.storeAsRead ? asRead : data, task, report);
        });
}

int writeTextResult(const FileTask& task, const std::string& text, FileReport& report)
{
    if (task.output.empty()) {
        std::cout << text << std::flush;
        return std::cout ? ExitCode::Success : ExitCode::CannotWrite;
    }
    if (!writeFileAtomically(task.output, text)) {
        report.error("cannot write " + task.output + ": " + writeFailureReason(task.output));
        return ExitCode::CannotWrite;
    }
    report.wrote(task.output);
    return ExitCode::Success;
}

}  // namespace kolv
