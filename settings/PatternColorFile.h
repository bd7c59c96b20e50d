#pragma once
// PtnvcJG.ndx: the colours of the vector-drawn soil patterns, one pattern a
// line as "number,colour,default colour,short label,soil example". Title and
// comment lines contain "[" or "{".
#include "platform/Issue.h"
#include "settings/LogSettings.h"
#include "settings/PatternColorTable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

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

// One line as the editor keeps it: pattern number ("ﾊﾟﾀｰﾝNo"), colour code
// ("色コード"), default colour ("既定色"), short label ("略表示") and soil
// example ("地質例"); a title line keeps its text in the fields it splits into.
using PatternColorLine = std::array<std::string, 5>;
// The editor adds no line beyond this many.
inline constexpr int patternColorLineCapacity = 111;

// Every line longer than one byte as its five fields; a longer file than the
// editor fills is read whole, so that writing it back loses no line.
std::vector<PatternColorLine> readPatternColorLines(std::string_view bytes);

// The five fields of every line joined by ","; CR LF after each.
std::string patternColorText(const std::vector<PatternColorLine>& lines);

// Reads the lines of the file at windowsPath; "ファイルが見つかりません\n( %1 )"
// and no lines when it cannot be read.
bool loadPatternColorLines(const LogSettings& settings, const std::string& windowsPath,
                           std::vector<PatternColorLine>& lines, Issues& issues);

// Writes the lines to the file at windowsPath; "%1\n保存できませんでした" and
// the old file intact when it cannot be written.
bool writePatternColors(const LogSettings& settings, const std::string& windowsPath,
                        const std::vector<PatternColorLine>& lines, Issues& issues);

}  // namespace kolv
