#include "render/LogFrame.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "data/RoleCaptions.h"
#include "platform/Cp932Codec.h"
#include "render/LogPrimitives.h"
#include "render/NValueColumn.h"
#include "render/TextColumns.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kolv {

const std::array<const char*, titleCaptionCount> titleCaptions{
    "ボーリング №",
    "孔内水位",
    "調査名",
    "場所",
    "発注機関",
    "施工期日",
    "実施者名",
    defaultRoleCaptions[0],
    defaultRoleCaptions[1],
    defaultRoleCaptions[2],
    defaultRoleCaptions[3],
    "標高(地盤高)",
    "使用機械",
    "最終深さ",
};

namespace {

// Rows of the title block and of the heading band, in title-band units.
constexpr double titleY = -6.5;
constexpr std::array<double, 4> titleRowEdges{-5.3, -4.7, -4.1, -3.5};
constexpr double headingTop = -3.0;
constexpr int headingSubRows = 11;
constexpr double headingSubRow = 3.0 / headingSubRows;

constexpr std::array<double, 3> titleGroupBaseStart{10, 120, 175};

std::string cp932(const char* utf8)
{
    return utf8ToCp932(utf8);
}

std::string caption(int entry)
{
    return cp932(titleCaptions[entry - 1]);
}

bool switchSet(const std::string& text)
{
    return parseLeadingInteger(text) != 0;
}

bool numeric(const std::string& text)
{
    return isNumericText(text) > 0;
}

// "%2.2s" on code page 932: at most two bytes, never half a character,
// right-aligned in two columns.
std::string twoBytes(const std::string& text)
{
    std::string cut(cutToBytes(text, 2));
    if (cut.size() < 2)
        cut.insert(0, 2 - cut.size(), ' ');
    return cut;
}

double subRowY(int row)
{
    return headingTop + row * headingSubRow;
}

// Millimetres of the sheet as metres of depth at the depth scale.
double sheetMillimetresAsDepth(const DrawContext& context, double millimetres)
{
    return millimetres * context.mapping.verticalScale * 0.001;
}

// Lines of a column heading centred in the column, stacked in the sub-rows
// firstRow ... lastRow with a blank sub-row between them where they fit.
void drawHeadingLines(DrawContext& context, int left, int right, int firstRow, int lastRow,
                      const std::vector<std::string>& lines)
{
    if (lines.empty() || context.columnX[right] - context.columnX[left] < hiddenColumnWidth - 1e-9)
        return;
    const int available = lastRow - firstRow + 1;
    const int count = static_cast<int>(lines.size());
    const int pitch = count * 2 - 1 <= available ? 2 : 1;
    const int used = (count - 1) * pitch + 1;
    const int first = firstRow + std::max(0, (available - used) / 2);
    const double x1 = context.columnX[left];
    const double x2 = context.columnX[right];
    for (int i = 0; i < count; ++i) {
        const int row = first + i * pitch;
        const double y1 = subRowY(row);
        const double y2 = subRowY(row + 1);
        drawTextCentredInBox(context, x1, y1, x2, y2, lines[i]);
    }
}

struct TitleCell {
    int group;
    int row;  // 1..3
    int captionEntry;
    std::string value;
};

std::string surveyPeriod(const BoringData& data)
{
    return surveyDate(data.headingLine(HeadingLine::StartEra), data.headingLine(HeadingLine::StartYear),
                      data.headingLine(HeadingLine::StartMonth), data.headingLine(HeadingLine::StartDay))
        + cp932("～")
        + surveyDate(data.headingLine(HeadingLine::EndEra), data.headingLine(HeadingLine::EndYear),
                     data.headingLine(HeadingLine::EndMonth), data.headingLine(HeadingLine::EndDay));
}

double collarElevation(const BoringData& data)
{
    return parseLeadingNumber(data.headingLine(HeadingLine::CollarElevation));
}

}  // namespace

std::string defaultLogTitle()
{
    return cp932("土 質 柱 状 図");
}

std::string logTitle(const BoringData& data)
{
    const std::string& title = data.headingLine(HeadingLine::Title);
    return skipLeadingBlanks(title).empty() ? defaultLogTitle() : title;
}

