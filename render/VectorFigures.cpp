#include "render/VectorFigures.h"

#include "render/LogPrimitives.h"
#include "render/VectorFigureTable.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolv {

namespace {

// Boundary samples of the special figures lie 6 mm apart.
constexpr double boundarySpacing = 6.0;

// Calls mark(x) at every period along the cell's width.
template <class Mark> void alongWidth(const FigurePlotter& p, double period, Mark mark)
{
    const int count = static_cast<int>(std::ceil(p.width() / period));
    for (int k = 0; k < count; ++k)
        mark(k * period);
}

void dottedLine(const FigurePlotter& p, double y)
{
    alongWidth(p, 1.0, [&](double x) { p.dot(x + 0.5, y, 0.2); });
}

void dashDotLine(const FigurePlotter& p, double y)
{
    alongWidth(p, 3.0, [&](double x) {
        p.line(x, y, x + 1.6, y);
        p.line(x + 2.2, y, x + 2.4, y);
    });
}

// A sine of 3 mm wavelength swinging 0.5 mm either side of the line.
void wavyLine(const FigurePlotter& p, double y)
{
    constexpr double step = 0.25;
    std::vector<FigurePoint> points;
    const int steps = static_cast<int>(std::ceil(p.width() / step));
    for (int k = 0; k <= steps; ++k) {
        const double x = k * step;
        points.push_back({x, y - 0.5 * std::sin(2 * std::numbers::pi * x / 3.0)});
    }
    p.polyline(points);
}

void dashedLine(const FigurePlotter& p, double y)
{
    alongWidth(p, 3.0, [&](double x) { p.line(x, y, x + 2.0, y); });
}

// The same layer continues: a double arrow down the middle of every 12 mm.
void sameLayer(const FigurePlotter& p)
{
    const double x = p.width() / 2;
    p.repeat({1000.0, 12.0, x, 6.0, false}, 4.5, [&](double, double y, int, int) {
        p.line(x, y - 4.5, x, y + 4.5);
        p.polyline({{x - 0.7, y - 3.5}, {x, y - 4.5}, {x + 0.7, y - 3.5}});
        p.polyline({{x - 0.7, y + 3.5}, {x, y + 4.5}, {x + 0.7, y + 3.5}});
    });
}

template <int kind> void boundarySamples(const FigurePlotter& p)
{
    for (double y = boundarySpacing / 2; y < p.height(); y += boundarySpacing)
        drawBoundaryKind(p, kind, y);
}

constexpr VectorFigureEntry special[] = {
    {10000, sameLayer},          {10001, boundarySamples<1>}, {10002, boundarySamples<2>},
    {10003, boundarySamples<3>}, {10004, boundarySamples<4>},
};

const VectorFigureEntry* findFigure(long number)
{
    for (const auto family : {soilFigures(), rockFigures(), specialFigures()})
        for (const VectorFigureEntry& entry : family)
            if (entry.number == number)
                return &entry;
    return nullptr;
}

}  // namespace

std::span<const VectorFigureEntry> specialFigures()
{
    return special;
}

void drawBoundaryKind(const FigurePlotter& plotter, int kind, double y)
{
    switch (kind) {
    case 1:
        dottedLine(plotter, y);
        break;
    case 2:
        dashDotLine(plotter, y);
        break;
    case 3:
        wavyLine(plotter, y);
        break;
    case 4:
        dashedLine(plotter, y);
        break;
    default:
        break;
    }
}

bool hasVectorFigure(long number)
{
    return findFigure(number) != nullptr;
}

const std::vector<long>& vectorFigureNumbers()
{
    static const std::vector<long> numbers = [] {
        std::vector<long> all;
        for (const auto family : {soilFigures(), rockFigures(), specialFigures()})
            for (const VectorFigureEntry& entry : family)
                all.push_back(entry.number);
        std::sort(all.begin(), all.end());
        return all;
    }();
    return numbers;
}

bool drawVectorFigure(const FigurePlotter& plotter, long number)
{
    const VectorFigureEntry* entry = findFigure(number);
    if (!entry)
        return false;
    entry->draw(plotter);
    return true;
}

bool drawVectorFigure(LogDevice& device, long number, const FigureFrame& frame, const Pen& pen)
{
    if (!hasVectorFigure(number))
        return false;
    if (pen.width <= 0 || pen.style == PenStyle::Null)
        return true;
    const FigurePlotter plotter(device, frame, pen);
    return drawVectorFigure(plotter, number);
}

FigureFrame figureFrameOf(const LogMapping& mapping, double x1, double y1, double x2, double y2,
                          double unitsPerMillimetreY)
{
    const double left = std::min(x1, x2);
    const double top = std::min(y1, y2);
    FigureFrame frame;
    frame.originX = mapping.leftMarginMm * mapping.dotsPerMmX + mapping.unitX * left;
    frame.originY = (mapping.depthOffset + top) * mapping.unitY + mapping.topMarginMm * mapping.dotsPerMmY
        + mapping.headerUnit * titleBandUnits;
    frame.unitX = mapping.unitX;
    frame.unitY = unitsPerMillimetreY;
    frame.cell = {mapping.toDeviceX(left), mapping.toDeviceY(top), mapping.toDeviceX(std::max(x1, x2)),
                  mapping.toDeviceY(std::max(y1, y2))};
    return frame;
}

bool drawVectorFigure(DrawContext& context, long number, double x1, double y1, double x2, double y2, int penWidth,
                      ColorRef color)
{
    // The y unit is 10 mm: a tenth of it is one millimetre of the figure.
    const FigureFrame frame = figureFrameOf(context.mapping, x1, y1, x2, y2, context.mapping.unitY / 10.0);
    return drawVectorFigure(context.device, number, frame, solidPen(penWidth, color));
}

}  // namespace kolv
