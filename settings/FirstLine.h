#pragma once
#include <string>

namespace kolv {

// The first line of a text file without its line end; empty when the file
// cannot be opened or its first line (line end included) has at most one byte.
std::string readFirstLine(const std::string& hostPath);

}  // namespace kolv
