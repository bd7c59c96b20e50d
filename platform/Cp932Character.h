#pragma once
// The character boundaries of code page 932 text: a lead byte (0x81-0x9F,
// 0xE0-0xFC) starts a two-byte character only when a valid second byte
// (0x40-0x7E, 0x80-0xFC) follows it; a stray lead byte before a comma, a line
// end or a "$" stays a character of its own, so that byte is never lost.
#include <cstddef>
#include <string_view>

namespace kolv {

bool isLeadByte(unsigned char byte);

// Length in bytes of the character that starts at pos (1 or 2; 1 for a lead
// byte at the very end of the text or before a byte that cannot follow it).
std::size_t characterLength(std::string_view text, std::size_t pos);

}  // namespace kolv
