#include "render/PatternFill.h"

#include "data/Fields.h"
#include "data/Number.h"
#include "render/BitmapFile.h"
#include "render/BitmapTiling.h"
#include "render/LogPrimitives.h"
#include "render/VectorFigures.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace kolv {

namespace {

// Layer cells of the codes: the name's and the auxiliary name's.
constexpr int vectorCodeCells[2] = {12, 13};
constexpr int bitmapCodeCells[2] = {5, 6};
constexpr int percentageCells[2] = {9, 10};

constexpr double evenShare = 50.0;

long layerCode(const DrawContext& context, PatternSource source, int row, int which)
{
    const int cell = source == PatternSource::Vector ? vectorCodeCells[which] : bitmapCodeCells[which];
    return parseLeadingInteger(context.data.layerRows.cell(row, cell));
}

double layerPercentage(const DrawContext& context, int row, int which)
{
    const double percentage = parseLeadingNumber(context.data.layerRows.cell(row, percentageCells[which]));
    return percentage >= 1.0 && percentage <= 99.0 ? percentage : evenShare;
}

int digit(long code, long place)
{
    return static_cast<int>(code / place % 10);
}

// A device length of the mapping, kept within the device's coordinate range.
int deviceLength(double units)
{
    if (!(units > 0.0))
        return 0;
    return static_cast<int>(std::min(std::trunc(units), double(2 * deviceCoordinateLimit)));
}

int patternPenWidth(const LogSettings& settings)
{
    return std::clamp(settings.patternLineWidth, 0, 2) + 1;
}

bool drawVectorStep(DrawContext& context, long number, const PatternCell& cell)
{
    if (!hasVectorFigure(number))
        return false;
    const LogSettings& settings = context.settings;
    const ColorRef color = settings.patternAllBlack != 0 ? 0 : settings.patternColors.colorOf(number);
    // The figure's spacing is in millimetres of the sheet, not metres of depth.
    const FigureFrame frame =
        figureFrameOf(context.mapping, cell.x1, cell.y1, cell.x2, cell.y2, context.mapping.dotsPerMmY);
    drawVectorFigure(context.device, number, frame, solidPen(patternPenWidth(settings), color));
    return true;
}

bool drawBitmapStep(DrawContext& context, long number, const PatternCell& cell, RasterOperation operation)
{
    const std::shared_ptr<const MonochromeBitmap> bitmap = patternBitmap(context.settings, number);
    if (!bitmap)
        return false;
    const LogMapping& mapping = context.mapping;
    const int left = mapping.toDeviceX(cell.x1) + 1;
    const int top = mapping.toDeviceY(cell.y1);
    const int width = deviceLength(mapping.unitX * (cell.x2 - cell.x1)) - 1;
    const int height = deviceLength(mapping.unitY * (cell.y2 - cell.y1));
    tileBitmap(context.device, {left, top, left + width, top + height}, *bitmap, operation);
    return true;
}

bool sameLayerName(const DrawContext& context, int row, int other)
{
    const std::string& name = context.data.layerRows.cell(row, LayerCell::Name);
    return !name.empty() && name == context.data.layerRows.cell(other, LayerCell::Name);
}

// A special code carries no material of its own: its part shows the
// pattern of the layer that opens the run of layers with the same name.
bool drawContinuedPattern(DrawContext& context, PatternSource source, int row, int which, const PatternCell& cell)
{
    int first = row;
    while (first > 1 && sameLayerName(context, row, first - 1))
        --first;
    if (first == row || classifyPatternCode(layerCode(context, source, first, which)) == CodeKind::Special)
        return true;
    drawLayerCode(context, source, first, which, cell);
    return true;
}

bool drawSource(DrawContext& context, PatternSource source, int row, const PatternCell& cell)
{
    if (layerCode(context, source, row, 0) < 1)
        return false;
    if (layerCode(context, source, row, 1) <= 0)
        return drawLayerCode(context, source, row, 0, cell);
    const double middle = (cell.x1 + cell.x2) / 2;
    const bool left = drawLayerCode(context, source, row, 0, {cell.x1, middle, cell.y1, cell.y2});
    const bool right = drawLayerCode(context, source, row, 1, {middle, cell.x2, cell.y1, cell.y2});
    return left || right;
}

}  // namespace