std::string surveyDate(const std::string& era, const std::string& year, const std::string& month,
                       const std::string& day)
{
    std::string date = era;
    if (numeric(year)) {
        const long value = parseLeadingInteger(year);
        date += value != 0 ? formatText("%ld", value) + cp932("年") : cp932("元年");
    } else {
        date += twoBytes(year) + cp932("年");
    }
    date +=
        numeric(month) ? formatText("%ld", parseLeadingInteger(month)) + cp932("月") : twoBytes(month) + cp932("月");
    date += numeric(day) ? formatText("%ld", parseLeadingInteger(day)) + cp932("日") : twoBytes(day) + cp932("日");
    return date;
}

std::string elevationText(const BoringData& data)
{
    const std::string& elevation = data.headingLine(HeadingLine::CollarElevation);
    std::string value;
    if (switchSet(data.headingLine(HeadingLine::CollarElevationAsText)))
        value = elevation + "m";
    else if (numeric(elevation))
        value = formatText("%3.2fm", parseLeadingNumber(elevation));
    else
        value = "m";
    return data.headingLine(HeadingLine::ElevationType) + " " + value;
}

std::string waterLevelText(const BoringData& data)
{
    const std::string& level = data.headingLine(HeadingLine::WaterLevel);
    if (skipLeadingBlanks(level).empty())
        return cp932("　m");
    if (!numeric(level))
        return level;
    const double value = parseLeadingNumber(level);
    if (!switchSet(data.headingLine(HeadingLine::WaterLevelAsElevation)))
        return formatText("GL %2.2fm ", value);
    return data.headingLine(HeadingLine::ElevationType) + formatText(" %2.2fm ", collarElevation(data) + value);
}

std::string finalDepthText(const BoringData& data)
{
    const std::string& depth = data.headingLine(HeadingLine::FinalDepth);
    if (!numeric(depth))
        return "  m";
    if (switchSet(data.headingLine(HeadingLine::FinalDepthAsText)))
        return data.headingLine(HeadingLine::ElevationType) + " " + depth + "m";
    return data.headingLine(HeadingLine::ElevationType) + formatText(" %3.2fm", parseLeadingNumber(depth));
}

bool splitsVerticalLines(int depthPerPage)
{
    return depthPerPage >= 38 && depthPerPage < 60;
}

namespace {

// A label keeps at least half a character clear of its value.
constexpr double labelGapInCharacters = 0.5;
// A value keeps this clear of the next group's label.
constexpr double valueGapBeforeNextLabel = 1.0;

// Draws a fitted text vertically centred in the row, in the current font
// narrowed as the fit says.
void drawFittedInRow(DrawContext& context, double x, double top, double bottom, const FittedText& text)
{
    const FontRequest font = context.currentFont;
    if (text.widthPercent < 100) {
        FontRequest condensed = font;
        condensed.widthPercent = text.widthPercent;
        useFont(context, condensed);
    }
    drawTextCentredInBand(context, x, top, bottom, text.text);
    if (text.widthPercent < 100)
        useFont(context, font);
}

// A label spread over its cell (condensed into it when it is wider).
void drawTitleLabel(DrawContext& context, double left, double right, double top, double bottom,
                    const std::string& label)
{
    const double characterSize = textHeightInX(context);
    // The spread ends with a double-byte character's width; a label ending
    // in a single-byte one ("標高(地盤高)") would reach past its cell by the
    // spread's last steps, so the cell it is spread over is narrowed.
    const std::size_t bytes = label.size();
    std::size_t lastStart = 0;
    for (std::size_t position = 0; position < bytes; position += characterLength(label, position))
        lastStart = position;
    if (bytes >= 3 && lastStart == bytes - 1) {
        const double last = static_cast<double>(bytes - 1) / static_cast<double>(bytes - 2);
        const double widest = characterSize + (right - left - characterSize / 2) / last;
        right = std::min(right, left + std::max(widest, characterSize));
    }
    drawSpreadText(context, left, right, top, bottom, label);
}

// Where a text is split into two lines: at the first character boundary
// where the first line reaches half the width, moved back until the first
// line fits the room at the narrowest scale. The boundary that fits is found
// first, so that a text many times longer than its room is measured only as
// far as the room reaches.
std::size_t twoLineSplit(DrawContext& context, const std::string& text, double room)
{
    const double half = textWidthInX(context, text) / 2;
    const std::vector<std::size_t> boundaries = characterBoundaries(text);
    const auto prefixWidth = [&](std::size_t index) {
        return textWidthInX(context, text.substr(0, boundaries[index]));
    };
    const std::size_t fitting = lastAcceptedIndex(boundaries.size(), [&](std::size_t index) {
        return prefixWidth(index) * narrowestWidthPercent / 100.0 <= room;
    });
    std::size_t chosen = fitting;
    if (half <= 0.0)
        chosen = 0;
    else if (prefixWidth(fitting) >= half)
        chosen = lastAcceptedIndex(fitting + 1, [&](std::size_t index) { return prefixWidth(index) < half; }) + 1;
    return chosen == 0 ? boundaries.size() > 1 ? boundaries[1] : text.size() : boundaries[chosen];
}

// A value in its range: as it is, condensed, in two lines at a smaller size
// (each condensed as needed), and only then cut with "…". Returns the width
// drawn.
double drawTitleValue(DrawContext& context, double left, double right, double top, double bottom,
                      const std::string& value)
{
    const double room = right - left;
    const FittedText single = fitTextToWidth(context, value, room);
    if (single.widthPercent >= narrowestWidthPercent && single.text == value) {
        drawFittedInRow(context, left, top, bottom, single);
        return single.width;
    }
    const FontRequest font = context.currentFont;
    FontRequest smaller = font;
    const int rowHeight = std::abs(context.mapping.toDeviceY(bottom) - context.mapping.toDeviceY(top));
    smaller.height = std::min(std::abs(font.height), std::max(rowHeight / 2, 1));
    useFont(context, smaller);
    const std::size_t split = twoLineSplit(context, value, room);
    std::string second(skipLeadingBlanks(value.substr(split)));
    const FittedText first = fitTextToWidth(context, value.substr(0, split), room);
    const FittedText rest = fitTextToWidth(context, second, room);
    const double middle = (top + bottom) / 2;
    drawFittedInRow(context, left, top, middle, first);
    drawFittedInRow(context, left, middle, bottom, rest);
    useFont(context, font);
    return std::max(first.width, rest.width);
}

}  // namespace

