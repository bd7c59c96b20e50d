#pragma once
#include <string_view>

namespace kolv {

// Format codes of the files the program opens, with the numbers by which
// the family of programs has always known them.
enum class FormatCode : int {
    Unknown = 0,
    Xml110 = 110,
    Xml200 = 200,
    Xml201 = 201,
    Xml202 = 202,
    Xml203 = 203,
    Xml204 = 204,
    XmlUnknownVersion = 209,
    SiblingA480 = 480,
    SiblingA490 = 490,
    SiblingA500 = 500,
    NotReadable509 = 509,
    SiblingB510 = 510,
    Native = 600,
};

constexpr int formatCodeNumber(FormatCode code)
{
    return static_cast<int>(code);
}

// The exchange files of every DTD version.
constexpr bool isXmlFormat(FormatCode code)
{
    return formatCodeNumber(code) >= formatCodeNumber(FormatCode::Xml110)
        && formatCodeNumber(code) <= formatCodeNumber(FormatCode::XmlUnknownVersion);
}

// The format code one line reveals (Unknown for none). Lines shorter than 4
// bytes or of 512 bytes and more are never recognised.
FormatCode detectFormat(std::string_view line);

}  // namespace kolv
