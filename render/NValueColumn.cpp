#include "render/NValueColumn.h"

#include "data/BoringData.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogFrame.h"
#include "render/LogPrimitives.h"
#include "render/NValue.h"
#include "render/NValueQuScale.h"
#include "render/TextBandPlacer.h"
#include "render/TextColumnDepthLabel.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace kolv {

namespace {

// Tests this far below the page bottom still reach into the page with their
// graph line; further ones end the loop.
constexpr double testsBelowPage = 2.0;
// The heading band is 3 units of eleven sub-rows; a text of the heading font
// needs two of them. Under the graph's caption: the qu label, the qu scale
// and, on the graph's top edge, the N scale.
constexpr double headingBandTop = -3.0;
constexpr double headingSubRow = 3.0 / 11.0;
constexpr int quLabelSubRow = 4;
constexpr int quNumbersSubRow = 6;
constexpr int nNumbersSubRow = 9;
constexpr int scaleTextSubRows = 2;
// More grid lines than this only come from a broken depth per page; they
// would lie far off any device.
constexpr int gridLineLimit = 5000;
// The plot circle: 0.8 mm of the sheet (0.08 m of depth at 1:100) at every
// scale.
constexpr double plotCircleRadiusMillimetres = 0.8;
constexpr int plotCirclePenWidth = 2;
constexpr double arrowLength = 3.4;
constexpr double arrowHeadLength = 2.0;
constexpr double arrowHeadRise = 0.1;
constexpr double overRangeEndShift = 0.1;
constexpr double zeroTextOffset = 3.0;
constexpr double cannotPenetrateTextOffset = 2.0;
constexpr double intervalMarkWidth = 0.6;
constexpr ColorRef whiteGround = 0xFFFFFF;
constexpr double fractionRuleLeft = 2.2;
constexpr double fractionRuleRight = 2.4;
constexpr double fractionRuleRaise = 0.04;
// The qu symbol radius "印 半径" is set in millimetres (a tenth of a metre of
// depth at 1:100); the circle keeps that size on the sheet at every scale,
// as the N-value circles do.
constexpr double quRadiusUnit = 1.0;
constexpr double smallestQuRadius = 0.01;
constexpr int quCirclePenWidth = 2;
constexpr std::string_view quScaleLabel = "qu\x92\x6c \x81\x69"
                                          "kN/m2\x81\x6a";  // qu値 （kN/m2）

struct LineStyle {
    Pen pen;
    int solid = 0;
    int gap = 0;
};

struct GraphSpan {
    double left = 0.0;
    double right = 0.0;
    double width() const { return right - left; }
};

GraphSpan graphSpan(const DrawContext& context)
{
    return {context.columnX[Column::GraphLeftMargin], context.columnX[Column::Graph]};
}

double columnCentre(const DrawContext& context, int k)
{
    return (context.columnX[k - 1] + context.columnX[k]) / 2;
}

ColorRef gridColor(const DrawContext& context, const std::string& colorText)
{
    if (context.settings.gridColorMode != 0)
        return 0;
    return static_cast<ColorRef>(parseUnsignedAutoBase(colorText));
}

LineStyle grid10VerticalStyle(const DrawContext& context)
{
    const LogSettings& s = context.settings;
    return {solidPen(s.grid10VLineWidth, gridColor(context, s.grid10Color)), s.grid10VDash, s.grid10VGap};
}

LineStyle grid10HorizontalStyle(const DrawContext& context)
{
    const LogSettings& s = context.settings;
    return {solidPen(s.grid10HLineWidth, gridColor(context, s.grid10Color)), s.grid10HDash, s.grid10HGap};
}

LineStyle grid5Style(const DrawContext& context)
{
    const LogSettings& s = context.settings;
    return {solidPen(s.grid5LineWidth, gridColor(context, s.grid5Color)), s.grid5Dash, s.grid5Gap};
}

// The vertical lines of a page of 38 to 59 metres are drawn in two halves,
// as the column rules of the frame are.
void drawVerticalGridLine(DrawContext& context, double x, const LineStyle& style)
{
    const double start = context.pageStart;
    const double bottom = context.pageBottom;
    if (splitsVerticalLines(context.depthPerPage)) {
        const double middle = start + context.depthPerPage / 2;
        drawDashedLine(context, x, start, x, middle, style.pen, style.solid, style.gap);
        drawDashedLine(context, x, middle, x, bottom, style.pen, style.solid, style.gap);
    } else {
        drawDashedLine(context, x, start, x, bottom, style.pen, style.solid, style.gap);
    }
}

bool fiveMillimetreGridOn(const DrawContext& context, int pitchChoice)
{
    return pitchChoice == 0 && context.settings.grid5LineWidth >= 1;
}

// A count in its column: a/b as a fraction ("%3d" of a over a rule over
// "%3d" of b), a plain number on the line; in the N-value column a plain
// number is a count over 30 cm.
void drawCount(DrawContext& context, int column, double lineY, const std::string& text, bool nValueColumn)
{
    if (context.columnX[column] - context.columnX[column - 1] < hiddenColumnWidth)
        return;
    const BlowCount count = parseBlowCount(text);
    if (!count.present)
        return;
    const double centre = columnCentre(context, column);
    const double left = context.columnX[column - 1];
    const double right = context.columnX[column];
    // Where tests crowd, a rule may run through the counts; their white
    // ground keeps them readable.
    const ColorRef white = whiteGround;
    drawTextWithin(context, centre, lineY, formatText("%3ld", count.blows), TextAlign::Center | TextAlign::Bottom, left,
                   right, &white);
    if (!count.fraction && !nValueColumn)
        return;
    const ColorRef ruleColor = context.slotFonts[slotIndex(FontRole::Body)].color;
    const double ruleY = lineY - fractionRuleRaise;
    drawLogLine(context, centre - fractionRuleLeft, ruleY, centre + fractionRuleRight, ruleY,
                solidPen(context.settings.innerLineWidth, ruleColor));
    const long below = count.fraction ? count.penetration : 30;
    drawTextWithin(context, centre, lineY, formatText("%3ld", below), TextAlign::Center | TextAlign::Top, left, right,
                   &white);
}

struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
    bool overRange = false;
};

