#include "render/TextColumns.h"

#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Number.h"
#include "render/LogPrimitives.h"
#include "render/NValueColumn.h"
#include "render/TextColumnDepthLabel.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

constexpr double dateFirstPartX = 0.4;
constexpr double dateSecondPartX = 0.8;
constexpr double dateLineStartX = 0.6;
constexpr double dateLineEndX = 3.2;

double depthOf(const std::string& text)
{
    return parseLeadingNumber(text);
}

Pen innerPen(const DrawContext& context)
{
    return solidPen(context.settings.innerLineWidth);
}

// A depth label above (position 0) or below (position 1) its depth line,
// centred at x; any other position prints nothing.
void drawDepthLabel(DrawContext& context, double x, double depth, int position)
{
    if (position != 0 && position != 1)
        return;
    const std::optional<std::string> label = testDepthLabel(context.data, depth);
    if (!label)
        return;
    drawTextAt(context, x, depth, *label, TextAlign::Center | (position == 0 ? TextAlign::Bottom : TextAlign::Top));
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

    for (int row = 1; row <= count; ++row) {
        const double depth = depthOf(tests.cell(row, 1));
        if (depth > context.pageBottom)
            break;
        const std::string& flagText = tests.cell(row, 4);
        const long flags = isNumericText(flagText) > 0 ? parseLeadingInteger(flagText) : inSituDefaultFlags;
        if (flags & inSituDepthUnderline)
            drawLogLine(context, left, depth, left + inSituDepthWidth, depth, innerPen(context));
        if (flags & inSituNoteUnderline)
            drawLogLine(context, left + inSituDepthWidth, depth, right, depth, innerPen(context));
        if (flags & inSituDepthShown)
            drawDepthLabel(context, left + inSituDepthWidth / 2, depth, 0);

        drawTextAt(context, left + inSituNoteStart, depth, tests.cell(row, 3), TextAlign::Left | TextAlign::Bottom);
        const double next = row < tests.capacity && isNumericText(tests.cell(row + 1, 1)) > 0
                                ? depthOf(tests.cell(row + 1, 1))
                                : depth + inSituNextTestDistance;
        const double drop = next - depth >= 2 * lineHeight ? inSituNoteDrop : 0.0;
        drawTextAt(context, left + inSituNoteStart, depth + drop, tests.cell(row, 2), TextAlign::Left | TextAlign::Top);
    }
}

void drawSamples(DrawContext& context)
{
    selectFontSlot(context, FontRole::Body);
    const BoringData::SampleTable& samples = context.data.sampleRows;
    const int count = occupiedRowCount(samples);
    const double numberLeft = context.columnX[Column::SampleNumber - 1];
    const double numberRight = context.columnX[Column::SampleNumber];
    const double ruleRight = context.columnX[Column::SampleDepth];
    const double labelX = (context.columnX[Column::SampleDepth - 1] + ruleRight) / 2;
    const int labelPosition = context.settings.sampleDepthLabelPos;
    const double textHeight = textHeightInY(context);

    for (int row = 1; row <= count; ++row) {
        const double upper = depthOf(samples.cell(row, 1));
        if (upper > context.pageBottom)
            break;
        // A sample without its lower depth is drawn as a single line.
        const bool hasLower = isNumericText(samples.cell(row, 2)) > 0;
        const double lower = hasLower ? depthOf(samples.cell(row, 2)) : upper;
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
        drawDepthLabel(context, labelX, upper, upperPosition);
        if (hasLower) {
            drawLogLine(context, numberRight, lower, ruleRight, lower, innerPen(context));
            drawDepthLabel(context, labelX, lower, lowerPosition);
        }
        if (context.columnX[Column::SampleNumber] - numberLeft >= hiddenColumnWidth)
            drawTextCentredInBox(context, numberLeft, upper, numberRight, lower, samples.cell(row, 3));
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

    for (int row = 1; row <= count; ++row) {
        if (isNumericText(rows.cell(row, 2)) < 0)
            break;
        const double upper = depthOf(rows.cell(row, 1));
        const double lower = depthOf(rows.cell(row, 2));
        if (upper > context.pageBottom)
            break;
        const std::string& recovery = rows.cell(row, 3);
        if (isNumericText(recovery) < 1)
            continue;
        const double run = std::clamp(std::trunc((lower - upper) * 100 + 0.00001), -longestRunCentimetres,
                                      longestRunCentimetres);
        drawTextCentredInBox(context, ratioLeft, upper, ratioRight, lower,
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

void drawDrillingDates(DrawContext& context)
{
    if (parseLeadingInteger(context.data.documentOption(18).value) != 1)
        return;
    selectFontSlot(context, FontRole::Body);
    const BoringData::DrillingTable& rows = context.data.drillingRows;
    const int count = occupiedRowCount(rows);
    const double left = context.columnX[Column::LogLeft];
    const double right = context.columnX[Column::DepthScale];
    const double textHeight = textHeightInY(context);
    const TextAlign baseline = TextAlign::Left | TextAlign::Baseline;

    for (int row = 1; row <= count; ++row) {
        const double depth = depthOf(rows.cell(row, 1));
        drawLogLine(context, left, depth, right, depth, innerPen(context));
        const std::string& date = rows.cell(row, 2);
        const std::size_t slash = findText(date, "/");
        if (slash == textNotFound) {
            drawTextAt(context, left, depth, date, baseline);
            continue;
        }
        drawTextAt(context, left + dateFirstPartX, depth - 0.9 * textHeight, date.substr(0, slash), baseline);
        drawTextAt(context, left + dateSecondPartX, depth, date.substr(slash + 1), baseline);
        drawLogLine(context, left + dateLineStartX, depth - 0.8 * textHeight, left + dateLineEndX, depth - textHeight,
                    innerPen(context));
    }
}

}  // namespace kolv