CodeKind classifyPatternCode(long code)
{
    if (code < 0)
        return CodeKind::None;
    if (code >= firstSpecialCode && code <= lastSpecialCode)
        return CodeKind::Special;
    switch (digit(code, 10000)) {
    case 1:
        return CodeKind::Whole;
    case 9:
        return CodeKind::Split;
    default:
        return CodeKind::Layered;
    }
}

bool drawPatternStep(DrawContext& context, PatternSource source, long number, const PatternCell& cell,
                     RasterOperation operation)
{
    if (number < 1)
        return false;
    return source == PatternSource::Vector ? drawVectorStep(context, number, cell)
                                           : drawBitmapStep(context, number, cell, operation);
}

bool drawLayerCode(DrawContext& context, PatternSource source, int row, int which, const PatternCell& cell)
{
    const long code = layerCode(context, source, row, which);
    switch (classifyPatternCode(code)) {
    case CodeKind::None:
        return false;
    case CodeKind::Special:
        return drawContinuedPattern(context, source, row, which, cell);
    case CodeKind::Whole:
        return drawPatternStep(context, source, code, cell, RasterOperation::Copy);
    case CodeKind::Split: {
        const long leftNumber = digit(code, 1000) * 1000L + digit(code, 100) * 100L;
        const long rightNumber = (digit(code, 10) * 10L + digit(code, 1)) * 100L;
        const double split = cell.x1 + (cell.x2 - cell.x1) * layerPercentage(context, row, which) / 100.0;
        const bool left =
            drawPatternStep(context, source, leftNumber, {cell.x1, split, cell.y1, cell.y2}, RasterOperation::Copy);
        const bool right =
            drawPatternStep(context, source, rightNumber, {split, cell.x2, cell.y1, cell.y2}, RasterOperation::Copy);
        return left || right;
    }
    case CodeKind::Layered: {
        const bool base = drawPatternStep(context, source, digit(code, 1000) * 1000L + digit(code, 100) * 100L, cell,
                                          RasterOperation::Copy);
        const bool tens = drawPatternStep(context, source, digit(code, 10) * 10L, cell, RasterOperation::And);
        const bool ones = drawPatternStep(context, source, digit(code, 1), cell, RasterOperation::And);
        return base || tens || ones;
    }
    }
    return false;
}

void drawLayerPattern(DrawContext& context, int row, const PatternCell& cell)
{
    switch (context.settings.patternMode) {
    case PatternMode::VectorOnly:
        drawSource(context, PatternSource::Vector, row, cell);
        break;
    case PatternMode::VectorThenBitmap:
        if (!drawSource(context, PatternSource::Vector, row, cell))
            drawSource(context, PatternSource::Bitmap, row, cell);
        break;
    case PatternMode::BitmapThenVector:
        if (!drawSource(context, PatternSource::Bitmap, row, cell))
            drawSource(context, PatternSource::Vector, row, cell);
        break;
    case PatternMode::BitmapOnly:
        drawSource(context, PatternSource::Bitmap, row, cell);
        break;
    default:
        break;
    }
}

long leadingPatternCode(const DrawContext& context, int row)
{
    switch (context.settings.patternMode) {
    case PatternMode::VectorOnly:
    case PatternMode::VectorThenBitmap:
        return layerCode(context, PatternSource::Vector, row, 0);
    case PatternMode::BitmapThenVector:
    case PatternMode::BitmapOnly:
        return layerCode(context, PatternSource::Bitmap, row, 0);
    default:
        return -1;
    }
}

}  // namespace kolv
