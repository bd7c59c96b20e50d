#pragma once
// Helpers shared by the test programs: temporary folders (tests never write
// anywhere else), code-page-932 literals from UTF-8, the corpus location and
// the prompter that records messages.
#include "support/RecordingPrompter.h"

#include <string>
#include <string_view>

namespace kolv::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

// Code page 932 bytes of a UTF-8 literal, so tests can be written readably.
std::string sjis(std::string_view utf8);

// The public exchange files; fails the test run under CI=true when missing.
std::string corpusDir();
bool corpusAvailable();

std::string readFile(const std::string& path);
void writeFile(const std::string& path, std::string_view bytes);

}  // namespace kolv::test
