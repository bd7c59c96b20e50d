#include "render/VectorFigurePlotter.h"

#include "render/LogMapping.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolv {

namespace {

int clampToDevice(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(
        std::clamp(std::round(value), double(-deviceCoordinateLimit), double(deviceCoordinateLimit)));
}

// Points per wavelength of a drawn sine.
constexpr int waveSteps = 16;

}  // namespace

FigurePlotter::FigurePlotter(LogDevice& device, const FigureFrame& frame, const Pen& pen)
    : device_(device), frame_(frame), pen_(pen)
{
    if (frame_.unitX <= 0.0 || frame_.unitY <= 0.0) {
        frame_.unitX = frame_.unitY = 1.0;
        frame_.cell = {};
    }
    width_ = std::max(0.0, (frame_.cell.right - frame_.originX) / frame_.unitX);
    height_ = std::max(0.0, (frame_.cell.bottom - frame_.originY) / frame_.unitY);
    // Coordinates beyond the device's range are clamped, so marks there
    // could never show: the grids stop at the device's edge.
    const DeviceRect& cell = frame_.cell;
    visibleLeft_ = std::max(0.0, (std::max(cell.left, -deviceCoordinateLimit) - frame_.originX) / frame_.unitX);
    visibleRight_ = std::min(width_, (std::min(cell.right, deviceCoordinateLimit) - frame_.originX) / frame_.unitX);
    visibleTop_ = std::max(0.0, (std::max(cell.top, -deviceCoordinateLimit) - frame_.originY) / frame_.unitY);
    visibleBottom_ = std::min(height_, (std::min(cell.bottom, deviceCoordinateLimit) - frame_.originY) / frame_.unitY);
    device_.setClip(frame_.cell);
}

FigurePlotter::~FigurePlotter()
{
    device_.resetClip();
}

DevicePoint FigurePlotter::toDevice(double x, double y) const
{
    return {clampToDevice(frame_.originX + x * frame_.unitX), clampToDevice(frame_.originY + y * frame_.unitY)};
}

void FigurePlotter::line(double x1, double y1, double x2, double y2) const
{
    device_.drawLine(toDevice(x1, y1), toDevice(x2, y2), pen_);
}

void FigurePlotter::polyline(const std::vector<FigurePoint>& points) const
{
    std::vector<DevicePoint> mapped;
    mapped.reserve(points.size());
    for (const FigurePoint& point : points)
        mapped.push_back(toDevice(point.x, point.y));
    device_.drawPolyline(mapped, pen_);
}

void FigurePlotter::polygon(const std::vector<FigurePoint>& points, bool filled) const
{
    std::vector<DevicePoint> mapped;
    mapped.reserve(points.size());
    for (const FigurePoint& point : points)
        mapped.push_back(toDevice(point.x, point.y));
    device_.drawPolygon(mapped, pen_, filled ? &pen_.color : nullptr);
}

void FigurePlotter::circle(double x, double y, double radius) const
{
    ellipse(x, y, radius, radius, false);
}

void FigurePlotter::dot(double x, double y, double radius) const
{
    // The pen's width adds to the filled disc, so the disc is drawn that much
    // smaller; at least one device unit remains.
    const int size = std::max(1, clampToDevice(2 * radius * frame_.unitX - pen_.width));
    const DevicePoint centre = toDevice(x, y);
    const int left = centre.x - size / 2;
    const int top = centre.y - size / 2;
    device_.drawEllipse({left, top, left + size, top + size}, pen_, &pen_.color);
}

void FigurePlotter::ellipse(double x, double y, double radiusX, double radiusY, bool filled) const
{
    // Both radii follow x's unit so circles stay round at any depth scale.
    const DevicePoint centre = toDevice(x, y);
    const int rx = std::max(1, clampToDevice(radiusX * frame_.unitX));
    const int ry = std::max(1, clampToDevice(radiusY * frame_.unitX));
    device_.drawEllipse({centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry}, pen_,
                        filled ? &pen_.color : nullptr);
}

void FigurePlotter::arc(double x, double y, double radius, double startDegrees, double endDegrees) const
{
    const DevicePoint centre = toDevice(x, y);
    const int r = std::max(1, clampToDevice(radius * frame_.unitX));
    auto direction = [&](double degrees) {
        const double radians = degrees * std::numbers::pi / 180.0;
        return DevicePoint{clampToDevice(centre.x + 4.0 * r * std::cos(radians)),
                           clampToDevice(centre.y - 4.0 * r * std::sin(radians))};
    };
    device_.drawArc({centre.x - r, centre.y - r, centre.x + r, centre.y + r}, direction(startDegrees),
                    direction(endDegrees), pen_);
}

void FigurePlotter::filledBox(double x1, double y1, double x2, double y2) const
{
    const DevicePoint a = toDevice(x1, y1);
    const DevicePoint b = toDevice(x2, y2);
    device_.fillRectangle({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}, pen_.color);
}

