#include "settings/SettingsText.h"

#include "data/Cp932Text.h"
#include "platform/FileIo.h"

namespace kolv {

std::vector<std::string> settingsLines(std::string_view bytes)
{
    std::vector<std::string> lines = splitLines(bytes);
    for (std::string& line : lines) {
        const std::size_t nul = line.find('\0');
        if (nul != std::string::npos)
            line.resize(nul);
    }
    return lines;
}

bool readSettingsLines(const std::string& hostPath, std::vector<std::string>& lines)
{
    std::string bytes;
    if (!readFileBytes(hostPath, bytes)) {
        lines.clear();
        return false;
    }
    lines = settingsLines(bytes);
    return true;
}

std::string oneLineText(std::string_view text)
{
    // CR, LF and NUL are single bytes that never occur inside a double-byte
    // character, so a byte walk is exact.
    std::string line;
    line.reserve(text.size());
    for (char c : text) {
        if (c == '\0')
            break;
        line.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    return line;
}

std::string csvFieldText(std::string_view text)
{
    constexpr std::string_view fullWidthQuote = "\xFA\x57";  // ＂
    const std::string value = replaceAllText(oneLineText(text), "\"", fullWidthQuote);
    return containsText(value, ",") ? "\"" + value + "\"" : value;
}

}  // namespace kolv
