#pragma once
// WdtvJCA.mst: the soil-name master. A "[第" line starts the next section
// (the first one carries the file's version as its third field), a "[終了"
// line ends the file; in sections 1 to 3 every other line is a row
// "name,symbol,set-0 pattern,set-1 pattern", a pattern field being the
// pattern number with the mark digit as its first decimal ("100.1").
#include "platform/Issue.h"
#include "settings/LogSettings.h"
#include "settings/SoilNameMaster.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

// A version below this counts as no master at all.
inline constexpr int soilNameMasterMinimumVersion = 600;
// The version the editor writes after the first section header.
inline constexpr int soilNameMasterVersion = 660;

// One line of the master as the editor keeps it. A section header or comment
// line (one holding "[" or "{") keeps only its name.
struct SoilNameMasterLine {
    std::string name;  // code page 932
    std::string symbol;
    // Per set (0 vector, 1 bitmap): the pattern number as "%ld", empty when
    // the field is not a number.
    std::array<std::string, 2> patternNumber;
    bool density = false;      // mark bit 0: print the relative density
    bool consistency = false;  // mark bit 1: print the consistency

    bool operator==(const SoilNameMasterLine&) const = default;
};
// The editor adds no line beyond this many.
inline constexpr int soilNameMasterLineCapacity = 256;

// Whether a name makes its line a section header or a comment.
bool isSoilNameHeader(std::string_view name);

// The lines of the file's bytes as the editor lists them: every line longer
// than one byte. A file with more lines than the editor adds is read whole,
// so that writing it back loses none. A data line's marks are those of
// either pattern field.
std::vector<SoilNameMasterLine> readSoilNameMasterLines(std::string_view bytes);

// The file's bytes: a header line as its name (the very first line, when it
// is a header, followed by ", ,660,"), a data line as name, symbol and the
// two pattern fields "%ld.%d" (number and mark digit; empty for a field that
// is not a number) joined by ","; CR LF after every line.
std::string soilNameMasterText(const std::vector<SoilNameMasterLine>& lines);

// Whether the lines make a master that loads: the very first line must be a
// section header ("[第"), the one line that carries the version.
bool startsWithSectionHeader(const std::vector<SoilNameMasterLine>& lines);

// Reads the lines of the file at windowsPath; "ファイルが見つかりません\n( %1 )"
// and no lines when it cannot be read.
bool loadSoilNameMasterLines(const LogSettings& settings, const std::string& windowsPath,
                             std::vector<SoilNameMasterLine>& lines, Issues& issues);

// Writes the lines to the file at windowsPath; "保存できませんでした" and the
// old file intact when it cannot be written.
bool writeSoilNameMaster(const LogSettings& settings, const std::string& windowsPath,
                         const std::vector<SoilNameMasterLine>& lines, Issues& issues);

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
