#include "render/TextColumns.h"

#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogPrimitives.h"
#include "render/NValueColumn.h"
#include "render/TextBandPlacer.h"
#include "render/TextColumnDepthLabel.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace kolv {

namespace {

// The in-situ column is split into the depth part, the underline of the
// notes and the notes themselves.
constexpr double inSituDepthWidth = 12.5;
constexpr double inSituNoteStart = 20.5;
constexpr double inSituNoteDrop = 0.05;
// Next test assumed this far below the last one.
constexpr double inSituNextTestDistance = 9.0;
// Flag word bits of an in-situ test; a word that is not a number is the
// dialog's default of depth underline, depth shown and note underline.
constexpr long inSituDepthUnderline = 1;
constexpr long inSituDepthShown = 2;
constexpr long inSituNoteUnderline = 4;
constexpr long inSituDefaultFlags = 7;

constexpr double recoveryBarInset = 0.5;
constexpr ColorRef unrecoveredColor = 0xC0C0C0;
// Run lengths are printed in whole centimetres; anything beyond this is a
// broken depth, not a core run.
constexpr double longestRunCentimetres = 1.0e9;

// The date marks keep clear of the frame's left rule (a thick outer line).
constexpr double dateFirstPartX = 0.8;
constexpr double dateSecondPartX = 1.2;
constexpr double dateLineStartX = 1.0;
constexpr double dateLineEndX = 3.6;
constexpr double datePlainX = 0.8;
// The share of a text line above its baseline.
constexpr double textAscentShare = 0.8;

constexpr ColorRef whiteGround = 0xFFFFFF;

// One line centred in the box left ... right, upper ... lower, as long as it
// fits and keeps clear of the texts above it in its column; else fitted to the
// column and moved down clear of them, or left out.
void drawTextInBand(DrawContext& context, TextBandPlacer& placer, double left, double right, double upper, double lower,
                    const std::string& text)
{
    if (text.empty() || upper < context.pageStart || upper > context.pageBottom)
        return;
    const double height = textHeightInY(context);
    const double top = (upper + lower - height) / 2;
    const std::optional<double> shift = placer.place(top, top + height);
    if (!shift)
        return;
    if (*shift == 0.0 && textWidthInX(context, text) <= right - left) {
        drawTextCentredInBox(context, left, upper, right, lower, text);
        return;
    }
    drawTextWithin(context, (left + right) / 2, top + *shift, text, TextAlign::Center | TextAlign::Top, left, right);
}

}  // namespace

void drawInSituTests(DrawContext& context)
{
    selectFontSlot(context, FontRole::Body);
    const BoringData::InSituTable& tests = context.data.inSituRows;
    const int count = occupiedRowCount(tests);
    const double left = context.columnX[Column::GraphLeftMargin];
    const double right = context.columnX[Column::Graph];
    const double lineHeight = textHeightInY(context);
    const ColorRef white = whiteGround;
    // Tests whose texts would overprint (two tests at one depth) follow each
    // other down the column, as the notes do.
    TextBandPlacer placer(context.pageStart, context.pageBottom, context.pageBottom - context.pageStart);

    for (int row = 1; row <= count; ++row) {
        const double depth = depthOf(tests.cell(row, InSituCell::Depth));
        if (depth > context.pageBottom)
            break;
        const std::string& flagText = tests.cell(row, InSituCell::Flags);
        const long flags = isNumericText(flagText) > 0 ? parseLeadingInteger(flagText) : inSituDefaultFlags;
        if (flags & inSituDepthUnderline)
            drawLogLine(context, left, depth, left + inSituDepthWidth, depth, innerPen(context));
        if (flags & inSituNoteUnderline)
            drawLogLine(context, left + inSituDepthWidth, depth, right, depth, innerPen(context));

        const bool nextListed = row < tests.capacity && isNumericText(tests.cell(row + 1, InSituCell::Depth)) > 0;
        const double next =
            nextListed ? depthOf(tests.cell(row + 1, InSituCell::Depth)) : depth + inSituNextTestDistance;
        const double drop = next - depth >= 2 * lineHeight ? inSituNoteDrop : 0.0;
        // A test's texts belong to the page that holds its depth.
        if (depth < context.pageStart)
            continue;
        const std::optional<double> shift = placer.place(depth - lineHeight, depth + drop + lineHeight);
        if (!shift)
            continue;
        const double line = depth + *shift;
        if (flags & inSituDepthShown) {
            const std::optional<std::string> label = testDepthLabel(context.data, depth);
            if (label)
                drawTextWithin(context, left + inSituDepthWidth / 2, line, *label,
                               TextAlign::Center | TextAlign::Bottom, left, left + inSituDepthWidth, &white);
        }
        // Over the N-value graph: the texts keep a white ground so that the
        // graph's line does not cross them.
        drawTextWithin(context, left + inSituNoteStart, line, tests.cell(row, InSituCell::Result),
                       TextAlign::Left | TextAlign::Bottom, left, right, &white);
        drawTextWithin(context, left + inSituNoteStart, line + drop, tests.cell(row, InSituCell::Name),
                       TextAlign::Left | TextAlign::Top, left, right, &white);
    }
}

