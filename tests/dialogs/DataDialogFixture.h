#pragma once
// Settings for the data-dialog tests: the Windows drive C: in a temporary
// folder, with short-text masters written there on request.
#include "settings/LogSettings.h"
#include "settings/ShortTextMaster.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <string>

namespace kolv::test {

class DialogSettings {
public:
    DialogSettings()
    {
        settings.dataRoot = folder.path();
        std::filesystem::create_directories(folder.path() + "/drive_c");
    }
    // Writes the master (UTF-8 lines, one a line) and points the settings at it.
    void writeMaster(ShortTextMasterKind kind, const std::string& utf8Lines)
    {
        const ShortTextMasterInfo& info = shortTextMasterInfo(kind);
        settings.*info.pathField = "C:\\" + std::string(info.fileName);
        writeFile(folder.path() + "/drive_c/" + std::string(info.fileName), sjis(utf8Lines));
    }

    TemporaryFolder folder;
    LogSettings settings;
};

}  // namespace kolv::test
