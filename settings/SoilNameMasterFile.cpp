#include "settings/SoilNameMasterFile.h"

#include "platform/MessageCatalogue.h"
#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Number.h"
#include "platform/FileIo.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

constexpr std::string_view sectionMark = "[\x91\xE6";  // [第
constexpr std::string_view endMark = "[\x8FI\x97\xB9";   // [終了
constexpr int firstDataSection = 1;
constexpr int lastDataSection = 3;

void clearSet(SoilNameMaster& master, int set)
{
    for (int section = 0; section < SoilNameMaster::sectionCount; ++section) {
        master.firstRow[section][set] = 0;
        master.lastRow[section][set] = 0;
    }
}

// The pattern number (atol of the field, -1 when it fails the numeric test)
// and the mark digit (the first decimal, from the whole part of the fraction
// times 10 plus 0.1 against binary rounding: "12.3" gives 3).
void readPatternField(std::string_view field, long& number, int& markDigit)
{
    if (isNumericText(field) <= 0) {
        number = -1;
        markDigit = 0;
        return;
    }
    number = parseLeadingInteger(field);
    const double value = parseLeadingNumber(field);
    markDigit = static_cast<int>((value - std::floor(value)) * 10.0 + 0.1);
}

}  // namespace

int readSoilNameMaster(SoilNameMaster& master, std::string_view bytes, int set)
{
    if (set != 0 && set != 1)
        return 0;
    clearSet(master, set);
    int version = 0;
    int section = 0;
    int rowCount = 0;
    for (const std::string& line : settingsLines(bytes)) {
        if (line.size() < 3)
            continue;
        if (containsText(line, endMark))
            break;
        if (containsText(line, sectionMark)) {
            if (++section == 1)
                version = static_cast<int>(parseLeadingInteger(splitCsvField(line, 3)));
            continue;
        }
        if (section < firstDataSection || section > lastDataSection)
            continue;
        if (++rowCount > SoilNameMaster::capacity)
            continue;
        if (static_cast<int>(master.rows.size()) < rowCount)
            master.rows.resize(static_cast<std::size_t>(rowCount));
        SoilNameRow& row = master.rows[static_cast<std::size_t>(rowCount - 1)];
        row.name = splitCsvField(line, 1);
        row.symbol = splitCsvField(line, 2);
        readPatternField(splitCsvField(line, 3 + set), row.patternNumber[set], row.markDigit[set]);
        if (master.firstRow[section][set] == 0)
            master.firstRow[section][set] = rowCount;
        master.lastRow[section][set] = rowCount;
    }
    // Rows beyond this file's rows belong to an earlier file: drop them.
    const int storedRows = std::min(rowCount, SoilNameMaster::capacity);
    if (static_cast<int>(master.rows.size()) > storedRows)
        master.rows.resize(static_cast<std::size_t>(storedRows));
    master.version = version;
    return version;
}

int loadSoilNameMaster(LogSettings& settings, const std::string& windowsPath, int set, Issues& issues)
{
    SoilNameMaster& master = settings.soilNameMaster;
    if ((set != 0 && set != 1) || windowsPath.size() <= 1)
        return 0;
    std::string bytes;
    if (!readFileBytes(hostPathOf(settings, windowsPath), bytes)) {
        clearSet(master, set);
        master.version = 0;
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, windowsPath));
        return 0;
    }
    return readSoilNameMaster(master, bytes, set);
}

}  // namespace kolv
