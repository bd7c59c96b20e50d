#include "render/SoilColumn.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogPrimitives.h"
#include "render/PatternFill.h"
#include "render/TextBandPlacer.h"
#include "render/VectorFigures.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace kolv {

namespace {

// The display-flag word of a layer (cell 7), as the geology dialog sets it:
// each switch draws one rule or one text of the layer's bottom boundary.
namespace LayerFlag {
inline constexpr int LineUnderDepth = 1;  // across the depth columns; figures stand on it
inline constexpr int LineUnderName = 2;
inline constexpr int LineUnderPattern = 4;  // across the soil symbol column
inline constexpr int LineUnderAuxiliaryName = 8;
inline constexpr int LineUnderAuxiliaryPattern = 16;
inline constexpr int LineUnderColorTone = 32;
inline constexpr int ShowFigures = 64;
inline constexpr int ShowName = 128;
inline constexpr int ShowAuxiliaryName = 256;
// A layer without a word (hand-made files, a cell left empty) draws as the
// geology dialog's defaults, which the dialog also shows for it.
inline constexpr int Defaults = 247;
// The switches that make the bottom a boundary of the soil.
inline constexpr int SoilBoundary = LineUnderDepth | LineUnderPattern | LineUnderAuxiliaryPattern;
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
    return isNumericText(word) > 0 ? static_cast<int>(parseLeadingInteger(word)) : LayerFlag::Defaults;
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

// A text of the layers laid out before anything is drawn, so that the rules
// drawn afterwards keep clear of it.
struct PlacedText {
    std::string text;
    double top = 0.0;
    double height = 0.0;
    double layerTop = 0.0;  // the part of the layer on the page
    double layerBottom = 0.0;
    bool leader = false;  // the text left its layer: a leader joins them

    bool crosses(double depth) const
    {
        // A rule that only touches the text's top or bottom leaves it clear.
        constexpr double touch = 0.005;
        return depth > top + touch && depth < top + height - touch;
    }
};

// Text wrapped in one column of the layers. A text that fits its layer is
// centred in it; a longer one starts at the layer's top, below any text of
// the layers above that ran into it, and a short leader joins it to its
// layer. A text never runs past the page's bottom: it moves up as far as the
// text above allows, or is left to the page that holds the rest of its layer.
class WrappedColumn {
public:
    WrappedColumn(double ruleX, double textRight) : ruleX_(ruleX), textLeft_(ruleX + textIndent), textRight_(textRight)
    {}

    void place(DrawContext& context, const std::string& text, double layerTop, double layerBottom)
    {
        if (text.empty() || textRight_ - textLeft_ < hiddenColumnWidth)
            return;
        const double top = std::max(layerTop, context.pageStart);
        const double bottom = std::min(layerBottom, context.pageBottom);
        const double height = drawWrappedText(context, textLeft_, textRight_, top, text, true);
        double textTop = height <= bottom - top ? top + (bottom - top - height) / 2 : top;
        textTop = std::max(textTop, cursor_);
        if (textTop + height > context.pageBottom + depthTolerance) {
            textTop = context.pageBottom - height;
            if (textTop < cursor_ - depthTolerance || textTop < context.pageStart - depthTolerance)
                return;
        }
        const bool leader = textTop < top - depthTolerance || textTop + height > bottom + depthTolerance;
        texts_.push_back({text, textTop, height, top, bottom, leader});
        cursor_ = textTop + height;
    }

    bool crossesText(double depth) const
    {
        return std::any_of(texts_.begin(), texts_.end(),
                           [depth](const PlacedText& text) { return text.crosses(depth); });
    }

    void draw(DrawContext& context) const
    {
        for (const PlacedText& placed : texts_) {
            drawWrappedText(context, textLeft_, textRight_, placed.top, placed.text);
            if (placed.leader) {
                const double firstLine = placed.top + textHeightInY(context) / 2;
                drawLogLine(context, ruleX_, (placed.layerTop + placed.layerBottom) / 2, textLeft_, firstLine,
                            solidPen(context.settings.innerLineWidth));
            }
        }
    }

private:
    double ruleX_;
    double textLeft_;
    double textRight_;
    double cursor_ = -1e300;
    std::vector<PlacedText> texts_;
};

// The depth, thickness and datum-depth figures of the boundaries, placed so
// that they keep clear of each other.
class BoundaryFigures {
public:
    explicit BoundaryFigures(DrawContext& context)
        : placer_(context.pageStart, context.pageBottom, textHeightInY(context)), textHeight_(textHeightInY(context))
    {}

