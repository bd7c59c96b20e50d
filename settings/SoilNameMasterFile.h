#pragma once
// WdtvJCA.mst: the soil-name master. A "[第" line starts the next section
// (the first one carries the file's version as its third field), a "[終了"
// line ends the file; in sections 1 to 3 every other line is a row
// "name,symbol,set-0 pattern,set-1 pattern", a pattern field being the
// pattern number with the mark digit as its first decimal ("100.1").
#include "platform/Issue.h"
#include "settings/LogSettings.h"
#include "settings/SoilNameMaster.h"

#include <string>
#include <string_view>

namespace kolv {

// A version below this counts as no master at all.
inline constexpr int soilNameMasterMinimumVersion = 600;

// Loads one pattern set (0 vector, 1 bitmap) from the file's bytes: names,
// symbols and that set's numbers and mark digits of the first 256 rows and
// the first and last row of each section. Returns the version of the first
// section header (0 when there is none, or when set is neither 0 nor 1).
int readSoilNameMaster(SoilNameMaster& master, std::string_view bytes, int set);

// Loads one set of settings.soilNameMaster from the file at windowsPath.
// Returns 0 without reading when set is neither 0 nor 1 or the path has at
// most one byte, and 0 after "ファイルが見つかりません\n( %1 )" when the file
// cannot be read (the set then has no rows).
int loadSoilNameMaster(LogSettings& settings, const std::string& windowsPath, int set, Issues& issues);

}  // namespace kolv
