#include "settings/PatternColorFile.h"

#include "platform/MessageCatalogue.h"
#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Number.h"
#include "platform/FileIo.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"

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

}  // namespace kolv
