#include "settings/SettingsText.h"

#include "platform/FileIo.h"
#include "platform/Prompter.h"

namespace kolv {

namespace {

constexpr std::string_view fileNotFoundText =
    "\x83t\x83@\x83" "C\x83\x8B\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\n( %1 )";
constexpr std::string_view saveFailedText =
    "\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82\xBD";  // 保存できませんでした

}  // namespace

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

std::string fileNotFoundMessage(const std::string& windowsPath)
{
    return fillPlaceholder(std::string(fileNotFoundText), windowsPath);
}

std::string saveFailedMessage()
{
    return std::string(saveFailedText);
}

std::string pathSaveFailedMessage(const std::string& windowsPath)
{
    return windowsPath + "\n" + std::string(saveFailedText);
}

}  // namespace kolv