void drawTitleBlock(DrawContext& context)
{
    const BoringData& data = context.data;
    const ColumnPositions& columnX = context.columnX;

    selectBandTitleFont(context);
    const std::string title = logTitle(data);
    const double centre = (columnX[Column::LogLeft] + columnX[Column::LogRight]) / 2;
    drawTextAt(context, centre, titleY, title, TextAlign::Center | TextAlign::Top);
    const double titleWidth = textWidthInX(context, title);
    const double titleHeight = textHeightInY(context);
    for (double factor : {1.1, 1.2})
        drawLogLine(context, centre - 0.51 * titleWidth, factor * titleHeight + titleY, centre + 0.51 * titleWidth,
                    factor * titleHeight + titleY, innerPen(context));

    selectBandFontSlot(context, FontRole::Title);
    std::array<double, 3> labelStart{};
    for (int group = 0; group < 3; ++group)
        labelStart[group] = titleGroupBaseStart[group]
            + parseLeadingNumber(data.documentOption(DocumentOptionItem::FirstTitleGroupOffset + group).value);
    // A value's range ends before the next group's label; the last group's
    // at the frame's right edge.
    const std::array<double, 3> valueEnd{labelStart[1] - valueGapBeforeNextLabel,
                                         labelStart[2] - valueGapBeforeNextLabel, columnX[Column::LogRight]};

    const std::vector<TitleCell> cells{
        {0, 1, 3, data.headingLine(HeadingLine::SurveyName)},
        {0, 2, 1, data.headingLine(HeadingLine::BoringName)},
        {0, 3, 6, surveyPeriod(data)},
        {1, 1, 12, elevationText(data)},
        {1, 2, 2, waterLevelText(data)},
        {1, 3, 14, finalDepthText(data)},
        {2, 1, 4, data.headingLine(HeadingLine::SurveyLocation)},
        {2, 2, 13, data.headingLine(HeadingLine::DrillingMachine)},
        {2, 3, 7, data.headingLine(HeadingLine::CompanyName)},
    };
    const double labelGap = labelGapInCharacters * textHeightInX(context);
    std::array<double, 3> widestValue{};
    for (const TitleCell& cell : cells) {
        const double start = labelStart[cell.group];
        const double valueStart = start + 25;
        const double top = titleRowEdges[cell.row - 1];
        const double bottom = titleRowEdges[cell.row];
        const double labelEnd = std::min(cell.captionEntry == 12 ? start + 25 : start + 20, valueStart - labelGap);
        drawTitleLabel(context, start, labelEnd, top, bottom, caption(cell.captionEntry));
        if (cell.value.empty())
            continue;
        const double drawn = drawTitleValue(context, valueStart, valueEnd[cell.group], top, bottom, cell.value);
        widestValue[cell.group] = std::max(widestValue[cell.group], drawn);
    }
    for (int group = 0; group < 3; ++group)
        for (int row = 1; row <= 3; ++row)
            drawLogLine(context, labelStart[group], titleRowEdges[row], labelStart[group] + 25 + widestValue[group],
                        titleRowEdges[row], innerPen(context));
}

