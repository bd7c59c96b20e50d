#include "formats/XmlText.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kolv {

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view rootElementUtf8 = "ボーリング情報";
constexpr std::string_view versionAttribute = "DTD_version";
// "&#x10FFFF;" is the longest reference there is.
constexpr std::size_t maximumReferenceLength = 12;

const std::string& rootElementName()
{
    static const std::string name = utf8ToCp932(rootElementUtf8);
    return name;
}

bool isXmlBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimXmlBlanks(std::string_view text)
{
    while (!text.empty() && isXmlBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isXmlBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// XML 1.0 characters; a reference to anything else is not resolved.
bool isXmlCharacter(std::uint32_t codePoint)
{
    return codePoint == 0x9 || codePoint == 0xA || codePoint == 0xD || (codePoint >= 0x20 && codePoint <= 0xD7FF)
        || (codePoint >= 0xE000 && codePoint <= 0xFFFD) || (codePoint >= 0x10000 && codePoint <= 0x10FFFF);
}

std::string utf8FromCodePoint(std::uint32_t codePoint)
{
    std::string utf8;
    if (codePoint < 0x80) {
        utf8.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        utf8.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        utf8.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        utf8.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        utf8.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        utf8.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
    return utf8;
}

// The code point of "#123" or "#x7B"; false when the text is not one.
bool parseNumericReference(std::string_view name, std::uint32_t& codePoint)
{
    if (name.size() < 2 || name[0] != '#')
        return false;
    const bool hex = name[1] == 'x';
    std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return false;
    std::uint32_t value = 0;
    for (char c : digits) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return false;
        value = value * (hex ? 16 : 10) + digit;
    }
    codePoint = value;
    return isXmlCharacter(codePoint);
}

// Character data of a prepared line: "<" and "&" as references, so that the
// line reader finds the value's end at the next "<", and control characters
// from references as references, so that they cannot break the line.
std::string escapeLineText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        if (length == 1 && c == '<')
            escaped += "&lt;";
        else if (length == 1 && c == '&')
            escaped += "&amp;";
        else if (length == 1 && c < 0x20 && c != '\t')
            escaped += formatText("&#%d;", c);
        else
            escaped.append(text.substr(pos, length));
        pos += length;
    }
    return escaped;
}

// The bytes up to the end of the root element when it is written in UTF-8
// (the raw bytes are searched: their encoding is not known yet), else all.
std::string_view utf8RootElement(std::string_view bytes)
{
    const std::size_t rootEnd = bytes.find(std::string("</") + std::string(rootElementUtf8));
    if (rootEnd == std::string_view::npos)
        return bytes;
    const std::size_t tagEnd = bytes.find('>', rootEnd);
    return bytes.substr(0, tagEnd == std::string_view::npos ? std::string_view::npos : tagEnd + 1);
}

// The encoding is told by the bytes, never by the declaration: the files that
// open-data portals republish are mostly UTF-8 behind "Shift_JIS". A few
// damaged bytes do not make a UTF-8 text code page 932.
bool isUtf8Text(std::string_view bytes)
{
    const Utf8Census census = takeUtf8Census(bytes);
    return census.multiByteSequences > 0 && census.multiByteSequences > census.strayBytes * 4;
}

// Collects the one-element-per-line text.
class LineWriter {
public:
    explicit LineWriter(int& replacedCount) : replacedCount_(replacedCount) {}

    void startTag(std::string_view name)
    {
        finishLine();
        line_ = "<" + std::string(name) + ">";
        openName_ = name;
        joinable_ = true;
    }

    void emptyTag(std::string_view name)
    {
        finishLine();
        lines_.push_back("<" + std::string(name) + "/>");
        joinable_ = false;
    }

    // The end tag joins the line of its start tag when only character data
    // came between them.
    void endTag(std::string_view name)
    {
        if (joinable_ && name == openName_) {
            line_ += "</" + std::string(name) + ">";
            finishLine();
        } else {
            finishLine();
            lines_.push_back("</" + std::string(name) + ">");
        }
        joinable_ = false;
    }

    void rootLine(std::string line)
    {
        finishLine();
        lines_.push_back(std::move(line));
        joinable_ = false;
    }

    // Character data; references are resolved here, except in CDATA
    // sections, which are taken as they stand. Data outside an element's
    // value (indentation between tags) has nothing for the reader and is
    // dropped.
    void characterData(std::string_view text, bool withReferences)
    {
        if (!joinable_)
            return;
        std::size_t start = 0;
        for (std::size_t pos = 0; pos <= text.size();) {
            const bool end = pos == text.size();
            if (end || text[pos] == '\n' || text[pos] == '\r') {
                const std::string_view piece = text.substr(start, pos - start);
                line_ += escapeLineText(withReferences ? decodeCharacterReferences(piece, &replacedCount_)
                                                       : std::string(piece));
                if (end)
                    break;
                finishLine();
                if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
                    ++pos;
                start = ++pos;
                continue;
            }
            pos += characterLength(text, pos);
        }
    }

