#pragma once
// Whole-file reading and safe writing. Every file the program writes goes
// through writeFileAtomically, which honours what the path is:
// - a regular file, or none yet: the bytes go to a temporary file in the same
//   folder, are flushed to disk, and only then replace the target, so a failed
//   save (full disk, no permission) leaves the previous file intact; the file
//   replaced keeps its mode, and its owner where this user may give it;
// - a symbolic link: the file it leads to is replaced so, in its own folder,
//   and the link stays;
// - a character device, a pipe or a socket, and /dev/stdout or /dev/fd/N:
//   the bytes are streamed to it, never renamed over it.
// A folder or a block device is never written.
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

bool readFileBytes(const std::string& hostPath, std::string& bytes);

bool writeFileAtomically(const std::string& hostPath, std::string_view bytes);

// The lines of a text, each without its line end (a CR LF or an LF; a lone
// CR stays part of the line). A last line without a line end is kept whole;
// an empty text has no lines.
std::vector<std::string> splitLines(std::string_view bytes);

// The lines of a text, each with its line end as it stood in the file.
std::vector<std::string> splitLinesKeepingEnds(std::string_view bytes);

bool fileExists(const std::string& hostPath);
bool directoryExists(const std::string& hostPath);

}  // namespace kolv