void drawHeadings(DrawContext& context)
{
    const ColumnPositions& columnX = context.columnX;
    const double left = columnX[Column::LogLeft];
    const double right = columnX[Column::LogRight];
    const Pen inner = innerPen(context);
    const Pen outer = outerPen(context);

    selectBandFontSlot(context, FontRole::HeadingLabels);

    // The groups: 現場判定 over the soil name, colour tone and notes;
    // 標準貫入試験 over the N value and blow counts, with 10㎝毎の打撃回数 over
    // the three counts; 試験結果 over the graph and its margins.
    const int groupRow = 3;
    const int countsRow = 6;
    drawSpreadText(context, columnX[Column::Thickness] + 16, columnX[14] - 18, subRowY(0), subRowY(groupRow),
                   cp932("現場判定"));
    drawLogLine(context, columnX[Column::SoilSymbol], subRowY(groupRow), columnX[Column::ObservationNotes],
                subRowY(groupRow), inner);
    drawSpreadText(context, columnX[14] + 1, columnX[Column::Blows30] - 1, subRowY(0), subRowY(groupRow),
                   cp932("標準貫入試験"));
    drawLogLine(context, columnX[14], subRowY(groupRow), columnX[Column::Blows30], subRowY(groupRow), inner);
    drawSpreadText(context, columnX[Column::NValue] + 1, columnX[Column::Blows30] - 1, subRowY(groupRow),
                   subRowY(groupRow + 1) + headingSubRow / 2, cp932("10㎝毎の"));
    drawSpreadText(context, columnX[Column::NValue] + 1, columnX[Column::Blows30] - 1,
                   subRowY(groupRow + 1) + headingSubRow / 2, subRowY(countsRow), cp932("打撃回数"));
    drawLogLine(context, columnX[Column::NValue], subRowY(countsRow), columnX[Column::Blows30], subRowY(countsRow),
                inner);
    drawSpreadText(context, columnX[Column::Blows30] + 8, columnX[Column::GraphRightMargin] - 8, subRowY(0), subRowY(2),
                   cp932("試　験　結　果"));

    const int last = headingSubRows - 1;
    drawHeadingLines(context, 0, 1, 0, last, {cp932("標尺")});
    drawHeadingLines(context, 1, 2, 0, last, {cp932("深さ"), cp932("工事用"), cp932("基準面"), "(m)"});
    drawHeadingLines(context, 2, 3, 0, last, {cp932("深さ")});
    drawHeadingLines(context, 3, 4, 0, last, {cp932("層厚")});
    drawHeadingLines(context, 4, 5, 0, last, {cp932("土質"), cp932("記号")});
    drawHeadingLines(context, 5, 6, groupRow, last, {cp932("土質名")});
    drawHeadingLines(context, 6, 7, groupRow, last, {cp932("色調")});
    drawHeadingLines(context, 9, 10, groupRow, last, {cp932("観 察 記 事")});
    drawHeadingLines(context, 14, 15, groupRow, last, {cp932("Ｎ値"), cp932("回/"), cp932("　cm")});
    drawHeadingLines(context, 15, 16, countsRow, last, {"10", "cm"});
    drawHeadingLines(context, 16, 17, countsRow, last, {"20", "cm"});
    drawHeadingLines(context, 17, 18, countsRow, last, {"30", "cm"});
    drawHeadingLines(context, 23, 24, 0, last, {cp932("試料番号")});
    drawHeadingLines(context, 25, 26, 0, last, {cp932("採取深度"), "(m)"});
    drawHeadingLines(context, 27, 28, 0, last, {cp932("回収比")});

    // Column rules: from the top of the band, or from below the group heading
    // for the columns of a group; none inside the graph's heading.
    for (int k = 1; k < Column::LogRight; ++k) {
        if (!columnVisible(columnX, k) || k == Column::GraphLeftMargin || k == Column::Graph)
            continue;
        int firstRow = 0;
        if (k > Column::SoilSymbol && k < Column::ObservationNotes)
            firstRow = groupRow;
        else if (k == Column::NValue)
            firstRow = groupRow;
        else if (k == Column::Blows10 || k == Column::Blows20)
            firstRow = countsRow;
        drawLogLine(context, columnX[k], subRowY(firstRow), columnX[k], 0.0, inner);
    }

    drawNValueGraphScales(context);
    selectBandFontSlot(context, FontRole::HeadingLabels);

    drawLogLine(context, left, headingTop, right, headingTop, outer);
    drawLogLine(context, left, headingTop, left, 0.0, outer);
    drawLogLine(context, right, headingTop, right, 0.0, outer);
    drawLogLine(context, left, 0.0, right, 0.0, inner);
}