void drawSamples(DrawContext& context)
{
    selectFontSlot(context, FontRole::Body);
    const BoringData::SampleTable& samples = context.data.sampleRows;
    const int count = occupiedRowCount(samples);
    const double numberLeft = context.columnX[Column::SampleNumber - 1];
    const double numberRight = context.columnX[Column::SampleNumber];
    const double labelLeft = context.columnX[Column::SampleDepth - 1];
    const double ruleRight = context.columnX[Column::SampleDepth];
    const double labelX = (labelLeft + ruleRight) / 2;
    const int labelPosition = context.settings.sampleDepthLabelPos;
    const double textHeight = textHeightInY(context);
    // Labels of samples close together move down clear of each other by at
    // most a line, or are left out; so are the numbers.
    TextBandPlacer labels(context.pageStart, context.pageBottom, textHeight);
    TextBandPlacer numbers(context.pageStart, context.pageBottom, textHeight);
    // A label keeps off the rules of the other samples: where its side of
    // its rule is taken by one, it goes to the other side, or is left out.
    std::vector<double> rules;
    for (int row = 1; row <= count; ++row)
        for (int cell : {SampleCell::UpperDepth, SampleCell::LowerDepth})
            if (isNumericText(samples.cell(row, cell)) > 0)
                rules.push_back(depthOf(samples.cell(row, cell)));
    const auto crossesRule = [&](double top) {
        constexpr double touch = 0.005;
        return std::any_of(rules.begin(), rules.end(),
                           [&](double rule) { return rule > top + touch && rule < top + textHeight - touch; });
    };
    const auto drawLabel = [&](double depth, int position) {
        if (position != 0 && position != 1)
            return;
        const std::optional<std::string> label = testDepthLabel(context.data, depth);
        if (!label || depth < context.pageStart || depth > context.pageBottom)
            return;
        auto bandTop = [&](int side) { return side == 0 ? depth - textHeight : depth; };
        if (crossesRule(bandTop(position))) {
            position = 1 - position;
            if (crossesRule(bandTop(position)))
                return;
        }
        const double top = bandTop(position);
        const std::optional<double> shift = labels.place(top, top + textHeight);
        if (shift && !crossesRule(top + *shift))
            drawTextWithin(context, labelX, depth + *shift, *label,
                           TextAlign::Center | (position == 0 ? TextAlign::Bottom : TextAlign::Top), labelLeft,
                           ruleRight);
    };

    for (int row = 1; row <= count; ++row) {
        const double upper = depthOf(samples.cell(row, SampleCell::UpperDepth));
        if (upper > context.pageBottom)
            break;
        // A sample without its lower depth is drawn as a single line.
        const bool hasLower = isNumericText(samples.cell(row, SampleCell::LowerDepth)) > 0;
        const double lower = hasLower ? depthOf(samples.cell(row, SampleCell::LowerDepth)) : upper;
        // The labels of a sample shorter than a text line would run into
        // each other on the same side of their rules; the one that meets the
        // other goes to the outer side of its rule.
        int upperPosition = labelPosition;
        int lowerPosition = labelPosition;
        if (hasLower && lower - upper < textHeight) {
            if (labelPosition == 1)
                upperPosition = 0;
            else if (labelPosition == 0)
                lowerPosition = 1;
        }
        drawLogLine(context, numberRight, upper, ruleRight, upper, innerPen(context));
        drawLabel(upper, upperPosition);
        if (hasLower) {
            drawLogLine(context, numberRight, lower, ruleRight, lower, innerPen(context));
            drawLabel(lower, lowerPosition);
        }
        if (context.columnX[Column::SampleNumber] - numberLeft >= hiddenColumnWidth)
            drawTextInBand(context, numbers, numberLeft, numberRight, upper, lower,
                           samples.cell(row, SampleCell::Number));
    }
}

