#pragma once
// Opening a file, the one way the window and kolv-cli share: the file read as
// the Open command reads it, then the step that follows every change of the
// document. The same file thus gives the same store, and the same saved
// bytes, in the window and in every command of kolv-cli.
#include "data/BoringData.h"
#include "document/ViewState.h"
#include "formats/OpenDocument.h"
#include "platform/Issue.h"
#include "settings/LogSettings.h"

#include <optional>
#include <string>

namespace kolv {

// How the Open command reads: seven lines offered to detection with their
// line ends, without the unknown-version message.
inline constexpr OpenOptions openCommandOptions{7, false, true};
// How a file opened by path (recent files, command line, a dropped file) is
// read: six lines without their line ends, with the unknown-version message.
inline constexpr OpenOptions openByPathOptions{6, true, false};

// Reads the file into data, then runs the after-change step on data,
// settings and view with the printer's paper. On any failure data, settings
// and view stay as they were. asRead, when given, receives the store as the
// reader left it, before the after-change step.
OpenStatus openLogFile(const std::string& hostPath, const OpenOptions& options, BoringData& data, LogSettings& settings,
                       ViewState& view, const std::optional<PaperSize>& paper, Issues& issues,
                       BoringData* asRead = nullptr);

}  // namespace kolv
