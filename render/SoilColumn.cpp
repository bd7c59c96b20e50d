#include "render/SoilColumn.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogPrimitives.h"
#include "render/PatternFill.h"
#include "render/TextBandPlacer.h"
#include "render/VectorFigures.h"

#include <algorithm>
#include <optional>
#include <cmath>

namespace kolv {

namespace {

// The display-flag word of a layer (cell 7), as the geology dialog sets it.
namespace LayerFlag {
inline constexpr int LineUnderDepth = 1;  // figures stand on the boundary
inline constexpr int LineUnderName = 2;
inline constexpr int LineUnderColorTone = 32;
inline constexpr int ShowFigures = 64;
inline constexpr int ShowName = 128;
inline constexpr int ShowAuxiliaryName = 256;
// A layer without a word (other formats, hand-made files) shows everything.
inline constexpr int All = 511;
}  // namespace LayerFlag

// No ground elevation was given.
constexpr double noElevation = -999.9;
constexpr double degreesToRadians = 0.01745327777777778;
// Text starts this far right of its column's left rule and stops 1 x unit
// short of the right one.
constexpr double textIndent = 0.6;
constexpr double textRightGap = 1.0;
// Depths closer than this are the same boundary.
constexpr double depthTolerance = 0.000001;

int layerFlags(const BoringData& data, int row)
{
    const std::string& word = data.layerRows.cell(row, LayerCell::DisplayFlags);
    return isNumericText(word) > 0 ? static_cast<int>(parseLeadingInteger(word)) : LayerFlag::All;
}

// "%5.2f" and "%4.2f" figures never show "-0.00".
std::string formatFigure(const char* format, double value)
{
    return formatText(format, std::fabs(value) < 0.005 ? 0.0 : value);
}

bool endsWithBracketedPart(std::string_view name)
{
    return (endsWithText(name, ")") && containsText(name, "("))
        || (endsWithText(name, "\x81\x6a") && containsText(name, "\x81\x69"));  // "（" … "）"
}

// The soil name with its alphabetic symbol in brackets, unless the name
// already ends in a bracketed part: only one bracketed part is shown.
std::string nameWithSymbol(const std::string& name, const std::string& symbol)
{
    if (symbol.empty() || endsWithBracketedPart(name))
        return name;
    if (isLeadByte(static_cast<unsigned char>(symbol.front())))
        return name + "\x81\x69" + symbol + "\x81\x6a";
    return name + "(" + symbol + ")";
}

// An opening bracket chosen as the separator is closed after the auxiliary name.
std::string closingBracketOf(const std::string& separator)
{
    if (separator == "(")
        return ")";
    if (separator == "\x81\x69")
        return "\x81\x6a";
    return {};
}

std::string soilNameText(const DrawContext& context, int row, int flags)
{
    const auto& layers = context.data.layerRows;
    std::string name = layers.cell(row, LayerCell::Name);
    if (context.settings.soilAlphaSymbol != 0)
        name = nameWithSymbol(name, layers.cell(row, LayerCell::Symbol));
    if ((flags & LayerFlag::ShowName) == 0)
        name.clear();
    const std::string& auxiliary = layers.cell(row, LayerCell::AuxiliaryName);
    if ((flags & LayerFlag::ShowAuxiliaryName) == 0 || auxiliary.empty())
        return name;
    if (name.empty())
        return auxiliary;
    const std::string& separator = layers.cell(row, LayerCell::Separator);
    return name + separator + auxiliary + closingBracketOf(separator);
}

double groundElevation(const BoringData& data)
{
    const std::string& elevation = data.headingLine(HeadingLine::CollarElevation);
    return isNumericText(elevation) > 0 ? parseLeadingNumber(elevation) : noElevation;
}

double boreholeAngle(const BoringData& data)
{
    const double angle = parseLeadingNumber(data.headingLine(HeadingLine::BoringAngle));
    return angle > 0.1 && angle <= 180.0 ? angle : 0.0;
}

// Text wrapped in one column of the layers. A text that fits its layer is
// centred in it; a longer one starts at the layer's top, below any text of
// the layers above that ran into it, and a short leader joins it to its layer.
class WrappedColumn {
public:
    WrappedColumn(double ruleX, double textRight) : ruleX_(ruleX), textLeft_(ruleX + textIndent), textRight_(textRight)
    {}

