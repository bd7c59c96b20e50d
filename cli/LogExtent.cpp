#include "cli/LogExtent.h"

#include "render/LogPage.h"
#include "render/RecordingDevice.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

// Fine enough for a millimetre, coarse enough that a sheet of several metres
// stays inside the device's coordinate range.
constexpr int measuringDotsPerInch = 100;
constexpr double toleranceMm = 0.5;
constexpr int largestHorizontalScale = 500;

DeviceRect boundsOf(const RecordedPrimitive& primitive)
{
    if (primitive.points.empty())
        return {
            std::min(primitive.rect.left, primitive.rect.right), std::min(primitive.rect.top, primitive.rect.bottom),
            std::max(primitive.rect.left, primitive.rect.right), std::max(primitive.rect.top, primitive.rect.bottom)};
    DeviceRect bounds{primitive.points.front().x, primitive.points.front().y, primitive.points.front().x,
                      primitive.points.front().y};
    for (const DevicePoint& point : primitive.points) {
        bounds.left = std::min(bounds.left, point.x);
        bounds.top = std::min(bounds.top, point.y);
        bounds.right = std::max(bounds.right, point.x);
        bounds.bottom = std::max(bounds.bottom, point.y);
    }
    return bounds;
}

bool drawsShape(RecordedPrimitive::Kind kind)
{
    using Kind = RecordedPrimitive::Kind;
    switch (kind) {
    case Kind::Line:
    case Kind::Polyline:
    case Kind::Rectangle:
    case Kind::FilledRectangle:
    case Kind::Polygon:
    case Kind::Ellipse:
    case Kind::Bitmap:
        return true;
    default:
        return false;
    }
}

}  // namespace

LogExtent measureLogExtent(const BoringData& data, const LogSettings& settings, int page)
{
    RecordingDevice device(measuringDotsPerInch);
    PageOptions options;
    options.printing = true;
    options.page = page;
    drawPage(device, data, settings, options);

    int right = 0;
    int bottom = 0;
    bool clipped = false;
    DeviceRect clip;
    for (const RecordedPrimitive& primitive : device.primitives) {
        if (primitive.kind == RecordedPrimitive::Kind::Clip) {
            clip = primitive.rect;
            clipped = true;
            continue;
        }
        if (primitive.kind == RecordedPrimitive::Kind::ResetClip) {
            clipped = false;
            continue;
        }
        if (!drawsShape(primitive.kind) || primitive.measureOnly)
            continue;
        DeviceRect bounds = boundsOf(primitive);
        if (clipped) {
            bounds.right = std::min(bounds.right, clip.right);
            bounds.bottom = std::min(bounds.bottom, clip.bottom);
            if (bounds.right < std::max(bounds.left, clip.left) || bounds.bottom < std::max(bounds.top, clip.top))
                continue;
        }
        right = std::max(right, bounds.right);
        bottom = std::max(bottom, bounds.bottom);
    }
    const double millimetresPerDot = 25.4 / measuringDotsPerInch;
    return {right * millimetresPerDot, bottom * millimetresPerDot};
}

bool fitsOnSheet(const LogExtent& extent, const PaperSize& paper)
{
    return extent.widthMm <= paper.widthMm + toleranceMm && extent.heightMm <= paper.lengthMm + toleranceMm;
}

int fittingHorizontalScale(const BoringData& data, const LogSettings& settings, int page, const PaperSize& paper)
{
    // The body's width shrinks as 1/scale beside the fixed left margin: start
    // from that estimate and step up while the measured log is still too wide.
    const LogExtent current = measureLogExtent(data, settings, page);
    const double scale = settings.horizontalScale > 0 ? settings.horizontalScale : 100;
    const double room = paper.widthMm - settings.leftMargin;
    if (room <= 0)
        return 0;
    int estimate = static_cast<int>(std::ceil(scale * (current.widthMm - settings.leftMargin) / room));
    LogSettings trial = settings;
    for (int candidate = std::max(estimate, 1); candidate <= largestHorizontalScale; candidate += 5) {
        trial.horizontalScale = candidate;
        if (measureLogExtent(data, trial, page).widthMm <= paper.widthMm + toleranceMm)
            return candidate;
        if (candidate - estimate > 50)
            break;
    }
    return 0;
}

}  // namespace kolv
