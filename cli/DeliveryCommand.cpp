#include "cli/DeliveryCommand.h"

#include "cli/BatchRun.h"
#include "cli/DeliveryReport.h"
#include "cli/RenderCommand.h"
#include "data/Fields.h"
#include "formats/DeliveryCheck.h"
#include "formats/DeliveryConsistency.h"
#include "formats/DeliveryFolder.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>
#include <thread>

namespace kolv {

namespace {

constexpr std::string_view outOption = "--out";
constexpr std::string_view forceOption = "--force";
constexpr std::string_view checkOption = "--check";
constexpr int largestJobCount = 256;

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The PDF of entry index: the name BORING.XML gives, else BRGnnnn.PDF by
// its place in the list.
std::string logNameOf(const DeliveryBorehole& borehole, std::size_t index)
{
    if (isPlainFileName(borehole.logFileName))
        return borehole.logFileName;
    char name[32];
    std::snprintf(name, sizeof name, "BRG%04zu.PDF", index + 1);
    return name;
}

// Where the PDFs go: --out, else the delivery's LOG folder (as it is spelt
// there, else made as "LOG").
std::string outputFolderOf(const CommandArguments& arguments, const DeliveryFolder& delivery)
{
    if (arguments.has(outOption))
        return arguments.value(outOption);
    const std::string existing = findEntryIgnoringCase(delivery.folder, deliveryLogFolderName);
    return existing.empty() ? (std::filesystem::path(delivery.folder) / deliveryLogFolderName).string() : existing;
}

int readDelivery(const std::string& path, DeliveryFolder& delivery)
{
    std::string error;
    const DeliveryReadStatus status = readDeliveryFolder(path, delivery, error);
    if (status == DeliveryReadStatus::Read)
        return ExitCode::Success;
    std::cerr << "kolv-cli: " << error << std::endl;
    return status == DeliveryReadStatus::NoManagementFile ? ExitCode::CannotOpen : ExitCode::NotRecognised;
}

struct DeliveryRun {
    const CommandArguments& arguments;
    const DeliveryFolder& delivery;
    std::string outputFolder;
    bool force = false;
};

// Draws one borehole's log; fills its row of the report.
int renderBorehole(const DeliveryRun& run, const CommandSession& session, std::size_t index, const std::string& logName,
                   bool nameTaken, FileReport& report, DeliveryLogRow& row)
{
    const DeliveryBorehole& borehole = run.delivery.boreholes[index];
    row.problems = borehole.problems;
    if (borehole.exchangeFilePath.empty()) {
        row.outcome = "failed";
        for (const std::string& problem : borehole.problems)
            report.error(problem);
        return ExitCode::CannotOpen;
    }
    LogSettings settings = session.settings;
    BoringData data;
    ViewState view;
    const int opened =
        openCommandFile(session, borehole.exchangeFilePath, settings, data, view, paperDefaultsOf(settings), report);
    if (opened != ExitCode::Success) {
        row.outcome = "failed";
        row.problems.push_back("the exchange file cannot be read as a log");
        return opened;
    }
    for (const std::string& difference : compareWithEntry(borehole, data))
        row.problems.push_back(difference);
    row.name = cp932ToUtf8(data.headingLine(HeadingLine::BoringName));
    if (row.name.empty())
        row.name = borehole.name;

    const std::string target = (std::filesystem::path(run.outputFolder) / logName).string();
    FileTask task{borehole.exchangeFilePath, target};
    row.outcome = "written";
    if (nameTaken) {
        row.problems.push_back("the log name " + logName + " is given to an earlier borehole too: not written");
        report.warn(row.problems.back());
        task.output.clear();
        row.outcome = "failed";
    } else if (!run.force && std::filesystem::exists(target)) {
        report.warn(target + " exists and is kept (--force replaces it)");
        task.output.clear();
        row.outcome = "kept";
    }
    RenderedLog rendered;
    const int code = renderLogPdf(session, task, report, rendered);
    row.depth = rendered.depth;
    row.layers = rendered.layers;
    row.tests = rendered.tests;
    row.pages = rendered.pages;
    row.thumbnailPng = std::move(rendered.thumbnailPng);
    if (code != ExitCode::Success)
        row.outcome = "failed";
    if (nameTaken)
        return ExitCode::CannotWrite;
    return code;
}

int renderDelivery(const CommandArguments& arguments, const DeliveryFolder& delivery)
{
    int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (arguments.has(jobsOption)) {
        const std::string& text = arguments.value(jobsOption);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
        if (error != std::errc() || end != text.data() + text.size() || jobs < 1 || jobs > largestJobCount)
            return usageError("-j expects a whole number from 1 to " + std::to_string(largestJobCount) + ": " + text,
                              "delivery");
    }
    DeliveryRun run{arguments, delivery, outputFolderOf(arguments, delivery), arguments.isSet(forceOption)};
    std::error_code error;
    std::filesystem::create_directories(run.outputFolder, error);
    if (!directoryExists(run.outputFolder)) {
        std::cerr << "kolv-cli: cannot make the output folder " << run.outputFolder << ": "
                  << writeFailureReason(run.outputFolder) << std::endl;
        return ExitCode::CannotWrite;
    }
    CommandSession session;
    StderrPrompter prompter;
    const int loaded = loadCommandSession(arguments, session, prompter);
    if (loaded != ExitCode::Success)
        return loaded;

    const std::size_t count = delivery.boreholes.size();
    std::vector<std::string> inputs;
    std::vector<std::string> logNames;
    std::vector<bool> namesTaken;
    std::set<std::string> taken;
    std::vector<DeliveryLogRow> rows(count);
    for (std::size_t index = 0; index < count; ++index) {
        const DeliveryBorehole& borehole = delivery.boreholes[index];
        inputs.push_back(
            borehole.exchangeFilePath.empty()
                ? (std::filesystem::path(delivery.folder) / deliveryDataFolderName / borehole.exchangeFileName).string()
                : borehole.exchangeFilePath);
        logNames.push_back(logNameOf(borehole, index));
        namesTaken.push_back(!taken.insert(lowerCase(logNames.back())).second);
        rows[index].serial = borehole.serial;
        rows[index].name = borehole.name;
        rows[index].exchangeFile = borehole.exchangeFileName;
        rows[index].logFile = logNames.back();
    }
    const BatchResult result = runBatch(inputs, jobs, [&](std::size_t index, FileReport& report) {
        return renderBorehole(run, session, index, logNames[index], namesTaken[index], report, rows[index]);
    });

    std::cout << '\n';
    printDeliveryReport(std::cout, rows);
    const std::string reportPath = (std::filesystem::path(run.outputFolder) / "report.html").string();
    if (!writeFileAtomically(reportPath, deliveryReportHtml(delivery, rows))) {
        std::cerr << "kolv-cli: cannot write " << reportPath << ": " << writeFailureReason(reportPath) << std::endl;
        return result.exitCode == ExitCode::Success ? ExitCode::CannotWrite : result.exitCode;
    }
    std::cout << reportPath << std::endl;
    return result.exitCode;
}

// Prints every finding as "FILE: finding" on stdout; 0 when there is none, 1 else.
int checkDeliveryFolder(const CommandArguments& arguments, const DeliveryFolder& delivery)
{
    CommandSession session;
    StderrPrompter prompter;
    const int loaded = loadCommandSession(arguments, session, prompter);
    if (loaded != ExitCode::Success)
        return loaded;
    const std::vector<DeliveryFinding> findings = checkDelivery(delivery, session.settings.soilNameMaster);
    std::set<std::string> files;
    for (const DeliveryFinding& finding : findings) {
        std::cout << finding.file << ": " << finding.text << '\n';
        files.insert(finding.file);
    }
    std::cout.flush();
    std::cerr << "kolv-cli: " << delivery.folder << ": " << delivery.boreholes.size() << " boreholes checked, ";
    if (findings.empty())
        std::cerr << "no findings" << std::endl;
    else
        std::cerr << findings.size() << (findings.size() == 1 ? " finding" : " findings") << " in " << files.size()
                  << (files.size() == 1 ? " file" : " files") << std::endl;
    return findings.empty() ? ExitCode::Success : ExitCode::Findings;
}

}  // namespace

int runDeliveryCommand(const std::vector<std::string>& arguments)
{
    CommandArguments parsed;
    std::string error;
    if (!parseCommandArguments(arguments, {outOption, jobsOption, installDirOption}, {forceOption, checkOption}, parsed,
                               error))
        return usageError(error, "delivery");
    if (parsed.files.size() != 1)
        return usageError(parsed.files.empty() ? "no FOLDER given" : "delivery takes one FOLDER", "delivery");
    const bool check = parsed.isSet(checkOption);
    if (check && (parsed.has(outOption) || parsed.isSet(forceOption) || parsed.has(jobsOption)))
        return usageError("--check writes nothing: it goes without --out, --force and -j", "delivery");
    DeliveryFolder delivery;
    const int read = readDelivery(parsed.files.front(), delivery);
    if (read != ExitCode::Success)
        return read;
    if (check)
        return checkDeliveryFolder(parsed, delivery);
    return runWithDrawing([&] { return renderDelivery(parsed, delivery); });
}

}  // namespace kolv
