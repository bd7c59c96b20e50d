#pragma once
// Conversion between code page 932 (the text of documents, settings and
// masters) and UTF-8 (the user interface, fonts, the command-line output).
#include <cstddef>
#include <string>
#include <string_view>

namespace kolv {

// A byte sequence that is not code page 932 becomes U+FFFD, character by
// character; the result is always valid UTF-8.
std::string cp932ToUtf8(std::string_view text);

// A character without a code-page-932 form becomes "〓"; replacedCount (when
// given) receives how many characters were replaced. Invalid UTF-8 bytes
// count as such characters.
std::string utf8ToCp932(std::string_view text, int* replacedCount = nullptr);

// True when the bytes are valid UTF-8 and contain at least one multi-byte
// sequence (pure ASCII is both encodings at once).
bool looksLikeUtf8(std::string_view bytes);

// How many well-formed multi-byte UTF-8 sequences the bytes hold, and how many
// bytes belong to none: a UTF-8 text with a few damaged bytes still has far
// more of the first, code page 932 text far more of the second.
struct Utf8Census {
    std::size_t multiByteSequences = 0;
    std::size_t strayBytes = 0;
};
Utf8Census takeUtf8Census(std::string_view bytes);

}  // namespace kolv