    void place(double top, double bottom, int flags)
    {
        if ((flags & LayerFlag::ShowFigures) == 0)
            return;
        // Figures stand on their boundary, inside their layer; a layer thinner
        // than a line of text would push them into the figures of the boundary
        // above, so they hang below the boundary instead. Figures of thin layers
        // one after the other move down clear of each other, or are left out.
        const bool roomAbove = bottom - top >= textHeight_;
        const bool standing = (flags & LayerFlag::LineUnderDepth) && roomAbove;
        const double bandTop = standing ? bottom - textHeight_ : bottom;
        const std::optional<double> shift = placer_.place(bandTop, bandTop + textHeight_);
        if (!shift)
            return;
        PlacedText band;
        band.top = bandTop + *shift;
        band.height = textHeight_;
        placed_.push_back({top, bottom, *shift, standing, band});
    }

    bool crossesText(double depth) const
    {
        return std::any_of(placed_.begin(), placed_.end(),
                           [depth](const Figures& figures) { return figures.band.crosses(depth); });
    }

    void draw(DrawContext& context) const
    {
        const ColumnPositions& x = context.columnX;
        const double elevation = groundElevation(context.data);
        const double angle = boreholeAngle(context.data);
        for (const Figures& figures : placed_) {
            const TextAlign vertical = figures.standing ? TextAlign::Bottom : TextAlign::Top;
            const double y = figures.bottom + figures.shift;
            auto figure = [&](int column, const std::string& text) {
                if (columnVisible(x, column))
                    drawTextWithin(context, (x[column - 1] + x[column]) / 2, y, text, TextAlign::Center | vertical,
                                   x[column - 1], x[column]);
            };
            if (elevation > noElevation) {
                const double below =
                    angle != 0.0 ? figures.bottom * std::cos(angle * degreesToRadians) : figures.bottom;
                figure(Column::DatumDepth, formatFigure("%5.2f", elevation - below));
            }
            figure(Column::Depth, formatFigure("%5.2f", figures.bottom));
            figure(Column::Thickness, formatFigure("%4.2f", figures.bottom - figures.top));
        }
    }

private:
    struct Figures {
        double top = 0.0;
        double bottom = 0.0;
        double shift = 0.0;
        bool standing = false;
        PlacedText band;  // the depth band the figures take
    };

