#include "cli/BatchProgress.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>

namespace kolv {

namespace {

constexpr int barWidth = 30;
constexpr int plainLineCount = 100;
constexpr auto redrawInterval = std::chrono::milliseconds(100);

}  // namespace

BatchProgress::BatchProgress(std::ostream& out, int total, bool terminal)
    : out_(out), total_(total), terminal_(terminal), start_(std::chrono::steady_clock::now()), lastDrawn_(start_)
{}

double BatchProgress::elapsedSeconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void BatchProgress::fileDone()
{
    ++done_;
    if (terminal_) {
        const auto now = std::chrono::steady_clock::now();
        if (done_ == total_ || !barShown_ || now - lastDrawn_ >= redrawInterval) {
            lastDrawn_ = now;
            print();
        }
    } else if (done_ >= nextPlainLine_ || done_ == total_) {
        nextPlainLine_ = done_ + std::max(1, total_ / plainLineCount);
        print();
    }
}

void BatchProgress::print()
{
    const double seconds = elapsedSeconds();
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f", seconds > 0 ? done_ / seconds : 0.0);
    const std::string counts = std::to_string(done_) + "/" + std::to_string(total_) + " files, " + rate + " files/s";
    if (!terminal_) {
        out_ << "kolv-cli: " << counts << std::endl;
        return;
    }
    const int filled = total_ > 0 ? done_ * barWidth / total_ : barWidth;
    out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(barWidth - filled), '.') << "] " << counts << "\033[K" << std::flush;
    barShown_ = true;
}

void BatchProgress::clearLine()
{
    if (barShown_)
        out_ << "\r\033[K" << std::flush;
    barShown_ = false;
}

void BatchProgress::finish()
{
    if (barShown_)
        out_ << "\n" << std::flush;
    barShown_ = false;
}

}  // namespace kolv
