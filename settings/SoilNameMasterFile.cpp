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

constexpr std::string_view sectionMark = "[\x91\xE6";   // [第
constexpr std::string_view endMark = "[\x8FI\x97\xB9";  // [終了
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

constexpr int densityBit = 1;
constexpr int consistencyBit = 2;

// "%ld" of a pattern field that is a number, else empty; its mark digit.
std::string editorPatternNumber(std::string_view field, int& markDigit)
{
    long number = -1;
    readPatternField(field, number, markDigit);
    return isNumericText(field) > 0 ? formatText("%ld", number) : std::string();
}

std::string writtenPatternField(const std::string& number, int markDigit)
{
    if (isNumericText(number) <= 0)
        return {};
    return formatText("%ld.%d", parseLeadingInteger(number), markDigit);
}

}  // namespace

bool isSoilNameHeader(std::string_view name)
{
    return containsText(name, "[") || containsText(name, "{");
}

std::vector<SoilNameMasterLine> readSoilNameMasterLines(std::string_view bytes)
{
    std::vector<SoilNameMasterLine> lines;
    for (const std::string& text : settingsLines(bytes)) {
        if (text.size() <= 1)
            continue;
        SoilNameMasterLine line;
        line.name = splitCsvField(text, 1);
        if (!isSoilNameHeader(line.name)) {
            line.symbol = splitCsvField(text, 2);
            int marks = 0;
            for (int set = 0; set < 2; ++set) {
                int digit = 0;
                line.patternNumber[set] = editorPatternNumber(splitCsvField(text, 3 + set), digit);
                marks |= digit;
            }
            line.density = (marks & densityBit) != 0;
            line.consistency = (marks & consistencyBit) != 0;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string soilNameMasterText(const std::vector<SoilNameMasterLine>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const SoilNameMasterLine& line = lines[i];
        if (isSoilNameHeader(line.name)) {
            text += oneLineText(line.name);
            if (i == 0)
                text += formatText(", ,%d,", soilNameMasterVersion);
        } else {
            const int markDigit = (line.density ? densityBit : 0) + (line.consistency ? consistencyBit : 0);
            text += csvFieldText(line.name) + "," + csvFieldText(line.symbol) + ","
                + writtenPatternField(line.patternNumber[0], markDigit) + ","
                + writtenPatternField(line.patternNumber[1], markDigit);
        }
        text += "\r\n";
    }
    return text;
}

bool startsWithSectionHeader(const std::vector<SoilNameMasterLine>& lines)
{
    return !lines.empty() && containsText(lines.front().name, sectionMark);
}

bool loadSoilNameMasterLines(const LogSettings& settings, const std::string& windowsPath,
                             std::vector<SoilNameMasterLine>& lines, Issues& issues)
{
    lines.clear();
    std::string bytes;
    if (!readFileBytes(hostPathOf(settings, windowsPath), bytes)) {
        issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, windowsPath));
        return false;
    }
    lines = readSoilNameMasterLines(bytes);
    return true;
}

bool writeSoilNameMaster(const LogSettings& settings, const std::string& windowsPath,
                         const std::vector<SoilNameMasterLine>& lines, Issues& issues)
{
    if (writeFileAtomically(hostPathOf(settings, windowsPath), soilNameMasterText(lines)))
        return true;
    issues.push_back(issueOf(Message::SaveFailed, MessageKind::Error));
    return false;
}

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
