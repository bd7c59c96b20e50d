#include "settings/SettingsFile.h"

#include "data/BoringData.h"
#include "data/Number.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"
#include "settings/ShortTextMaster.h"

#include <string_view>

namespace kolv {

namespace {

struct IntegerLine {
    int line;
    int LogSettings::*field;
    int defaultValue;
};

struct TextLine {
    int line;
    std::string LogSettings::*field;
    std::string_view defaultValue;
};

constexpr IntegerLine integerLines[] = {
    {1, &LogSettings::maxBlowsCopy, 0},
    {2, &LogSettings::reserved2, 0},
    {3, &LogSettings::maxBlows, 0},
    {4, &LogSettings::gridVPitch, 0},
    {5, &LogSettings::nPlotSymbol, 1},
    {6, &LogSettings::nDepthLabelPos, 1},
    {7, &LogSettings::gridHPitch, 0},
    {8, &LogSettings::paperAtStartup, 0},
    {9, &LogSettings::paperSize, 0},
    {10, &LogSettings::paperOrientation, 0},
    {11, &LogSettings::soilAlphaSymbol, 0},
    {13, &LogSettings::sampleDepthLabelPos, 1},
    {14, &LogSettings::reserved14, 0},
    {18, &LogSettings::outerLineWidth, 2},
    {19, &LogSettings::innerLineWidth, 1},
    {20, &LogSettings::nGraphLineWidth, 1},
    {21, &LogSettings::reserved21, 0},
    {22, &LogSettings::grid10VLineWidth, 1},
    {23, &LogSettings::grid10VDash, 0},
    {24, &LogSettings::grid10VGap, 0},
    {25, &LogSettings::grid5LineWidth, 0},
    {26, &LogSettings::grid5Dash, 0},
    {27, &LogSettings::grid5Gap, 0},
    {28, &LogSettings::insituLineWidth, 0},
    {29, &LogSettings::insituLineDash, 0},
    {30, &LogSettings::insituLineGap, 0},
    {31, &LogSettings::grid10HLineWidth, 0},
    {32, &LogSettings::grid10HDash, 0},
    {33, &LogSettings::grid10HGap, 0},
    {36, &LogSettings::showConvertedN, 1},
    {37, &LogSettings::outOfRangeBlackDot, 0},
    {41, &LogSettings::leftMargin, 5},
    {42, &LogSettings::topMargin, 5},
    {43, &LogSettings::depthPerPage, 0},
    {44, &LogSettings::pageOverlap, 0},
    {45, &LogSettings::scaleDepthPartOnly, 0},
    {46, &LogSettings::patternMode, 0},
    {47, &LogSettings::patternAllBlack, 0},
    {48, &LogSettings::patternLineWidth, 0},
    {49, &LogSettings::patternMixMark, 0},
    {51, &LogSettings::bitmapMono, 0},
    {56, &LogSettings::gridColorMode, 0},
    {69, &LogSettings::enterKeyMode, 1},
    {70, &LogSettings::scrollToLastRow, 0},
};

// The lines whose value, when it fails the numeric test, is their default
// rather than 0: a missing choice must not switch the Enter key to "OK".
constexpr int enterKeyModeLine = 69;
constexpr int scrollToLastRowLine = 70;

constexpr TextLine textLines[] = {
    {35, &LogSettings::patternFolder, ""},
    {39, &LogSettings::companyName, "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0"},  // 株式会社
    {40, &LogSettings::companyTel, "TEL 000-0000-0000"},
    {52, &LogSettings::quCircleRadius, "0.6"},
    {53, &LogSettings::quSymbolColor, "000000"},
    {54, &LogSettings::nZeroText, "\x8E\xA9\x92\xBE"},                    // 自沈
    {55, &LogSettings::nZeroDenominatorText, "\x8A\xD1\x93\xFC\x95s\x94\\"},  // 貫入不能
    {57, &LogSettings::grid10Color, "0x808080"},
    {58, &LogSettings::grid5Color, "0xcccccc"},
    {59, &LogSettings::elevationTypeMasterPath, ""},
    {61, &LogSettings::colorToneMasterPath, ""},
    {62, &LogSettings::engineerMasterPath, ""},
    {63, &LogSettings::clientMasterPath, ""},
    {64, &LogSettings::machineMasterPath, ""},
    {65, &LogSettings::ageMasterPath, ""},
    {66, &LogSettings::insituMasterPath, ""},
    {67, &LogSettings::labTestMasterPath, ""},
    {68, &LogSettings::notesMasterPath, ""},
};

constexpr int soilMasterPathLine = 60;
constexpr int firstDocumentOptionLine = 71;  // item n on line 70 + n
constexpr int lastDocumentOptionLine = firstDocumentOptionLine + documentOptionDefaultCount - 1;

constexpr std::string_view documentOptionDefault(int item)
{
    switch (item) {
    case 22:
        return "0.";
    case 23:
        return "500";
    case 24:
        return "100";
    default:
        return "";
    }
}

// atoi of a line that passes the numeric test (an overflow reads as 0).
int settingsInteger(std::string_view text, int fallback)
{
    return isNumericText(text) > 0 ? static_cast<int>(parseLeadingInteger(text)) : fallback;
}

// A text line ends at a NUL byte, as it does when the file is saved, so that
// what is read is what the next save writes (an empty text takes its default).
std::string textBeforeNul(const std::string& line)
{
    return line.substr(0, line.find('\0'));
}

}  // namespace

void applySettingsDefaults(LogSettings& settings)
{
    for (const IntegerLine& line : integerLines)
        settings.*line.field = line.defaultValue;
    for (const TextLine& line : textLines)
        settings.*line.field = std::string(line.defaultValue);
    for (int item = 1; item <= documentOptionDefaultCount; ++item)
        settings.documentOptionDefaults[item - 1] = std::string(documentOptionDefault(item));
}

void applySettingsLines(LogSettings& settings, const std::vector<std::string>& lines)
{
    const int count = static_cast<int>(lines.size());
    for (const IntegerLine& line : integerLines) {
        if (line.line >= count)
            continue;
        const bool keepsDefault = line.line == enterKeyModeLine || line.line == scrollToLastRowLine;
        settings.*line.field = settingsInteger(lines[line.line], keepsDefault ? line.defaultValue : 0);
    }
    for (const TextLine& line : textLines) {
        if (line.line < count)
            settings.*line.field = textBeforeNul(lines[line.line]);
    }
    for (int number = firstDocumentOptionLine; number <= lastDocumentOptionLine && number < count; ++number)
        settings.documentOptionDefaults[number - firstDocumentOptionLine] = textBeforeNul(lines[number]);
}

void applySettingsFixUps(LogSettings& settings)
{
    settings.reserved2 = 0;
    settings.reserved21 = 0;
    if (settings.leftMargin < 1 || settings.leftMargin > 100)
        settings.leftMargin = 5;
    if (settings.topMargin < 1 || settings.topMargin > 100)
        settings.topMargin = 5;
    for (int kind = 0; kind < shortTextMasterCount; ++kind) {
        std::string& path = settings.*shortTextMasterInfo(static_cast<ShortTextMasterKind>(kind)).pathField;
        if (path.empty())
            path = defaultShortTextMasterPath(settings, static_cast<ShortTextMasterKind>(kind));
    }
    if (settings.patternFolder.empty())
        settings.patternFolder = installFile(settings, "Jbptn");
    if (settings.grid10Color.empty())
        settings.grid10Color = "0x808080";
    if (settings.depthPerPage > 38)
        settings.depthPerPage = 38;
}

std::string settingsFileText(const LogSettings& settings)
{
    std::vector<std::string> lines(settingsLineCount);
    lines[0] = "502";
    for (const IntegerLine& line : integerLines)
        lines[line.line] = formatText("%d", settings.*line.field);
    for (const TextLine& line : textLines)
        lines[line.line] = oneLineText(settings.*line.field);
    lines[soilMasterPathLine] = oneLineText(settings.soilMasterPath);
    for (int number = firstDocumentOptionLine; number <= lastDocumentOptionLine; ++number)
        lines[number] = oneLineText(settings.documentOptionDefaults[number - firstDocumentOptionLine]);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

}  // namespace kolv
