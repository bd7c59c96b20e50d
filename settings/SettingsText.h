#pragma once
// Line handling shared by the readers and writers of the settings and master
// files. Lines are read whole, never in pieces, and lose only a real line end.
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

// The lines of a settings or master file without their line ends (CR LF or
// LF). A line ends at a NUL byte, as it always did for the programs that
// read these files as C strings.
std::vector<std::string> settingsLines(std::string_view bytes);

// Reads a file into settingsLines; false when it cannot be read.
bool readSettingsLines(const std::string& hostPath, std::vector<std::string>& lines);

// The text as one line of a line-oriented file: CR and LF become a blank
// and the text ends at a NUL byte, so no value can shift the lines after it.
std::string oneLineText(std::string_view text);

// One CSV field that reads back as it was written: on one line, a double
// quote written as "＂" and the whole between double quotes when it holds a
// comma.
std::string csvFieldText(std::string_view text);

}  // namespace kolv
