#include "data/Cp932Text.h"

namespace kolv {

std::size_t findText(std::string_view text, std::string_view needle, std::size_t from)
{
    if (needle.empty())
        return from <= text.size() ? from : textNotFound;
    // A byte below 0x40 is never the second byte of a character, so such a
    // byte always starts one: a needle beginning with it (a tag, a comma,
    // "$$") is found by a plain byte search.
    if (static_cast<unsigned char>(needle.front()) < 0x40)
        return text.find(needle, from);
    // Otherwise every byte match is checked against the character boundaries,
    // walked once from the start of the text.
    std::size_t boundary = 0;
    while (boundary < from && boundary < text.size())
        boundary += characterLength(text, boundary);
    for (;;) {
        const std::size_t match = text.find(needle, boundary);
        if (match == std::string_view::npos)
            return textNotFound;
        while (boundary < match)
            boundary += characterLength(text, boundary);
        if (boundary == match)
            return match;
    }
}

bool containsText(std::string_view text, std::string_view needle)
{
    return findText(text, needle) != textNotFound;
}

bool startsWithText(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWithText(std::string_view text, std::string_view suffix)
{
    if (suffix.size() > text.size())
        return false;
    std::size_t pos = 0;
    const std::size_t target = text.size() - suffix.size();
    while (pos < target)
        pos += characterLength(text, pos);
    return pos == target && text.substr(target) == suffix;
}

std::string replaceAllText(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.compare(pos, from.size(), from) == 0) {
            result.append(to);
            pos += from.size();
            continue;
        }
        const std::size_t length = characterLength(text, pos);
        result.append(text.substr(pos, length));
        pos += length;
    }
    return result;
}

std::string_view cutToBytes(std::string_view text, std::size_t maxBytes)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = characterLength(text, pos);
        if (pos + length > maxBytes)
            break;
        pos += length;
    }
    return text.substr(0, pos);
}

std::string_view skipLeadingBlanks(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[pos]);
        if (byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' || byte == '\f') {
            ++pos;
        } else if (byte == 0x81 && pos + 1 < text.size() && static_cast<unsigned char>(text[pos + 1]) == 0x40) {
            pos += 2;
        } else {
            break;
        }
    }
    return text.substr(pos);
}

std::string_view stripLineEnd(std::string_view line)
{
    if (line.size() >= 2 && line[line.size() - 2] == '\r' && line.back() == '\n')
        return line.substr(0, line.size() - 2);
    if (!line.empty() && line.back() == '\n')
        return line.substr(0, line.size() - 1);
    return line;
}

std::string upperCaseText(std::string_view text)
{
    std::string result(text);
    std::size_t pos = 0;
    while (pos < result.size()) {
        const std::size_t length = characterLength(result, pos);
        unsigned char first = static_cast<unsigned char>(result[pos]);
        if (length == 1) {
            if (first >= 'a' && first <= 'z')
                result[pos] = static_cast<char>(first - 'a' + 'A');
        } else {
            // Full-width ａ-ｚ are 0x82 0x81-0x9A; Ａ-Ｚ are 0x82 0x60-0x79.
            unsigned char second = static_cast<unsigned char>(result[pos + 1]);
            if (first == 0x82 && second >= 0x81 && second <= 0x9A)
                result[pos + 1] = static_cast<char>(second - 0x21);
        }
        pos += length;
    }
    return result;
}

}  // namespace kolv