    TextBandPlacer placer_;
    double textHeight_;
    std::vector<Figures> placed_;
};

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

void drawBoundary(DrawContext& context, int row, int layerRows, double depth, int flags, const BoundaryFigures& figures,
                  const WrappedColumn& names, const WrappedColumn& colorTones)
{
    const ColumnPositions& x = context.columnX;
    const Pen rule = solidPen(context.settings.innerLineWidth);
    // A rule across a column stops short of crossing a text in it: the text
    // stays legible and the boundary still shows in the other columns.
    if ((flags & LayerFlag::LineUnderDepth) && !figures.crossesText(depth))
        drawLogLine(context, x[Column::DepthScale], depth, x[Column::Thickness], depth, rule);

    if (flags & (LayerFlag::LineUnderPattern | LayerFlag::LineUnderAuxiliaryPattern)) {
        const long nextCode = row < layerRows ? leadingPatternCode(context, row + 1) : -1;
        if (classifyPatternCode(nextCode) == CodeKind::Special)
            drawSpecialBoundary(context, static_cast<int>(nextCode - firstSpecialCode), depth);
        else
            drawLogLine(context, x[Column::Thickness], depth, x[Column::SoilSymbol], depth, rule);
    }

    if ((flags & (LayerFlag::LineUnderName | LayerFlag::LineUnderAuxiliaryName)) && columnVisible(x, Column::SoilName)
        && !names.crossesText(depth))
        drawLogLine(context, x[Column::SoilSymbol], depth, x[Column::SoilName], depth, rule);
    if ((flags & LayerFlag::LineUnderColorTone) && columnVisible(x, Column::ColorTone)
        && !colorTones.crossesText(depth))
        drawLogLine(context, x[Column::SoilName], depth, x[Column::ColorTone], depth, rule);
    if ((flags & LayerFlag::LineUnderDepth) && x[9] - x[Column::ColorTone] >= hiddenColumnWidth)
        drawLogLine(context, x[Column::ColorTone], depth, x[9], depth, rule);
}

bool blankCell(const std::string& text)
{
    return skipLeadingBlanks(text).empty();
}

// A row that only steps the colour tone inside a layer: no soil of its own
// and none of the switches that mark a soil boundary. Imported colour lists
// give such rows where a colour changes inside a layer; the layer below goes
// on through them with its name, pattern and figures.
bool isColourStep(const BoringData& data, int row, int flags)
{
    if (flags & LayerFlag::SoilBoundary)
        return false;
    const auto& layers = data.layerRows;
    for (int cell :
         {LayerCell::Name, LayerCell::AuxiliaryName, LayerCell::PatternCode, LayerCell::AuxiliaryPatternCode})
        if (!blankCell(layers.cell(row, cell)))
            return false;
    return true;
}

// A row whose bottom ends a stretch of one colour tone: a colour of its own,
// or the switch of the rule under the colour. A layer without either (an
// imported layer whose colour is listed further down) takes the colour of
// the row below it.
bool endsColourTone(const BoringData& data, int row, int flags)
{
    return (flags & LayerFlag::LineUnderColorTone) || !blankCell(data.layerRows.cell(row, LayerCell::ColourTone));
}

struct LayerBounds {
    double bottom = 0.0;
    int flags = 0;
    double soilTop = 0.0;    // the top of the layer the row belongs to
    double colourTop = 0.0;  // the top of the stretch of its colour tone
    bool endsSoil = true;
    bool endsColour = true;
};

std::vector<LayerBounds> layerBounds(const BoringData& data, int layerRows)
{
    std::vector<LayerBounds> bounds(static_cast<std::size_t>(layerRows));
    double soilTop = 0.0;
    double colourTop = 0.0;
    for (int row = 1; row <= layerRows; ++row) {
        LayerBounds& layer = bounds[static_cast<std::size_t>(row - 1)];
        layer.bottom = parseLeadingNumber(data.layerRows.cell(row, LayerCell::LowerDepth));
        layer.flags = layerFlags(data, row);
        layer.soilTop = soilTop;
        layer.colourTop = colourTop;
        layer.endsSoil = !isColourStep(data, row, layer.flags) || row == layerRows;
        layer.endsColour = endsColourTone(data, row, layer.flags) || row == layerRows;
        if (layer.endsSoil)
            soilTop = layer.bottom;
        if (layer.endsColour)
            colourTop = layer.bottom;
    }
    return bounds;
}

}  // namespace

void drawLayers(DrawContext& context)
{
    const BoringData& data = context.data;
    const ColumnPositions& x = context.columnX;
    const int layerRows = occupiedRowCount(data.layerRows);
    selectFontSlot(context, FontRole::Body);
    const std::vector<LayerBounds> bounds = layerBounds(data, layerRows);
    auto onPage = [&context](double top, double bottom) {
        return top < context.pageBottom && bottom > context.pageStart;
    };
    auto boundaryOnPage = [&context](double depth) {
        return depth >= context.pageStart - depthTolerance && depth <= context.pageBottom + depthTolerance;
    };

    // The texts first, so that the rules keep clear of them.
    WrappedColumn names(x[Column::SoilSymbol], x[Column::SoilName] - textRightGap);
    WrappedColumn colorTones(x[Column::SoilName], x[Column::ColorTone] - textRightGap);
    BoundaryFigures figures(context);
    double top = 0.0;
    for (int row = 1; row <= layerRows; ++row) {
        const LayerBounds& layer = bounds[static_cast<std::size_t>(row - 1)];
        if (boundaryOnPage(layer.bottom) && onPage(top, layer.bottom))
            figures.place(layer.endsSoil ? layer.soilTop : top, layer.bottom, layer.flags);
        if (layer.endsSoil && onPage(layer.soilTop, layer.bottom))
            names.place(context, soilNameText(context, row, layer.flags), layer.soilTop, layer.bottom);
        if (layer.endsColour && onPage(layer.colourTop, layer.bottom))
            colorTones.place(context, data.layerRows.cell(row, LayerCell::ColourTone), layer.colourTop, layer.bottom);
        top = layer.bottom;
    }

    for (int row = 1; row <= layerRows; ++row) {
        const LayerBounds& layer = bounds[static_cast<std::size_t>(row - 1)];
        if (layer.endsSoil && onPage(layer.soilTop, layer.bottom) && columnVisible(x, Column::SoilSymbol)) {
            const double partTop = std::max(layer.soilTop, context.pageStart);
            const double partBottom = std::min(layer.bottom, context.pageBottom);
            if (partTop < partBottom)
                drawLayerPattern(context, row, {x[Column::Thickness], x[Column::SoilSymbol], partTop, partBottom});
        }
        if (boundaryOnPage(layer.bottom))
            drawBoundary(context, row, layerRows, layer.bottom, layer.flags, figures, names, colorTones);
    }
    figures.draw(context);
    names.draw(context);
    colorTones.draw(context);
}

}  // namespace kolv
