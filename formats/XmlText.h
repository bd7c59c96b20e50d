#pragma once
// Exchange files as real databases publish them: UTF-8 behind a Shift_JIS
// declaration, several elements on one line, character references. The text
// is brought to one element per line in code page 932 before detection.
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

struct PreparedXml {
    bool isXml = false;               // false: read the bytes as they are
    std::vector<std::string> lines;   // code page 932, without line ends
    std::string warning;              // code page 932; shown when not empty
};

PreparedXml prepareXmlText(std::string_view bytes);

}  // namespace kolv