    std::vector<std::string> finish()
    {
        finishLine();
        return std::move(lines_);
    }

private:
    // A line of blanks only is the indentation of the next tag.
    void finishLine()
    {
        if (!trimXmlBlanks(line_).empty())
            lines_.push_back(std::move(line_));
        line_.clear();
    }

    int& replacedCount_;
    std::vector<std::string> lines_;
    std::string line_;
    std::string openName_;
    bool joinable_ = false;
};

// The first occurrence of needle at or after from, a character boundary.
std::size_t findFrom(std::string_view text, std::string_view needle, std::size_t from)
{
    // A byte below 0x40 always starts a character: a plain byte search.
    if (!needle.empty() && static_cast<unsigned char>(needle.front()) < 0x40)
        return text.find(needle, from);
    for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += characterLength(text, pos)) {
        if (text.compare(pos, needle.size(), needle) == 0)
            return pos;
    }
    return textNotFound;
}

// The end of a document type declaration, whose internal subset (between
// "[" and "]") holds ">" of its own.
std::size_t findDeclarationEnd(std::string_view text, std::size_t from)
{
    int depth = 0;
    for (std::size_t pos = from; pos < text.size(); pos += characterLength(text, pos)) {
        if (text[pos] == '[')
            ++depth;
        else if (text[pos] == ']' && depth > 0)
            --depth;
        else if (text[pos] == '>' && depth == 0)
            return pos;
    }
    return textNotFound;
}

std::size_t nameEnd(std::string_view tag, std::size_t from)
{
    std::size_t pos = from;
    while (pos < tag.size() && !isXmlBlank(tag[pos]) && tag[pos] != '/' && tag[pos] != '>')
        pos += characterLength(tag, pos);
    return pos;
}

// The value of DTD_version in the attributes of the root element, with the
// quote it was written in.
std::string versionAttributeText(std::string_view attributes)
{
    for (std::size_t pos = findFrom(attributes, versionAttribute, 0); pos != textNotFound;
         pos = findFrom(attributes, versionAttribute, pos + 1)) {
        std::size_t at = pos + versionAttribute.size();
        while (at < attributes.size() && isXmlBlank(attributes[at]))
            ++at;
        if (at >= attributes.size() || attributes[at] != '=')
            continue;
        ++at;
        while (at < attributes.size() && isXmlBlank(attributes[at]))
            ++at;
        if (at >= attributes.size() || (attributes[at] != '"' && attributes[at] != '\''))
            continue;
        const char quote = attributes[at];
        const std::size_t close = findFrom(attributes, std::string_view(&quote, 1), at + 1);
        if (close == textNotFound)
            continue;
        return std::string(1, quote) + std::string(attributes.substr(at + 1, close - at - 1)) + quote;
    }
    return "\"\"";
}

}  // namespace

std::string decodeCharacterReferences(std::string_view text, int* replacedCount)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = characterLength(text, pos);
        if (length == 1 && text[pos] == '&') {
            const std::size_t semicolon = findFrom(text.substr(0, pos + maximumReferenceLength), ";", pos + 1);
            const std::string_view name =
                semicolon == textNotFound ? std::string_view() : text.substr(pos + 1, semicolon - pos - 1);
            std::uint32_t codePoint = 0;
            std::string character;
            if (name == "lt")
                character = "<";
            else if (name == "gt")
                character = ">";
            else if (name == "amp")
                character = "&";
            else if (name == "quot")
                character = "\"";
            else if (name == "apos")
                character = "'";
            else if (parseNumericReference(name, codePoint)) {
                int replaced = 0;
                character = utf8ToCp932(utf8FromCodePoint(codePoint), &replaced);
                if (replacedCount)
                    *replacedCount += replaced;
            }
            if (!character.empty()) {
                decoded += character;
                pos = semicolon + 1;
                continue;
            }
        }
        decoded.append(text.substr(pos, length));
        pos += length;
    }
    return decoded;
}

namespace {

// An end tag closes the last open element. One that closes an element
// further out closes those inside it too; one that closes none is left
// alone. Either is the document's first fault when it has none yet.
template <class Fault>
void closeElement(std::vector<std::string_view>& openElements, std::string_view name, const Fault& notWellFormed)
{
    if (!openElements.empty() && openElements.back() == name) {
        openElements.pop_back();
        return;
    }
    const auto open = std::find(openElements.rbegin(), openElements.rend(), name);
    if (open == openElements.rend()) {
        notWellFormed(utf8ToCp932("開始タグのない終了タグ </") + std::string(name) + ">");
        return;
    }
    notWellFormed("<" + std::string(openElements.back()) + utf8ToCp932("> が閉じる前に </") + std::string(name)
                  + utf8ToCp932("> があります"));
    openElements.erase(std::prev(open.base()), openElements.end());
}

}  // namespace