void drawGraphSegment(DrawContext& context, PlotPoint from, PlotPoint to)
{
    // An end off the scale sits at the graph edge beside its arrow; the line
    // stops short of it so that the arrow stays readable.
    const auto shifted = [](PlotPoint end, const PlotPoint& other) {
        if (end.overRange) {
            const double shift = std::min(overRangeEndShift, std::fabs(other.y - end.y));
            end.y += other.y > end.y ? shift : -shift;
        }
        return end;
    };
    const PlotPoint a = shifted(from, to);
    const PlotPoint b = shifted(to, from);
    drawLogLine(context, a.x, a.y, b.x, b.y, solidPen(context.settings.nGraphLineWidth));
}

void drawPlotMarks(DrawContext& context, const PlotPoint& point, const NPlotMarks& marks)
{
    const Pen linePen = solidPen(context.settings.nGraphLineWidth);
    if (marks.circle) {
        const ColorRef black = 0;
        drawSheetCircle(context, point.x, point.y, plotCircleRadiusMillimetres, solidPen(plotCirclePenWidth),
                        marks.filledCircle ? &black : nullptr);
    }
    if (marks.overRangeArrow) {
        drawLogLine(context, point.x - arrowLength, point.y, point.x, point.y, linePen);
        drawLogLine(context, point.x, point.y, point.x - arrowHeadLength, point.y - arrowHeadRise, linePen);
    }
    if (marks.zeroLine)
        drawLogLine(context, point.x, point.y, point.x + arrowLength, point.y, linePen);
    // Over the graph the texts keep a white ground, so that the line of the
    // next test does not cross them.
    const auto groundedText = [&](double x, const std::string& text, bool leftAligned) {
        if (text.empty())
            return;
        const double width = textWidthInX(context, text);
        const double height = textHeightInY(context);
        const double left = leftAligned ? x : x - width;
        fillBox(context, left, point.y - height / 2, left + width, point.y + height / 2, whiteGround);
        drawTextCentredInBand(context, x, point.y, point.y, text, leftAligned ? TextAlign::Left : TextAlign::Right);
    };
    if (marks.zeroText)
        groundedText(point.x + zeroTextOffset, context.settings.nZeroText, true);
    if (marks.cannotPenetrateText)
        groundedText(point.x - cannotPenetrateTextOffset, context.settings.nZeroDenominatorText, false);
}

// Where a test's texts go: the line of the counts, with a fraction's upper
// number above it and its lower number below, and the depth label at the
// interval's end. The N value's fraction fills the N-value column down to
// that line, so a label set above the line goes just below it instead.
struct TestTexts {
    double countLine = 0.0;
    double labelLine = 0.0;
    bool labelShown = false;
    bool labelBelow = false;
    double top = 0.0;
    double bottom = 0.0;
};

