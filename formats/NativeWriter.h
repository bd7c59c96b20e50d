#pragma once
// Writer of the native document format, the only format the program saves.
//
// Cells are written as they are held, except where a character would break
// the line format for this program and its sister programs:
// - "$$" inside a cell would make its line a section marker: written "＄＄";
// - BEL ends an observation note: dropped;
// - CR or LF inside a one-line cell or a heading line would shift every later
//   line: written as a blank (a heading line's own trailing CR LF is its line
//   end); observation notes keep their CR LF line structure;
// - a note line holding "@" would end the note: its "@" is written "＠";
// - in comma-separated sections a cell holding an ASCII comma is written
//   between double quotes (the reader drops the quotes and keeps the comma),
//   and an ASCII double quote, which the reader drops, is written "＂".
#include "data/BoringData.h"

#include <string>

namespace kolv {

class Prompter;

// The bytes of the native file of the store. Before writing it recomputes the
// derived values in the store: heading lines 14 and 15 from lines 51-56,
// lines 45 and 46 (last layer depth, end of the last penetration test), and a
// closing CR LF on every written observation note.
std::string writeNativeFile(BoringData& data);

// Saves the store to a file; the previous file stays intact unless every byte
// was written. On failure shows 4005 "保存できませんでした" and returns false.
bool saveNativeFile(BoringData& data, const std::string& hostPath, Prompter& prompter);

}  // namespace kolv
