#pragma once
// The reading half of opening a document: detection over the first lines,
// clearing the store, dispatching every line, post-processing.
#include "data/BoringData.h"
#include "platform/Issue.h"
#include "settings/SoilNameMaster.h"

#include <string>

namespace kolv {

enum class OpenStatus { Opened, CannotOpen, NotRecognised };

struct OpenOptions {
    // Lines offered to detection: 7 for the Open command, 6 when a file is
    // opened by path (recent files, command line, drop).
    int detectionLines = 7;
    // Message 4010 for an exchange file of an unknown DTD version.
    bool reportUnknownDtdVersion = true;
    // Detection sees the lines with their line ends (Open command) or
    // without them (open by path); it matters only for the length limits.
    bool detectWithLineEnds = true;
};

// Reads the file into the store and adds what went wrong to issues: 32790
// "ファイルが見つかりません\n( %1 )" when the file cannot be read, 32793
// "このファイルは開けません" when no format is recognised (the store is then
// unchanged), and the warnings of the reading.
OpenStatus openDocumentFile(const std::string& hostPath, BoringData& data, const SoilNameMaster& master, Issues& issues,
                            const OpenOptions& options = {});

}  // namespace kolv