void drawContractorName(DrawContext& context)
{
    selectFontSlot(context, FontRole::Title);
    const double y = context.pageBottom + sheetMillimetresAsDepth(context, context.freeNotesHeight + 2.0);
    drawTextAt(context, context.columnX[Column::LogRight] - 3, y, context.settings.companyName,
               TextAlign::Right | TextAlign::Top);
}

void drawGroundAndBottomRules(DrawContext& context)
{
    const double left = context.columnX[Column::LogLeft];
    const double right = context.columnX[Column::LogRight];
    if (context.pageStart < 0)
        drawLogLine(context, left, 0.0, right, 0.0, innerPen(context));
    drawLogLine(context, left, context.pageBottom, right, context.pageBottom, outerPen(context));
}

void drawDepthZeroLabels(DrawContext& context)
{
    const BoringData& data = context.data;
    if (occupiedRowCount(data.layerRows) > 0 && context.pageStart >= 0)
        return;
    const long choice = parseLeadingInteger(data.headingLine(HeadingLine::DepthZeroLabel));
    std::string upper;
    std::string lower;
    if (choice == 0) {
        upper = "GL";
        lower = "0.00m";
    } else if (choice == 1) {
        upper = data.headingLine(HeadingLine::ElevationType);
        const std::string& elevation = data.headingLine(HeadingLine::CollarElevation);
        lower = numeric(elevation) ? formatText("%.2f", parseLeadingNumber(elevation)) : elevation;
    } else {
        return;
    }
    selectFontSlot(context, FontRole::Body);
    const ColumnPositions& columnX = context.columnX;
    const double lineHeight = textHeightInY(context);
    const std::array<int, 2> boxes{Column::DepthScale, Column::RecoveryBar};
    if (lineHeight > 0 && -context.pageStart >= 1.5 * lineHeight) {
        for (int k : boxes) {
            drawTextCentredInBox(context, columnX[k], -2 * lineHeight, columnX[k + 1], -lineHeight, upper);
            drawTextCentredInBox(context, columnX[k], -lineHeight, columnX[k + 1], 0.0, lower);
        }
        return;
    }
    // Without room above the ground the label goes on one line just below it.
    const std::string single = choice == 0 ? "GL 0.00m" : upper + " " + lower;
    for (int k : boxes)
        drawTextAt(context, columnX[k] + 0.2, 0.0, single, TextAlign::Left | TextAlign::Top);
}

void clipToPage(DrawContext& context)
{
    const LogMapping& mapping = context.mapping;
    context.device.setClip({mapping.toDeviceX(0.0), mapping.toDeviceY(context.pageStart),
                            mapping.toDeviceX(context.clipWidth), mapping.toDeviceY(context.pageBottom)});
}

