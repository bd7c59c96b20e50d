#include "formats/FormatDetection.h"

#include "data/Cp932Text.h"

#include <string>

namespace kolv {

namespace {

// "ボーリング情報 DTD" in code page 932.
const std::string xmlBaseMark = "\x83\x7B\x81\x5B\x83\x8A\x83\x93\x83\x4F\x8F\xEE\x95\xF1 DTD";

bool hasVersionMark(std::string_view line, std::string_view version, bool singleQuotesToo)
{
    const std::string prefix = xmlBaseMark + "_version=";
    if (containsText(line, prefix + "\"" + std::string(version) + "\""))
        return true;
    return singleQuotesToo && containsText(line, prefix + "'" + std::string(version) + "'");
}

}  // namespace

FormatCode detectFormat(std::string_view line)
{
    if (line.size() < 4 || line.size() >= 512)
        return FormatCode::Unknown;
    if (hasVersionMark(line, "4.00", false))
        return FormatCode::Xml204;
    if (hasVersionMark(line, "3.00", false))
        return FormatCode::Xml203;
    if (hasVersionMark(line, "2.10", false))
        return FormatCode::Xml202;
    if (hasVersionMark(line, "2.01", false))
        return FormatCode::Xml201;
    if (hasVersionMark(line, "2.00", false))
        return FormatCode::Xml200;
    if (hasVersionMark(line, "1.10", true))
        return FormatCode::Xml110;
    if (containsText(line, xmlBaseMark))
        return FormatCode::XmlUnknownVersion;
    if (containsText(line, "$$_RAZOB1"))
        return FormatCode::SiblingB510;
    if (containsText(line, "$$_RASTL1"))
        return FormatCode::NotReadable509;
    if (containsText(line, "$$_RZORIB5"))
        return FormatCode::SiblingA500;
    if (containsText(line, "$$_XVZORIB5"))
        return FormatCode::SiblingA480;
    if (containsText(line, "$$_WZORIB1"))
        return FormatCode::SiblingA490;
    if (containsText(line, "$$_QZORIB1"))
        return FormatCode::Native;
    return FormatCode::Unknown;
}

}  // namespace kolv
