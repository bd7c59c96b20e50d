#include "cli/Commands.h"
#include "cli/FileCommand.h"
#include "cli/JsonDump.h"

namespace kolv {

int runDumpCommand(const std::vector<std::string>& arguments)
{
    return runOpenedFileCommand({"dump", {}, ".json", true}, arguments,
                                [](const BoringData& data, const FileTask& task, FileReport& report) {
                                    return writeTextResult(task, dumpJson(data), report);
                                });
}

}  // namespace kolv
