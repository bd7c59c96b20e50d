#include "formats/XmlLineWriter.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"

#include <cstdint>

namespace kolv {

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view geta = "\x81\xAC";                 // 〓, put where a byte is no character
constexpr std::string_view replacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD, what the codec gives for no character

// Two-byte characters of code page 932 whose lead byte lies in these ranges
// are JIS X 0208 characters, which every Shift_JIS decoder accepts. The
// others (NEC and IBM extensions such as "Ⅰ", "①", "㈱", and user-defined
// characters) are written as character references.
bool isPlainShiftJisLead(unsigned char lead)
{
    return (lead >= 0x81 && lead <= 0x84) || (lead >= 0x88 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEA);
}

std::uint32_t firstCodePoint(std::string_view utf8)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(utf8[i])); };
    if (utf8.empty())
        return 0;
    const std::uint32_t first = byte(0);
    if (first < 0x80)
        return first;
    if (first < 0xE0 && utf8.size() >= 2)
        return ((first & 0x1F) << 6) | (byte(1) & 0x3F);
    if (first < 0xF0 && utf8.size() >= 3)
        return ((first & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    if (utf8.size() >= 4)
        return ((first & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
    return 0;
}

}  // namespace

void XmlLineWriter::line(std::string_view text)
{
    text_.append(static_cast<std::size_t>(depth_), '\t');
    text_ += text;
    text_ += lineEnd;
}

void XmlLineWriter::open(std::string_view name, std::string_view attributes)
{
    line("<" + this->name(name) + (attributes.empty() ? "" : " ") + std::string(attributes) + ">");
    ++depth_;
}

void XmlLineWriter::close(std::string_view name)
{
    --depth_;
    line("</" + this->name(name) + ">");
}

void XmlLineWriter::element(std::string_view name, std::string_view value, const XmlCellPlace& place)
{
    const std::string content = escaped(value, place);
    if (content.empty()) {
        emptyElement(name);
        return;
    }
    const std::string& tag = this->name(name);
    line("<" + tag + ">" + content + "</" + tag + ">");
}

void XmlLineWriter::emptyElement(std::string_view name)
{
    line("<" + this->name(name) + "/>");
}

void XmlLineWriter::report(const XmlCellPlace& place, std::string_view value, std::string_view problemUtf8)
{
    issues_.push_back({utf8ToCp932(place.table), place.row, place.cell, std::string(value), utf8ToCp932(problemUtf8)});
}

const std::string& XmlLineWriter::name(std::string_view utf8)
{
    auto found = names_.find(utf8);
    if (found == names_.end())
        found = names_.emplace(std::string(utf8), utf8ToCp932(utf8)).first;
    return found->second;
}

// The form of one character in the file; empty when it is no character of
// code page 932.
const std::string& XmlLineWriter::characterForm(std::string_view character)
{
    auto found = characterForms_.find(character);
    if (found != characterForms_.end())
        return found->second;
    std::string form;
    const std::string utf8 = cp932ToUtf8(character);
    if (utf8 != replacementUtf8) {
        const auto lead = static_cast<unsigned char>(character[0]);
        if (character.size() == 1 || isPlainShiftJisLead(lead))
            form = std::string(character);
        else
            form = formatText("&#x%X;", firstCodePoint(utf8));
    }
    return characterForms_.emplace(std::string(character), std::move(form)).first->second;
}

// Line breaks of a one-line value are kept as references, so that the value
// stays on its line; other control characters are no XML characters at all.
std::string XmlLineWriter::escaped(std::string_view value, const XmlCellPlace& place)
{
    std::string text;
    text.reserve(value.size());
    bool controlDropped = false;
    bool invalidReplaced = false;
    for (std::size_t pos = 0; pos < value.size();) {
        const std::size_t length = characterLength(value, pos);
        const std::string_view character = value.substr(pos, length);
        pos += length;
        const auto c = static_cast<unsigned char>(character[0]);
        if (length == 1 && c < 0x80) {
            switch (c) {
            case '&':
                text += "&amp;";
                break;
            case '<':
                text += "&lt;";
                break;
            case '>':
                text += "&gt;";
                break;
            case '"':
                text += "&quot;";
                break;
            case '\r':
                text += "&#13;";
                break;
            case '\n':
                text += "&#10;";
                break;
            case '\t':
                text += '\t';
                break;
            default:
                if (c < 0x20)
                    controlDropped = true;
                else
                    text += static_cast<char>(c);
            }
            continue;
        }
        const std::string& form = characterForm(character);
        if (form.empty()) {
            text += geta;
            invalidReplaced = true;
        } else {
            text += form;
        }
    }
    if (controlDropped)
        report(place, value, "制御文字を除いて出力しました.");
    if (invalidReplaced)
        report(place, value, "Shift_JISの文字でない部分を〓にして出力しました.");
    return text;
}

}  // namespace kolv