    void draw(DrawContext& context, const std::string& text, double layerTop, double layerBottom)
    {
        if (text.empty() || textRight_ - textLeft_ < hiddenColumnWidth)
            return;
        const double top = std::max(layerTop, context.pageStart);
        const double bottom = std::min(layerBottom, context.pageBottom);
        const double height = drawWrappedText(context, textLeft_, textRight_, top, text, true);
        double textTop = height <= bottom - top ? top + (bottom - top - height) / 2 : top;
        textTop = std::max(textTop, cursor_);
        if (textTop >= context.pageBottom)
            return;
        drawWrappedText(context, textLeft_, textRight_, textTop, text);
        if (textTop + height > layerBottom + depthTolerance) {
            const double firstLine = textTop + textHeightInY(context) / 2;
            drawLogLine(context, ruleX_, (top + bottom) / 2, textLeft_, firstLine,
                        solidPen(context.settings.innerLineWidth));
        }
        cursor_ = textTop + height;
    }

private:
    double ruleX_;
    double textLeft_;
    double textRight_;
    double cursor_ = -1e300;
};

void drawFigures(DrawContext& context, TextBandPlacer& placer, double top, double bottom, int flags)
{
    if ((flags & LayerFlag::ShowFigures) == 0)
        return;
    const ColumnPositions& x = context.columnX;
    // Figures stand on their boundary, inside their layer; a layer thinner
    // than a line of text would push them into the figures of the boundary
    // above, so they hang below the boundary instead. Figures of thin layers
    // one after the other move down clear of each other, or are left out.
    const double textHeight = textHeightInY(context);
    const bool roomAbove = bottom - top >= textHeight;
    const bool standing = (flags & LayerFlag::LineUnderDepth) && roomAbove;
    const TextAlign vertical = standing ? TextAlign::Bottom : TextAlign::Top;
    const double bandTop = standing ? bottom - textHeight : bottom;
    const std::optional<double> shift = placer.place(bandTop, bandTop + textHeight);
    if (!shift)
        return;
    auto figure = [&](int column, const std::string& text) {
        if (columnVisible(x, column))
            drawTextWithin(context, (x[column - 1] + x[column]) / 2, bottom + *shift, text,
                           TextAlign::Center | vertical, x[column - 1], x[column]);
    };
    const double elevation = groundElevation(context.data);
    if (elevation > noElevation) {
        const double angle = boreholeAngle(context.data);
        const double below = angle != 0.0 ? bottom * std::cos(angle * degreesToRadians) : bottom;
        figure(Column::DatumDepth, formatFigure("%5.2f", elevation - below));
    }
    figure(Column::Depth, formatFigure("%5.2f", bottom));
    figure(Column::Thickness, formatFigure("%4.2f", bottom - top));
}

// The line across the symbol column at the top of a layer whose code is
// special: its boundary kind instead of the plain rule.
void drawSpecialBoundary(DrawContext& context, int kind, double depth)
{
    if (kind == 0)
        return;
    const LogSettings& settings = context.settings;
    const ColorRef color = settings.patternAllBlack != 0 ? 0 : settings.patternColors.colorOf(firstSpecialCode + kind);
    const double millimetre = context.mapping.dotsPerMmY;
    const ColumnPositions& x = context.columnX;
    FigureFrame frame =
        figureFrameOf(context.mapping, x[Column::Thickness], depth, x[Column::SoilSymbol], depth, millimetre);
    // A band 1 mm either side of the boundary holds the line's swing.
    frame.originY -= millimetre;
    const int reach = static_cast<int>(std::ceil(millimetre)) + settings.innerLineWidth;
    frame.cell.top -= reach;
    frame.cell.bottom += reach;
    const FigurePlotter plotter(context.device, frame, solidPen(settings.innerLineWidth, color));
    drawBoundaryKind(plotter, kind, 1.0);
}

void drawBoundary(DrawContext& context, int row, int layerRows, double depth, int flags)
{
    const ColumnPositions& x = context.columnX;
    const Pen rule = solidPen(context.settings.innerLineWidth);
    drawLogLine(context, x[Column::DepthScale], depth, x[Column::Thickness], depth, rule);

    const long nextCode = row < layerRows ? leadingPatternCode(context, row + 1) : -1;
    if (classifyPatternCode(nextCode) == CodeKind::Special)
        drawSpecialBoundary(context, static_cast<int>(nextCode - firstSpecialCode), depth);
    else
        drawLogLine(context, x[Column::Thickness], depth, x[Column::SoilSymbol], depth, rule);

    if ((flags & LayerFlag::LineUnderName) && columnVisible(x, Column::SoilName))
        drawLogLine(context, x[Column::SoilSymbol], depth, x[Column::SoilName], depth, rule);
    if ((flags & LayerFlag::LineUnderColorTone) && columnVisible(x, Column::ColorTone))
        drawLogLine(context, x[Column::SoilName], depth, x[Column::ColorTone], depth, rule);
    if (x[9] - x[Column::ColorTone] >= hiddenColumnWidth)
        drawLogLine(context, x[Column::ColorTone], depth, x[9], depth, rule);
}

}  // namespace

void drawLayers(DrawContext& context)
{
    const BoringData& data = context.data;
    const ColumnPositions& x = context.columnX;
    const int layerRows = occupiedRowCount(data.layerRows);
    selectFontSlot(context, FontRole::Body);

    WrappedColumn names(x[Column::SoilSymbol], x[Column::SoilName] - textRightGap);
    WrappedColumn colorTones(x[Column::SoilName], x[Column::ColorTone] - textRightGap);
    double top = 0.0;
    TextBandPlacer figures(context.pageStart, context.pageBottom, textHeightInY(context));
    for (int row = 1; row <= layerRows; ++row) {
        const double bottom = parseLeadingNumber(data.layerRows.cell(row, LayerCell::LowerDepth));
        const int flags = layerFlags(data, row);
        const bool overlapsPage = top < context.pageBottom && bottom > context.pageStart;
        const bool boundaryOnPage =
            bottom >= context.pageStart - depthTolerance && bottom <= context.pageBottom + depthTolerance;

        if (overlapsPage && columnVisible(x, Column::SoilSymbol)) {
            const double partTop = std::max(top, context.pageStart);
            const double partBottom = std::min(bottom, context.pageBottom);
            if (partTop < partBottom)
                drawLayerPattern(context, row, {x[Column::Thickness], x[Column::SoilSymbol], partTop, partBottom});
        }
        if (boundaryOnPage)
            drawBoundary(context, row, layerRows, bottom, flags);
        if (overlapsPage) {
            if (boundaryOnPage)
                drawFigures(context, figures, top, bottom, flags);
            names.draw(context, soilNameText(context, row, flags), top, bottom);
            colorTones.draw(context, data.layerRows.cell(row, LayerCell::ColourTone), top, bottom);
        }
        top = bottom;
    }
}

}  // namespace kolv
