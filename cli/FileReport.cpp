#include "cli/FileReport.h"

#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace kolv {

namespace {

// The ids of the reading and saving messages whose text alone names no file
// or no reason.
const int fileNotFoundId = messageId(Message::FileNotFound);
const int cannotOpenId = messageId(Message::CannotOpen);
const int saveFailedId = messageId(Message::SaveFailed);

std::string parentFolderOf(const std::string& path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

std::string writeFailureReason(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return "it is a folder";
    const std::string folder = parentFolderOf(path);
    if (!std::filesystem::exists(folder, error))
        return "the folder " + folder + " does not exist";
    if (!std::filesystem::is_directory(folder, error))
        return folder + " is not a folder";
    return "no permission to write there, or no space left";
}

bool isStandardOutput(const std::string& path)
{
    struct stat written {};
    struct stat standardOutput {};
    return stat(path.c_str(), &written) == 0 && fstat(STDOUT_FILENO, &standardOutput) == 0
        && written.st_dev == standardOutput.st_dev && written.st_ino == standardOutput.st_ino;
}

std::string readFailureReason(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return "it is a folder, not a file";
    if (!std::filesystem::exists(path, error))
        return "no such file";
    return "no permission to read it";
}

Answer FileReport::show(int messageId, const std::string& text, MessageKind kind)
{
    std::string line = cp932ToUtf8(text);
    // The window's hint at its own menu becomes the command that reads a delivery.
    const bool managementFile = text == messageText(Message::CannotOpenDeliveryFile);
    if (managementFile)
        line = line.substr(0, line.find('\n'));
    if (kind == MessageKind::Warning)
        ++warningCount_;
    if (messageId == cannotOpenId)
        line += (immediate_ ? " ( " + input_ + " )" : std::string()) + ": the format is not recognised"
            + (managementFile ? ": it is the folder management file of an electronic delivery; kolv-cli delivery "
                                "FOLDER renders and checks its boreholes"
                              : "");
    else if (messageId == fileNotFoundId && line.find(input_) != std::string::npos)
        line += ": " + readFailureReason(input_);
    else if (messageId == saveFailedId && !output_.empty())
        line += " ( " + output_ + " ): " + writeFailureReason(output_);
    // A message that does not name the file (a warning of the reader, of the
    // drawing) is led by it.
    if (line.find(input_) == std::string::npos)
        line = "kolv-cli: " + input_ + ": " + line;
    addErrorLine(line);
    return kind == MessageKind::Question ? Answer::Yes : Answer::Ok;
}

void FileReport::error(std::string_view text)
{
    addErrorLine("kolv-cli: " + input_ + ": " + std::string(text));
}

void FileReport::warn(std::string_view text)
{
    ++warningCount_;
    addErrorLine("kolv-cli: " + input_ + ": warning: " + std::string(text));
}

void FileReport::progress(std::string_view text)
{
    if (immediate_)
        std::cerr << text << std::endl;
}

void FileReport::wrote(const std::string& path)
{
    // The bytes written to standard output are the result: a path printed
    // after them would become part of it.
    if (isStandardOutput(path))
        return;
    if (immediate_)
        std::cout << path << std::endl;
    else
        keptOut_ += path + "\n";
}

void FileReport::addErrorLine(const std::string& line)
{
    if (immediate_) {
        std::cerr << line << std::endl;
        return;
    }
    // One line a message, led by the file it is about.
    const std::string lead = "kolv-cli: " + input_ + ": ";
    std::string kept = line.compare(0, lead.size(), lead) == 0 ? line : lead + line;
    for (char& c : kept)
        if (c == '\n' || c == '\r')
            c = ' ';
    keptErr_ += kept + "\n";
}

void FileReport::flush(std::ostream& out, std::ostream& err)
{
    out << keptOut_ << std::flush;
    err << keptErr_ << std::flush;
    keptOut_.clear();
    keptErr_.clear();
}

}  // namespace kolv
