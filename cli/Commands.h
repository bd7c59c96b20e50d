#pragma once
// The commands of kolv-cli that read documents without drawing them. Each
// takes one FILE, or many with --out-dir DIR (one output per FILE).
#include <string>
#include <vector>

namespace kolv {

// dump FILE: the store right after reading, as JSON on stdout.
int runDumpCommand(const std::vector<std::string>& arguments);

// convert FILE -o OUT.vla: reads as the Open command does and saves natively.
int runConvertCommand(const std::vector<std::string>& arguments);

// check FILE: the full-width alphanumeric report on stdout.
int runCheckCommand(const std::vector<std::string>& arguments);

// export-xml FILE... -o OUT.XML | --out-dir DIR: writes exchange files.
int runExportXmlCommand(const std::vector<std::string>& arguments);

}  // namespace kolv