void FigurePlotter::horizontalLines(double spacing, double offset) const
{
    if (!hasVisiblePart())
        return;
    const int first = static_cast<int>(std::ceil((visibleTop_ - offset) / spacing));
    const int last = static_cast<int>(std::floor((visibleBottom_ - offset) / spacing));
    for (int row = first; row <= last; ++row)
        line(visibleLeft_, offset + row * spacing, visibleRight_, offset + row * spacing);
}

void FigurePlotter::horizontalDashes(double spacing, double offset, double dash, double gap, double shift) const
{
    if (!hasVisiblePart())
        return;
    const double period = dash + gap;
    const int first = static_cast<int>(std::ceil((visibleTop_ - offset) / spacing));
    const int last = static_cast<int>(std::floor((visibleBottom_ - offset) / spacing));
    for (int row = first; row <= last; ++row) {
        const double y = offset + row * spacing;
        const double start = (row & 1) ? shift : 0.0;
        // Every dash that reaches into the visible part, and no other.
        const int firstDash = static_cast<int>(std::ceil((visibleLeft_ - start - dash) / period));
        const int lastDash = static_cast<int>(std::floor((visibleRight_ - start) / period));
        for (int k = firstDash; k <= lastDash; ++k) {
            const double x = start + k * period;
            line(x, y, x + dash, y);
        }
    }
}

void FigurePlotter::verticalLines(double spacing, double offset) const
{
    if (!hasVisiblePart())
        return;
    const int first = static_cast<int>(std::ceil((visibleLeft_ - offset) / spacing));
    const int last = static_cast<int>(std::floor((visibleRight_ - offset) / spacing));
    for (int column = first; column <= last; ++column)
        line(offset + column * spacing, visibleTop_, offset + column * spacing, visibleBottom_);
}

void FigurePlotter::diagonalLines(double spacing, double offset, bool rising) const
{
    if (!hasVisiblePart())
        return;
    // Rising lines are x + y = c, falling ones x - y = c; each is cut to
    // the visible part of the cell.
    const double low = rising ? visibleLeft_ + visibleTop_ : visibleLeft_ - visibleBottom_;
    const double high = rising ? visibleRight_ + visibleBottom_ : visibleRight_ - visibleTop_;
    const int first = static_cast<int>(std::floor((low - offset) / spacing));
    const int last = static_cast<int>(std::ceil((high - offset) / spacing));
    for (int k = first; k <= last; ++k) {
        const double c = offset + k * spacing;
        double top = 0.0;
        double bottom = 0.0;
        if (rising) {
            top = std::max(visibleTop_, c - visibleRight_);
            bottom = std::min(visibleBottom_, c - visibleLeft_);
            if (top < bottom)
                line(c - top, top, c - bottom, bottom);
        } else {
            top = std::max(visibleTop_, visibleLeft_ - c);
            bottom = std::min(visibleBottom_, visibleRight_ - c);
            if (top < bottom)
                line(c + top, top, c + bottom, bottom);
        }
    }
}

void FigurePlotter::waves(double spacing, double offset, double wavelength, double amplitude, double phase) const
{
    if (!hasVisiblePart())
        return;
    const int first = static_cast<int>(std::floor((visibleTop_ - amplitude - offset) / spacing));
    const int last = static_cast<int>(std::ceil((visibleBottom_ + amplitude - offset) / spacing));
    const double start = std::floor(visibleLeft_ / wavelength) * wavelength;
    const int steps = static_cast<int>(std::ceil((visibleRight_ - start) / wavelength)) * waveSteps;
    for (int row = first; row <= last; ++row) {
        const double y = offset + row * spacing;
        std::vector<FigurePoint> points;
        points.reserve(static_cast<std::size_t>(steps) + 1);
        for (int step = 0; step <= steps; ++step) {
            const double x = start + step * wavelength / waveSteps;
            points.push_back({x, y - amplitude * std::sin(2 * std::numbers::pi * (x / wavelength) + phase)});
        }
        polyline(points);
    }
}

void FigurePlotter::repeat(const FigureGrid& grid, double reach,
                           const std::function<void(double x, double y, int column, int row)>& mark) const
{
    if (!hasVisiblePart())
        return;
    const int firstRow = static_cast<int>(std::ceil((visibleTop_ - reach - grid.offsetY) / grid.dy));
    const int lastRow = static_cast<int>(std::floor((visibleBottom_ + reach - grid.offsetY) / grid.dy));
    for (int row = firstRow; row <= lastRow; ++row) {
        const double y = grid.offsetY + row * grid.dy;
        const double shift = grid.offsetX + (grid.staggered && (row & 1) ? grid.dx / 2 : 0.0);
        const int firstColumn = static_cast<int>(std::ceil((visibleLeft_ - reach - shift) / grid.dx));
        const int lastColumn = static_cast<int>(std::floor((visibleRight_ + reach - shift) / grid.dx));
        for (int column = firstColumn; column <= lastColumn; ++column)
            mark(shift + column * grid.dx, y, column, row);
    }
}

}  // namespace kolv
