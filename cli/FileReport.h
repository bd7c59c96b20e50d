#pragma once
// The messages and the written files of one input file of a command. With
// one FILE they are printed as they come; in a batch they are kept until the
// file is done and then printed together, each message line naming the file,
// so that the lines of files processed side by side never interleave.
#include "platform/Prompter.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace kolv {

class FileReport : public Prompter {
public:
    // immediate: print at once (one FILE) rather than keep for flush().
    FileReport(std::string input, bool immediate) : input_(std::move(input)), immediate_(immediate) {}

    // The system's messages (code page 932): the input path and the reason
    // are added where the text alone does not say which file or why.
    Answer show(int messageId, const std::string& text, MessageKind kind) override;

    // The command's own lines about the file (UTF-8), printed as
    // "kolv-cli: FILE: text" and "kolv-cli: FILE: warning: text".
    void error(std::string_view text);
    void warn(std::string_view text);
    // Progress within the file (pages); only printed for one FILE.
    void progress(std::string_view text);
    // A file written: its path is printed on stdout.
    void wrote(const std::string& path);

    // Warnings given so far (the system's and the command's own).
    int warningCount() const { return warningCount_; }

    // Where the command writes, so that a failed save can name it.
    void setOutput(std::string path) { output_ = std::move(path); }

    // Prints what was kept and empties it.
    void flush(std::ostream& out, std::ostream& err);

private:
    void addErrorLine(const std::string& line);

    std::string input_;
    std::string output_;
    bool immediate_;
    int warningCount_ = 0;
    std::string keptOut_;
    std::string keptErr_;
};

// Why a file cannot be written to path, in a few words ("the folder ... does
// not exist", "it is a folder", "no permission or no space").
std::string writeFailureReason(const std::string& path);

// Whether path is the file standard output writes to (/dev/stdout, or the
// file or pipe it was redirected to).
bool isStandardOutput(const std::string& path);

// Why a file cannot be read from path ("no such file", "it is a folder",
// "no permission to read it").
std::string readFailureReason(const std::string& path);

}  // namespace kolv
