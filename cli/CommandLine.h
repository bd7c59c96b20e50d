#pragma once
// What every kolv-cli command shares: exit codes, argument parsing and the
// installation folder whose settings and masters the commands use.
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

namespace ExitCode {
inline constexpr int Success = 0;
// A check that ran and found something (delivery --check).
inline constexpr int Findings = 1;
inline constexpr int UsageError = 2;
inline constexpr int CannotOpen = 3;
inline constexpr int NotRecognised = 4;
inline constexpr int CannotWrite = 5;
// With --strict: the file was read or written with warnings.
inline constexpr int Warnings = 6;
}  // namespace ExitCode

// A command takes the arguments that follow its name and returns the exit code.
using CommandFunction = int (*)(const std::vector<std::string>& arguments);

inline constexpr std::string_view installDirOption = "--install-dir";

struct CommandArguments {
    std::vector<std::string> files;             // arguments that are no option
    std::map<std::string, std::string> values;  // option name -> value ("-o" -> "out.vla")
    std::set<std::string> switches;             // options without a value that were given

    bool has(std::string_view option) const { return values.count(std::string(option)) > 0; }
    const std::string& value(std::string_view option) const { return values.at(std::string(option)); }
    bool isSet(std::string_view option) const { return switches.count(std::string(option)) > 0; }
};

// Splits the arguments into files and the options the command knows: those
// taking a value ("-o OUT", "--dpi 150" or "--dpi=150") and switches. An
// unknown option or a missing value is an error, described in error.
bool parseCommandArguments(const std::vector<std::string>& arguments,
                           std::initializer_list<std::string_view> valueOptions,
                           std::initializer_list<std::string_view> switchOptions, CommandArguments& parsed,
                           std::string& error);

// Prints "kolv-cli: <problem>" and where the usage is explained, one line on
// stderr, and returns ExitCode::UsageError. With a command the hint names
// that command's help.
int usageError(std::string_view problem, std::string_view command = {});

// The installation folder to use: --install-dir when given, else the bundled
// reference data (share/kolv/Qelm3 beside the installed program, else the
// folder of the source tree).
std::string installFolderFor(const CommandArguments& arguments);

}  // namespace kolv
