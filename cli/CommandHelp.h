#pragma once
// The help of kolv-cli: the usage of every command with its options, their
// defaults and the names of the files written; and the program's version.
#include <ostream>
#include <string_view>
#include <vector>

namespace kolv {

// The whole usage: every command of commandNames, the common options and
// the exit status.
void printUsage(std::ostream& out, const std::vector<std::string_view>& commandNames);

// The help of one command; false when the command has none.
bool printCommandHelp(std::ostream& out, std::string_view command);

// "kolv-cli <version>".
void printVersion(std::ostream& out);

}  // namespace kolv