TestTexts testTexts(const DrawContext& context, double depth, double interval, double textHeight)
{
    TestTexts texts;
    const double intervalEnd = depth + interval;
    texts.countLine = std::min(depth + interval / 2, intervalEnd - textHeight);
    texts.labelLine = intervalEnd;
    const int position = context.settings.nDepthLabelPos;
    texts.labelShown = (position == 0 || position == 1) && testDepthLabel(context.data, depth).has_value();
    texts.labelBelow = position == 1 || texts.countLine + textHeight > intervalEnd - textHeight;
    texts.top = texts.countLine - textHeight;
    texts.bottom = std::max(texts.countLine + textHeight,
                            texts.labelShown && texts.labelBelow ? intervalEnd + textHeight : intervalEnd);
    return texts;
}

void drawTestDepthLabel(DrawContext& context, double depth, double lineY, bool below)
{
    const std::optional<std::string> label = testDepthLabel(context.data, depth);
    if (!label)
        return;
    const double left = context.columnX[Column::NValue - 1];
    const double right = context.columnX[Column::NValue];
    drawTextWithin(context, columnCentre(context, Column::NValue), lineY, *label,
                   TextAlign::Center | (below ? TextAlign::Top : TextAlign::Bottom), left, right);
}

}  // namespace

void drawNValueGrid(DrawContext& context)
{
    const GraphSpan graph = graphSpan(context);
    const int graphMax = graphMaxN(context.settings.maxBlows);
    const LineStyle style10V = grid10VerticalStyle(context);
    const LineStyle style10H = grid10HorizontalStyle(context);
    const LineStyle style5 = grid5Style(context);

    for (int n = 10; n < graphMax; n += 10)
        drawVerticalGridLine(context, graph.left + n * graph.width() / graphMax, style10V);
    if (fiveMillimetreGridOn(context, context.settings.gridVPitch)) {
        for (int n = 5; n < graphMax; n += 10)
            drawVerticalGridLine(context, graph.left + n * graph.width() / graphMax, style5);
    }

    const double start = context.pageStart;
    const int metres = std::min(context.depthPerPage, gridLineLimit);
    if (fiveMillimetreGridOn(context, context.settings.gridHPitch)) {
        for (int m = 0; m < metres; ++m)
            drawDashedLine(context, graph.left, start + m + 0.5, graph.right, start + m + 0.5, style5.pen, style5.solid,
                           style5.gap);
    }
    for (int m = 0; m + 1 < metres; ++m)
        drawDashedLine(context, graph.left, start + m + 1, graph.right, start + m + 1, style10H.pen, style10H.solid,
                       style10H.gap);
}

void drawPenetrationTests(DrawContext& context, PlotMarks marks)
{
    selectFontSlot(context, FontRole::Body);
    const BoringData::SptTable& tests = context.data.sptRows;
    const int count = occupiedRowCount(tests);
    const GraphSpan graph = graphSpan(context);
    const int graphMax = graphMaxN(context.settings.maxBlows);
    const double textHeight = textHeightInY(context);
    const bool blackDot = context.settings.outOfRangeBlackDot != 0;
    std::optional<PlotPoint> previous;
    // A test's texts are written whole on the page that holds its depth;
    // where tests lie closer than their texts are tall (dense tests, small
    // depth scales) they move down by at most one text line or are left out.
    TextBandPlacer placer(context.pageStart, context.pageBottom, textHeight);

    // The interval marks and rules of all tests first: a test's texts moved
    // down, or a test close below, would otherwise have a rule run through
    // the counts; drawn later on their white ground the counts stay readable.
    for (int row = 1; row <= count; ++row) {
        const double depth = depthOf(tests.cell(row, SptCell::Depth));
        if (depth > context.pageBottom + testsBelowPage)
            break;
        const double intervalEnd = depth + nValueIntervalLength(nValue(tests.cell(row, SptCell::NValue)).penetration);
        const double markLeft = context.columnX[Column::NValue - 1];
        fillBox(context, markLeft, depth, markLeft + intervalMarkWidth, intervalEnd, 0);
        drawLogLine(context, markLeft, intervalEnd, context.columnX[Column::Blows30], intervalEnd,
                    solidPen(context.settings.innerLineWidth));
    }

    for (int row = 1; row <= count; ++row) {
        const double depth = depthOf(tests.cell(row, SptCell::Depth));
        if (depth > context.pageBottom + testsBelowPage)
            break;
        const std::string& total = tests.cell(row, SptCell::NValue);
        const NValue n = nValue(total);
        const double interval = nValueIntervalLength(n.penetration);

        const TestTexts texts = testTexts(context, depth, interval, textHeight);
        const bool onPage = depth >= context.pageStart && depth < context.pageBottom;
        const std::optional<double> shift = onPage ? placer.place(texts.top, texts.bottom) : std::nullopt;
        if (shift) {
            const double countLine = texts.countLine + *shift;
            drawCount(context, Column::NValue, countLine, total, true);
            drawCount(context, Column::Blows10, countLine, tests.cell(row, SptCell::First10cm), false);
            drawCount(context, Column::Blows20, countLine, tests.cell(row, SptCell::Second10cm), false);
            drawCount(context, Column::Blows30, countLine, tests.cell(row, SptCell::Third10cm), false);
            if (texts.labelShown)
                drawTestDepthLabel(context, depth, texts.labelLine + *shift, texts.labelBelow);
        }

        // A test whose N value has not been entered has no point on the graph
        // (read as 0 blows it would be plotted and labelled as sinking under
        // its own weight).
        if (isNumericText(total) < 0)
            continue;
        const PlotPoint point{graph.left + nPlotOffset(n.value, graphMax, graph.width()), depth + interval / 2,
                              n.value > graphMax};
        if (context.settings.showConvertedN != 0 && shift)
            drawTextCentredInBand(context, columnCentre(context, Column::GraphLeftMargin), point.y, point.y,
                                  nValueText(n.value), TextAlign::Center);
        const bool breaksLine = parseLeadingInteger(tests.cell(row, SptCell::GraphBreak)) != 0;
        if (previous && !breaksLine)
            drawGraphSegment(context, *previous, point);
        if (marks == PlotMarks::WithTheTests)
            drawPlotMarks(context, point, nPlotMarks(n, graphMax, context.settings.nPlotSymbol, blackDot));
        previous = point;
    }
}