void drawRecoveryAndQu(DrawContext& context)
{
    selectFontSlot(context, FontRole::Body);
    const BoringData::RecoveryTable& rows = context.data.recoveryRows;
    const int count = occupiedRowCount(rows);
    const double barLeft = context.columnX[Column::RecoveryBar - 1] + recoveryBarInset;
    const double barRight = std::max(context.columnX[Column::RecoveryBar] - recoveryBarInset, barLeft);
    const double ratioLeft = context.columnX[Column::RecoveryRatio - 1];
    const double ratioRight = context.columnX[Column::RecoveryRatio];
    const ColorRef recoveredColor = static_cast<ColorRef>(parseUnsignedAutoBase(context.settings.quSymbolColor));
    TextBandPlacer ratios(context.pageStart, context.pageBottom, textHeightInY(context));

    for (int row = 1; row <= count; ++row) {
        if (isNumericText(rows.cell(row, RecoveryCell::LowerDepth)) < 0)
            break;
        const double upper = depthOf(rows.cell(row, RecoveryCell::UpperDepth));
        const double lower = depthOf(rows.cell(row, RecoveryCell::LowerDepth));
        if (upper > context.pageBottom)
            break;
        const std::string& recovery = rows.cell(row, RecoveryCell::Ratio);
        if (isNumericText(recovery) < 1)
            continue;
        const double run =
            std::clamp(std::trunc((lower - upper) * 100 + 0.00001), -longestRunCentimetres, longestRunCentimetres);
        drawTextInBand(context, ratios, ratioLeft, ratioRight, upper, lower,
                       formatText("%s/%.0f", std::string(skipLeadingBlanks(recovery)).c_str(), run));
        // The recovered part never reaches past the run it was recovered from.
        const double recoveredEnd =
            upper + std::clamp(parseLeadingNumber(recovery) * 0.01, 0.0, std::max(lower - upper, 0.0));
        fillBox(context, barLeft, upper, barRight, recoveredEnd, recoveredColor);
        fillBox(context, barLeft, recoveredEnd, barRight, std::max(lower, recoveredEnd), unrecoveredColor);
        drawBoxOutline(context, barLeft, upper, barRight, lower, innerPen(context));
    }
    drawQuPoints(context);
}

namespace {

// A date "m/d" is a small slanted fraction: the month above and left, the
// day on the depth line, a short slanted rule between them.
struct DateMark {
    double depth = 0.0;
    std::string month;  // empty for a date without "/"
    std::string day;    // the whole date when it has no "/"
    LogBox box;
};

// The date marks of the page, kept inside the page (a mark whose month would
// reach above the page's top moves down) and clear of each other.
std::vector<DateMark> dateMarks(DrawContext& context)
{
    std::vector<DateMark> marks;
    const BoringData::DrillingTable& rows = context.data.drillingRows;
    const int count = occupiedRowCount(rows);
    const double left = context.columnX[Column::LogLeft];
    const double textHeight = textHeightInY(context);
    TextBandPlacer placer(context.pageStart, context.pageBottom, context.pageBottom - context.pageStart);
    for (int row = 1; row <= count; ++row) {
        DateMark mark;
        mark.depth = depthOf(rows.cell(row, DrillingCell::Depth));
        if (mark.depth < context.pageStart || mark.depth > context.pageBottom)
            continue;
        const std::string& date = rows.cell(row, DrillingCell::Date);
        const std::size_t slash = findText(date, "/");
        double right = 0.0;
        double top = mark.depth - textHeight * textAscentShare;
        if (slash == textNotFound) {
            mark.day = date;
            right = left + datePlainX + textWidthInX(context, date);
        } else {
            mark.month = date.substr(0, slash);
            mark.day = date.substr(slash + 1);
            right = std::max(left + dateFirstPartX + textWidthInX(context, mark.month),
                             left + dateSecondPartX + textWidthInX(context, mark.day));
            top -= textHeight;
        }
        const double bottom = mark.depth + textHeight * (1.0 - textAscentShare);
        const std::optional<double> shift = placer.place(top, bottom);
        if (!shift)
            continue;
        mark.depth += *shift;
        mark.box = {left + dateFirstPartX, top + *shift, right, bottom + *shift};
        marks.push_back(mark);
    }
    return marks;
}

}  // namespace

std::vector<LogBox> drillingDateBoxes(DrawContext& context)
{
    std::vector<LogBox> boxes;
    if (!drillingDatesShown(context.data))
        return boxes;
    for (const DateMark& mark : dateMarks(context))
        boxes.push_back(mark.box);
    return boxes;
}

void drawDrillingDates(DrawContext& context)
{
    if (!drillingDatesShown(context.data))
        return;
    selectFontSlot(context, FontRole::Body);
    const BoringData::DrillingTable& rows = context.data.drillingRows;
    const int count = occupiedRowCount(rows);
    const double left = context.columnX[Column::LogLeft];
    const double right = context.columnX[Column::DepthScale];
    const double textHeight = textHeightInY(context);
    const TextAlign baseline = TextAlign::Left | TextAlign::Baseline;

    for (int row = 1; row <= count; ++row) {
        const double depth = depthOf(rows.cell(row, DrillingCell::Depth));
        drawLogLine(context, left, depth, right, depth, innerPen(context));
    }
    for (const DateMark& mark : dateMarks(context)) {
        if (mark.month.empty()) {
            drawTextWithin(context, left + datePlainX, mark.depth, mark.day, baseline, left, right);
            continue;
        }
        // The month's baseline a whole line above the day's keeps the two
        // numbers apart.
        drawTextWithin(context, left + dateFirstPartX, mark.depth - textHeight, mark.month, baseline, left, right);
        drawTextWithin(context, left + dateSecondPartX, mark.depth, mark.day, baseline, left, right);
        drawLogLine(context, left + dateLineStartX, mark.depth - 0.8 * textHeight, left + dateLineEndX,
                    mark.depth - textHeight, innerPen(context));
    }
}

}  // namespace kolv
