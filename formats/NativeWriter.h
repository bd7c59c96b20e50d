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
#include "platform/Issue.h"

#include <string>
#include <string_view>

namespace kolv {

// A heading line as a saved file holds it: latitude and longitude joined from
// their parts, the last layer depth and the end of the last penetration test
// recomputed, every other line as held.
std::string savedHeadingLine(const BoringData& data, int line);

// An observation note as a saved file holds it: ending with CR LF.
std::string savedObservationNote(std::string_view note);

// Brings the store to what a save writes: the heading lines of
// savedHeadingLine and the notes of savedObservationNote, so that a store can
// be compared with its file read back.
void updateSavedValues(BoringData& data);

// The bytes of the native file of the store, with the derived values of
// savedHeadingLine and savedObservationNote.
std::string writeNativeFile(const BoringData& data);

// Saves the store to a file; the previous file stays intact unless every byte
// was written. On failure adds 4005 "保存できませんでした" to issues and
// returns false.
bool saveNativeFile(const BoringData& data, const std::string& hostPath, Issues& issues);

}  // namespace kolv
