#pragma once
// The progress of a batch on stderr: files done of the total and files per
// second, as a bar redrawn in place on a terminal and as plain lines (at most
// about a hundred) when stderr is a file or a pipe.
#include <chrono>
#include <iosfwd>

namespace kolv {

class BatchProgress {
public:
    BatchProgress(std::ostream& out, int total, bool terminal);

    // One more file is done; prints the progress when it is due.
    void fileDone();
    // Takes the bar off the line so that a message can be printed.
    void clearLine();
    // Seconds since the start.
    double elapsedSeconds() const;
    // Ends the bar's line.
    void finish();

private:
    void print();

    std::ostream& out_;
    int total_;
    bool terminal_;
    int done_ = 0;
    int nextPlainLine_ = 0;
    bool barShown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDrawn_;
};

}  // namespace kolv
