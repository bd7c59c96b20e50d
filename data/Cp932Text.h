#pragma once
// Every operation on document text goes through here. Document text is code
// page 932: a lead byte (0x81-0x9F, 0xE0-0xFC) starts a two-byte character
// whose second byte may equal an ASCII byte ("@" in the full-width space,
// "\" in "表", "[" in "ー"), so searches must step by characters, never bytes.
#include "platform/Cp932Character.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kolv {

inline constexpr std::size_t textNotFound = std::string_view::npos;

// Position of the first occurrence of needle that starts on a character
// boundary at or after from, or textNotFound.
std::size_t findText(std::string_view text, std::string_view needle, std::size_t from = 0);
bool containsText(std::string_view text, std::string_view needle);
bool startsWithText(std::string_view text, std::string_view prefix);
bool endsWithText(std::string_view text, std::string_view suffix);

// Replaces every character-aligned occurrence of from by to.
std::string replaceAllText(std::string_view text, std::string_view from, std::string_view to);

// The longest prefix of at most maxBytes bytes that does not split a character
// ("%.30s" on code page 932 text).
std::string_view cutToBytes(std::string_view text, std::size_t maxBytes);

// The text with single-byte blanks and full-width spaces removed at the start.
std::string_view skipLeadingBlanks(std::string_view text);

// The text with a trailing CR LF, or else a trailing LF, removed.
std::string_view stripLineEnd(std::string_view line);

// Upper-cases ASCII letters and the full-width Latin letters ａ-ｚ.
std::string upperCaseText(std::string_view text);

}  // namespace kolv
