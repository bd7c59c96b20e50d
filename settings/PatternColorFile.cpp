#include "settings/PatternColorFile.h"

#include "platform/MessageCatalogue.h"
#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Number.h"
#include "platform/FileIo.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"

#include <algorithm>
#include <cstdint>

namespace kolv {

void readPatternColors(PatternColorTable& table, std::string_view bytes)
{
    table.pairs.clear();
    for (const std::string& line : settingsLines(bytes)) {
        if (static_cast<int>(table.pairs.size()) >= PatternColorTable::capacity)
            break;
        if (line.size() <= 1 || containsText(line, "[") || containsText(line, "{"))
            continue;
        const std::string number = splitCsvField(line, 1);
        if (isNumericText(number) <= 0)
            continue;
        table.pairs.emplace_back(parseLeadingInteger(number),
                                 static_cast<std::uint32_t>(parseUnsignedAutoBase(splitCsvField(line, 2))));
    }
}

bool loadPatternColors(LogSettings& settings, const std::string& windowsPath, Issues& issues)
{
    settings.patternColors.pairs.clear();
    std::string bytes;
    if (!readFileBytes(hostPathOf(settings, windowsPath), bytes)) {
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, windowsPath));
        return false;
    }
    readPatternColors(settings.patternColors, bytes);
    return true;
}

std::vector<PatternColorLine> readPatternColorLines(std::string_view bytes)
{
    std::vector<PatternColorLine> lines;
    for (const std::string& text : settingsLines(bytes)) {
        if (text.size() <= 1)
            continue;
        const std::vector<std::string> fields = splitCsvFields(text, static_cast<int>(PatternColorLine().size()));
        PatternColorLine& line = lines.emplace_back();
        std::copy(fields.begin(), fields.end(), line.begin());
    }
    return lines;
}

std::string patternColorText(const std::vector<PatternColorLine>& lines)
{
    std::string text;
    for (const PatternColorLine& line : lines) {
        for (std::size_t field = 0; field < line.size(); ++field)
            text += (field == 0 ? "" : ",") + csvFieldText(line[field]);
        text += "\r\n";
    }
    return text;
}

bool loadPatternColorLines(const LogSettings& settings, const std::string& windowsPath,
                           std::vector<PatternColorLine>& lines, Issues& issues)
{
    lines.clear();
    std::string bytes;
    if (!readFileBytes(hostPathOf(settings, windowsPath), bytes)) {
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, windowsPath));
        return false;
    }
    lines = readPatternColorLines(bytes);
    return true;
}

bool writePatternColors(const LogSettings& settings, const std::string& windowsPath,
                        const std::vector<PatternColorLine>& lines, Issues& issues)
{
    if (writeFileAtomically(hostPathOf(settings, windowsPath), patternColorText(lines)))
        return true;
    issues.push_back(issueOf(Message::PathSaveFailed, MessageKind::Error, windowsPath));
    return false;
}

}  // namespace kolv
