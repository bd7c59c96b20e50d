#include "formats/ExchangeFileFacts.h"

#include "formats/XmlText.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"

namespace kolv {

namespace {

// The text between after and the next quote or "<" in line; empty without after.
std::string textAfter(const std::string& line, const std::string& after, const char* ends)
{
    const std::size_t at = line.find(after);
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + after.size();
    const std::size_t end = line.find_first_of(ends, start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

ExchangeFileFacts readExchangeFileFacts(const std::string& path)
{
    ExchangeFileFacts facts;
    std::string bytes;
    if (!readFileBytes(path, bytes))
        return facts;
    const PreparedXml prepared = prepareXmlText(bytes);
    if (!prepared.isXml || prepared.lines.empty())
        return facts;
    // The root element comes first, one element a line after it.
    facts.dtdVersion = textAfter(prepared.lines.front(), "DTD_version=\"", "\"");
    if (facts.dtdVersion.empty())
        facts.dtdVersion = textAfter(prepared.lines.front(), "DTD_version='", "'");
    const std::string datumTag = utf8ToCp932("<測地系>");
    for (const std::string& line : prepared.lines)
        if (line.find(datumTag) != std::string::npos) {
            facts.datumCode = textAfter(line, datumTag, "<");
            break;
        }
    return facts;
}

}  // namespace kolv
