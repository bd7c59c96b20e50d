#pragma once
// Sys.ndx: 121 lines (0 to 120), one setting a line, integers as "%d" and
// texts as they are. Which line holds which field is fixed by the format and
// shared with every installation.
#include "settings/LogSettings.h"

#include <string>
#include <vector>

namespace kolv {

inline constexpr int settingsLineCount = 121;

// Every persistent field at the value it takes when Sys.ndx cannot be read.
void applySettingsDefaults(SettingsValues& settings);

// Takes lines 1 to 94 of a read Sys.ndx into the record: integer lines by
// their leading number when they pass the numeric test, else 0 (line 69
// then 1); text lines as they are, up to a NUL byte. Line 0, the empty
// lines of the format, line 60 and lines after 94 are ignored; a short file
// leaves the later fields as they were.
void applySettingsLines(SettingsValues& settings, const std::vector<std::string>& lines);

// The fix-ups after every load (from the file or from the defaults): the
// reserved lines 2 and 21 become 0, margins outside 1..100 become 5, empty
// master paths and pattern folder point into the installation folder, an
// empty 10 mm grid colour becomes "0x808080", a depth per page above 38 m
// becomes 38.
void applySettingsFixUps(LogSettings& settings);

// The bytes of Sys.ndx for the record: lines 0 to 120, each with CR LF.
std::string settingsFileText(const SettingsValues& settings);

}  // namespace kolv
