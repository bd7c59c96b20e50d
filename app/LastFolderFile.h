#pragma once
// FileV.ndx in the installation folder: the folder of the last file opened
// with the Open command (line 1, a Windows-style path without the trailing
// "\"), and a second line that is kept as it was read.
#include <string>

namespace kolv {

struct LastFolder {
    std::string folder;      // code page 932, Windows-style
    std::string secondLine;  // code page 932, as read
};

// Reads the file; a missing file gives empty lines. At most 99 bytes of a
// line are used.
LastFolder readLastFolder(const std::string& hostPath);

// Writes both lines with CR LF (line 1 cut to 500 bytes); false when the file
// cannot be written.
bool writeLastFolder(const std::string& hostPath, const LastFolder& lastFolder);

}  // namespace kolv
