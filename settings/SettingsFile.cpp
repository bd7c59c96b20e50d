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
    int SettingsValues::*field;
    int defaultValue;
};

struct TextLine {
    int line;
    std::string SettingsValues::*field;
    std::string_view defaultValue;
};

constexpr IntegerLine integerLines[] = {
    {1, &SettingsValues::maxBlowsCopy, 0},
    {2, &SettingsValues::reserved2, 0},
    {3, &SettingsValues::maxBlows, 0},
    {4, &SettingsValues::gridVPitch, 0},
    {5, &SettingsValues::nPlotSymbol, 1},
    {6, &SettingsValues::nDepthLabelPos, 1},
    {7, &SettingsValues::gridHPitch, 0},
    {8, &SettingsValues::paperAtStartup, 0},
    {9, &SettingsValues::paperSize, 0},
    {10, &SettingsValues::paperOrientation, 0},
    {11, &SettingsValues::soilAlphaSymbol, 0},
    {13, &SettingsValues::sampleDepthLabelPos, 1},
    {14, &SettingsValues::reserved14, 0},
    {18, &SettingsValues::outerLineWidth, 2},
    {19, &SettingsValues::innerLineWidth, 1},
    {20, &SettingsValues::nGraphLineWidth, 1},
    {21, &SettingsValues::reserved21, 0},
    {22, &SettingsValues::grid10VLineWidth, 1},
    {23, &SettingsValues::grid10VDash, 0},
    {24, &SettingsValues::grid10VGap, 0},
    {25, &SettingsValues::grid5LineWidth, 0},
    {26, &SettingsValues::grid5Dash, 0},
    {27, &SettingsValues::grid5Gap, 0},
    {28, &SettingsValues::insituLineWidth, 0},
    {29, &SettingsValues::insituLineDash, 0},
    {30, &SettingsValues::insituLineGap, 0},
    {31, &SettingsValues::grid10HLineWidth, 0},
    {32, &SettingsValues::grid10HDash, 0},
    {33, &SettingsValues::grid10HGap, 0},
    {36, &SettingsValues::showConvertedN, 1},
    {37, &SettingsValues::outOfRangeBlackDot, 0},
    {41, &SettingsValues::leftMargin, 5},
    {42, &SettingsValues::topMargin, 5},
    {43, &SettingsValues::depthPerPage, 0},
    {44, &SettingsValues::pageOverlap, 0},
    {45, &SettingsValues::scaleDepthPartOnly, 0},
    {46, &SettingsValues::patternMode, 0},
    {47, &SettingsValues::patternAllBlack, 0},
    {48, &SettingsValues::patternLineWidth, 0},
    {49, &SettingsValues::patternMixMark, 0},
    {51, &SettingsValues::bitmapMono, 0},
    {56, &SettingsValues::gridColorMode, 0},
    {69, &SettingsValues::enterKeyMode, 1},
    {70, &SettingsValues::scrollToLastRow, 0},
};

// The lines whose value, when it fails the numeric test, is their default
// rather than 0: a missing choice must not switch the Enter key to "OK".
constexpr int enterKeyModeLine = 69;
constexpr int scrollToLastRowLine = 70;

constexpr TextLine textLines[] = {
    {35, &SettingsValues::patternFolder, ""},
    {39, &SettingsValues::companyName, "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0"},  // 株式会社
    {40, &SettingsValues::companyTel, "TEL 000-0000-0000"},
    {52, &SettingsValues::quCircleRadius, "0.6"},
    {53, &SettingsValues::quSymbolColor, "000000"},
    {54, &SettingsValues::nZeroText, "\x8E\xA9\x92\xBE"},                        // 自沈
    {55, &SettingsValues::nZeroDenominatorText, "\x8A\xD1\x93\xFC\x95s\x94\\"},  // 貫入不能
    {57, &SettingsValues::grid10Color, "0x808080"},
    {58, &SettingsValues::grid5Color, "0xcccccc"},
    {59, &SettingsValues::elevationTypeMasterPath, ""},
    {61, &SettingsValues::colorToneMasterPath, ""},
    {62, &SettingsValues::engineerMasterPath, ""},
    {63, &SettingsValues::clientMasterPath, ""},
    {64, &SettingsValues::machineMasterPath, ""},
    {65, &SettingsValues::ageMasterPath, ""},
    {66, &SettingsValues::insituMasterPath, ""},
    {67, &SettingsValues::labTestMasterPath, ""},
    {68, &SettingsValues::notesMasterPath, ""},
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

void applySettingsDefaults(SettingsValues& settings)
{
    for (const IntegerLine& line : integerLines)
        settings.*line.field = line.defaultValue;
    for (const TextLine& line : textLines)
        settings.*line.field = std::string(line.defaultValue);
    for (int item = 1; item <= documentOptionDefaultCount; ++item)
        settings.documentOptionDefaults[item - 1] = std::string(documentOptionDefault(item));
}

void applySettingsLines(SettingsValues& settings, const std::vector<std::string>& lines)
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

std::string settingsFileText(const SettingsValues& settings)
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
