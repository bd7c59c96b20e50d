#pragma once
// Many files of one command processed side by side: the output names, the
// worker threads, the progress on stderr and the closing summary.
#include "cli/FileReport.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

// DIR/NAME.EXT for every input, NAME being the input's file name without its
// extension. Inputs that would share a name (without regard to case, so that
// the names stay apart on every file system) get NAME_2, NAME_3, ... in
// argument order.
std::vector<std::string> batchOutputNames(const std::vector<std::string>& inputs, const std::string& folder,
                                          std::string_view extension);

struct BatchResult {
    int exitCode = 0;  // 0, or the code of the first input that failed
    int failed = 0;
    int warned = 0;  // files that succeeded with warnings
    double seconds = 0.0;
};

// Runs process for inputs 0 .. count-1 on `jobs` threads. Each file's report
// is printed when the file is done; the progress line (a bar on a terminal,
// plain lines otherwise) and the closing summary go to stderr.
BatchResult runBatch(const std::vector<std::string>& inputs, int jobs,
                     const std::function<int(std::size_t index, FileReport& report)>& process);

}  // namespace kolv
