#include "cli/BatchRun.h"

#include "cli/BatchProgress.h"
#include "cli/CommandLine.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <set>
#include <thread>
#include <unistd.h>

namespace kolv {

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::vector<std::string> batchOutputNames(const std::vector<std::string>& inputs, const std::string& folder,
                                          std::string_view extension)
{
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const std::string& input : inputs) {
        std::string stem = std::filesystem::path(input).stem().string();
        if (stem.empty() || stem == "." || stem == "..")
            stem = "output";
        std::string name = stem;
        for (int suffix = 2; !taken.insert(lowerCase(name)).second; ++suffix)
            name = stem + "_" + std::to_string(suffix);
        names.push_back((std::filesystem::path(folder) / (name + std::string(extension))).string());
    }
    return names;
}

BatchResult runBatch(const std::vector<std::string>& inputs, int jobs,
                     const std::function<int(std::size_t index, FileReport& report)>& process)
{
    const std::size_t count = inputs.size();
    std::vector<int> codes(count, ExitCode::Success);
    std::vector<char> warned(count, 0);
    std::mutex printing;
    BatchProgress progress(std::cerr, static_cast<int>(count), isatty(STDERR_FILENO) != 0);
    std::atomic<std::size_t> next{0};

    const auto work = [&] {
        for (std::size_t index = next++; index < count; index = next++) {
            FileReport report(inputs[index], false);
            int code = ExitCode::CannotOpen;
            try {
                code = process(index, report);
            } catch (const std::exception& error) {
                report.error(std::string("stopped: ") + error.what());
            }
            const std::lock_guard<std::mutex> lock(printing);
            codes[index] = code;
            warned[index] = report.warningCount() > 0;
            progress.clearLine();
            report.flush(std::cout, std::cerr);
            progress.fileDone();
        }
    };
    const int threads = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(std::max(jobs, 1)), count));
    std::vector<std::thread> workers;
    for (int thread = 1; thread < threads; ++thread)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
    progress.finish();

    BatchResult result;
    result.seconds = progress.elapsedSeconds();
    for (std::size_t index = 0; index < count; ++index) {
        const int code = codes[index];
        if (code == ExitCode::Success) {
            result.warned += warned[index];
            continue;
        }
        ++result.failed;
        if (result.exitCode == ExitCode::Success)
            result.exitCode = code;
    }
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f s, %.1f files/s", result.seconds,
                  result.seconds > 0 ? count / result.seconds : 0.0);
    std::cerr << "kolv-cli: " << count - static_cast<std::size_t>(result.failed) << " of " << count << " files done";
    if (result.failed > 0)
        std::cerr << ", " << result.failed << " failed (exit status " << result.exitCode << " of the first)";
    if (result.warned > 0)
        std::cerr << ", " << result.warned << " done with warnings";
    std::cerr << " in " << rate << std::endl;
    return result;
}

}  // namespace kolv