void drawBodyFrame(DrawContext& context)
{
    const ColumnPositions& columnX = context.columnX;
    const double start = context.pageStart;
    const double bottom = context.pageBottom;
    const double middle = start + context.depthPerPage / 2;
    auto verticalRule = [&](double x, const Pen& pen) {
        if (splitsVerticalLines(context.depthPerPage)) {
            drawLogLine(context, x, start, x, middle, pen);
            drawLogLine(context, x, middle, x, bottom, pen);
        } else {
            drawLogLine(context, x, start, x, bottom, pen);
        }
    };
    verticalRule(columnX[Column::LogLeft], outerPen(context));
    verticalRule(columnX[Column::LogRight], outerPen(context));
    for (int k = 1; k < Column::LogRight; ++k)
        if (columnVisible(columnX, k))
            verticalRule(columnX[k], innerPen(context));
}

namespace {

// The whole-metre tick of the depth scale, and the room kept beside it.
constexpr double longestTick = 2.0;
constexpr double tickGap = 0.2;
// Marks this close to the page's edges still belong to the page.
constexpr double depthTolerance = 0.000001;

}  // namespace

void drawDepthScale(DrawContext& context)
{
    const BoringData& data = context.data;
    const double scaleRight = context.columnX[Column::DepthScale];
    const double start = context.pageStart;
    const Pen pen = innerPen(context);
    for (int metre = 0; metre < context.depthPerPage; ++metre) {
        for (int tenth = 1; tenth <= 9; ++tenth) {
            const double y = start + metre + 0.1 * tenth;
            drawLogLine(context, scaleRight, y, scaleRight - (tenth == 5 ? 1.4 : 0.8), y, pen);
        }
        drawLogLine(context, scaleRight, start + metre + 1, scaleRight - longestTick, start + metre + 1, pen);
    }

    selectFontSlot(context, FontRole::Body);
    const double centre = (context.columnX[Column::LogLeft] + scaleRight) / 2;
    const long firstMetre = static_cast<long>(std::floor(start + 0.00001));
    const double elevation = collarElevation(data);
    const long elevationMetre = static_cast<long>(std::floor(elevation + 0.0001));
    double fraction = elevation - static_cast<double>(elevationMetre);
    if (fraction < 0.00001)
        fraction = 0.0;
    const bool byDepth = parseLeadingInteger(data.headingLine(HeadingLine::ScaleNumbering)) == 1;
    const double height = textHeightInY(context);
    const double halfHeight = height / 2;
    const double left = context.columnX[Column::LogLeft];
    // With drilling dates in the column the numbers stand right, against the
    // ticks, and a number that would still touch a date mark is left out.
    const std::vector<LogBox> dates = drillingDateBoxes(context);
    std::vector<double> drillingDepths;
    if (!dates.empty()) {
        const int rows = occupiedRowCount(data.drillingRows);
        for (int row = 1; row <= rows; ++row)
            drillingDepths.push_back(depthOf(data.drillingRows.cell(row, DrillingCell::Depth)));
    }
    const double numberRight = scaleRight - longestTick - tickGap;
    for (int i = 0; i <= context.depthPerPage; ++i) {
        if (i == 0 && firstMetre == elevationMetre)
            continue;
        const long number = byDepth ? firstMetre + i : elevationMetre - firstMetre - i;
        const double mark = byDepth ? static_cast<double>(firstMetre + i) : firstMetre + i + fraction;
        if (mark < start - depthTolerance || mark > context.pageBottom + depthTolerance)
            continue;
        // A number on the page's top or bottom edge is drawn whole inside the
        // page, below the heading band.
        const double top = std::clamp(mark - halfHeight, start, context.pageBottom - height);
        const std::string text = formatText("%ld", number);
        if (dates.empty()) {
            drawTextWithin(context, centre, top, text, TextAlign::Center | TextAlign::Top, left, scaleRight);
            continue;
        }
        const double width = std::min(textWidthInX(context, text), numberRight - left);
        const bool touchesDate = std::any_of(dates.begin(), dates.end(), [&](const LogBox& date) {
            return date.left < numberRight && numberRight - width < date.right && date.top < top + height
                && top < date.bottom;
        });
        // The line of a drilling depth runs across the whole column.
        const bool crossedByDate = std::any_of(drillingDepths.begin(), drillingDepths.end(), [&](double depth) {
            return depth > top + depthTolerance && depth < top + height - depthTolerance;
        });
        if (!touchesDate && !crossedByDate)
            drawTextWithin(context, numberRight, top, text, TextAlign::Right | TextAlign::Top, left, numberRight);
    }
}

}  // namespace kolv