void drawPenetrationTestMarks(DrawContext& context)
{
    selectFontSlot(context, FontRole::Body);
    const BoringData::SptTable& tests = context.data.sptRows;
    const int count = occupiedRowCount(tests);
    const GraphSpan graph = graphSpan(context);
    const int graphMax = graphMaxN(context.settings.maxBlows);
    const bool blackDot = context.settings.outOfRangeBlackDot != 0;
    for (int row = 1; row <= count; ++row) {
        const double depth = depthOf(tests.cell(row, SptCell::Depth));
        if (depth > context.pageBottom + testsBelowPage)
            break;
        const std::string& total = tests.cell(row, SptCell::NValue);
        if (isNumericText(total) < 0)
            continue;
        const NValue n = nValue(total);
        const double interval = nValueIntervalLength(n.penetration);
        const PlotPoint point{graph.left + nPlotOffset(n.value, graphMax, graph.width()), depth + interval / 2,
                              n.value > graphMax};
        drawPlotMarks(context, point, nPlotMarks(n, graphMax, context.settings.nPlotSymbol, blackDot));
    }
}

void drawQuPoints(DrawContext& context)
{
    const BoringData::RecoveryTable& rows = context.data.recoveryRows;
    const int count = occupiedRowCount(rows);
    const GraphSpan graph = graphSpan(context);
    const QuScale scale = quScale(context.data);
    const double radius =
        std::max(parseLeadingNumber(context.settings.quCircleRadius) * quRadiusUnit, smallestQuRadius);
    const ColorRef color = static_cast<ColorRef>(parseUnsignedAutoBase(context.settings.quSymbolColor));
    const Pen pen = solidPen(quCirclePenWidth, color);
    for (int row = 1; row <= count; ++row) {
        if (isNumericText(rows.cell(row, RecoveryCell::LowerDepth)) < 0)
            break;
        const double depth = depthOf(rows.cell(row, RecoveryCell::UpperDepth));
        if (depth > context.pageBottom)
            break;
        for (int cell = 4; cell <= 7; ++cell) {
            const std::string& qu = rows.cell(row, cell);
            if (isNumericText(qu) < 1)
                continue;
            const double x = graph.left + quPlotOffset(parseLeadingNumber(qu), scale, graph.width());
            drawSheetCircle(context, x, depth, radius, pen);
        }
    }
}

void drawNValueGraphScales(DrawContext& context)
{
    selectBandFontSlot(context, FontRole::HeadingLabels);
    const GraphSpan graph = graphSpan(context);
    const int graphMax = graphMaxN(context.settings.maxBlows);
    const auto drawInRows = [&](int subRow, double x, const std::string& text) {
        const double top = headingBandTop + subRow * headingSubRow;
        drawTextCentredInBand(context, x, top, top + scaleTextSubRows * headingSubRow, text, TextAlign::Center);
    };

    for (int n = 0; n <= graphMax; n += 10)
        drawInRows(nNumbersSubRow, graph.left + n * graph.width() / graphMax, formatText("%d", n));
    drawInRows(quLabelSubRow, (graph.left + graph.right) / 2, std::string(quScaleLabel));
    for (const QuScaleMark& mark : quScaleMarks(quScale(context.data), graph.width()))
        drawInRows(quNumbersSubRow, graph.left + mark.offset, formatText("%d", mark.value));
}

}  // namespace kolv