PreparedXml prepareXmlText(std::string_view bytes)
{
    PreparedXml prepared;
    if (bytes.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark)
        bytes.remove_prefix(utf8ByteOrderMark.size());
    const std::string_view content = trimXmlBlanks(bytes);
    if (content.empty() || content.front() != '<')
        return prepared;
    prepared.isXml = true;

    int replacedCount = 0;
    std::string converted;
    // Whatever follows the root element is never read, so it has no say in
    // the encoding and is not converted.
    const std::string_view rootElement = utf8RootElement(bytes);
    if (isUtf8Text(rootElement)) {
        converted = utf8ToCp932(rootElement, &replacedCount);
        bytes = converted;
    }
    const std::string_view text = bytes;

    LineWriter writer(replacedCount);
    bool rootSeen = false;
    bool rootClosed = false;
    // The elements open at this point, the root first: an end tag must close
    // the last of them.
    std::vector<std::string_view> openElements;
    const auto notWellFormed = [&](std::string fault) {
        if (rootSeen && prepared.notWellFormed.empty())
            prepared.notWellFormed = std::move(fault);
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = findFrom(text, "<", pos);
        if (rootSeen)
            writer.characterData(text.substr(pos, (open == textNotFound ? text.size() : open) - pos), true);
        if (open == textNotFound)
            break;
        const std::string_view rest = text.substr(open);
        if (rest.starts_with("<!--")) {
            const std::size_t end = findFrom(text, "-->", open + 4);
            prepared.endsEarly = prepared.endsEarly || end == textNotFound;
            pos = end == textNotFound ? text.size() : end + 3;
            continue;
        }
        if (rest.starts_with("<![CDATA[")) {
            const std::size_t end = findFrom(text, "]]>", open + 9);
            const std::size_t dataEnd = end == textNotFound ? text.size() : end;
            prepared.endsEarly = prepared.endsEarly || end == textNotFound;
            if (rootSeen)
                writer.characterData(text.substr(open + 9, dataEnd - open - 9), false);
            pos = end == textNotFound ? text.size() : end + 3;
            continue;
        }
        if (rest.starts_with("<?")) {
            const std::size_t end = findFrom(text, "?>", open + 2);
            prepared.endsEarly = prepared.endsEarly || end == textNotFound;
            pos = end == textNotFound ? text.size() : end + 2;
            continue;
        }
        if (rest.starts_with("<!")) {
            const std::size_t end = findDeclarationEnd(text, open + 2);
            prepared.endsEarly = prepared.endsEarly || end == textNotFound;
            pos = end == textNotFound ? text.size() : end + 1;
            continue;
        }
        const std::size_t close = findFrom(text, ">", open + 1);
        if (close == textNotFound)
            break;  // a document cut off inside a tag: its root never closes
        const std::string_view tag = text.substr(open, close - open + 1);
        const bool endTag = tag.size() > 1 && tag[1] == '/';
        const std::size_t nameStart = endTag ? 2 : 1;
        const std::size_t nameStop = nameEnd(tag, nameStart);
        const std::string_view name = tag.substr(nameStart, nameStop - nameStart);
        const std::size_t nextOpen = findFrom(tag, "<", 1);
        if (name.empty() || nextOpen != textNotFound) {
            // Not a tag: a stray "<" in damaged text.
            notWellFormed(utf8ToCp932("タグを始めない \"<\" があります"));
            if (rootSeen)
                writer.characterData("&lt;", true);
            pos = open + 1;
            continue;
        }
        pos = close + 1;
        const bool emptyElement = !endTag && tag.size() >= 3 && tag[tag.size() - 2] == '/';
        if (!rootSeen) {
            if (endTag)
                continue;
            if (name != rootElementName())
                return prepared;
            rootSeen = true;
            openElements.push_back(name);
            writer.rootLine("<" + rootElementName() + " " + std::string(versionAttribute) + "="
                            + versionAttributeText(tag.substr(nameStop)) + ">");
            rootClosed = emptyElement;
            if (emptyElement)
                break;
            continue;
        }
        if (endTag) {
            closeElement(openElements, name, notWellFormed);
            writer.endTag(name);
            if (name == rootElementName()) {
                rootClosed = true;
                break;
            }
        } else if (emptyElement) {
            writer.emptyTag(name);
        } else {
            openElements.push_back(name);
            writer.startTag(name);
        }
    }
    if (!rootSeen)
        return prepared;
    prepared.endsEarly = prepared.endsEarly || !rootClosed;
    prepared.lines = writer.finish();
    if (replacedCount > 0)
        prepared.warning = utf8ToCp932(formatText("Shift_JISで表せない文字 %d 個を〓に置き換えました.", replacedCount));
    return prepared;
}

}  // namespace kolv
