#pragma once
// PtnvcJG.ndx: the colours of the vector-drawn soil patterns, one pattern a
// line as "number,colour,default colour,short label,soil example". Title and
// comment lines contain "[" or "{".
#include "platform/Issue.h"
#include "settings/LogSettings.h"
#include "settings/PatternColorTable.h"

#include <string>
#include <string_view>

namespace kolv {

// Replaces the table with the (number, colour) pairs of the file's bytes:
// lines of at most one byte, lines with "[" or "{" and lines whose first
// field fails the numeric test are skipped; the colour is read with automatic
// base ("0x808080" or "8421504"); pairs after the 110th are ignored.
void readPatternColors(PatternColorTable& table, std::string_view bytes);

// Loads settings.patternColors from the file at windowsPath; when it cannot
// be read, "ファイルが見つかりません\n( %1 )" and an empty table (every
// vector pattern black).
bool loadPatternColors(LogSettings& settings, const std::string& windowsPath, Issues& issues);

}  // namespace kolv
