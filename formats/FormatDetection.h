#pragma once
#include <string_view>

namespace kolv {

// Format codes of the files the program opens.
namespace FormatCode {
inline constexpr int Unknown = 0;
inline constexpr int Xml110 = 110;
inline constexpr int Xml200 = 200;
inline constexpr int Xml201 = 201;
inline constexpr int Xml202 = 202;
inline constexpr int Xml203 = 203;
inline constexpr int Xml204 = 204;
inline constexpr int XmlUnknownVersion = 209;
inline constexpr int SiblingA480 = 480;
inline constexpr int SiblingA490 = 490;
inline constexpr int SiblingA500 = 500;
inline constexpr int NotReadable509 = 509;
inline constexpr int SiblingB510 = 510;
inline constexpr int Native = 600;
}  // namespace FormatCode

inline bool isXmlFormat(int code)
{
    return code >= 110 && code <= 209;
}

// The format code one line reveals (0 for none). Lines shorter than 4 bytes
// or of 512 bytes and more are never recognised.
int detectFormat(std::string_view line);

}  // namespace kolv
