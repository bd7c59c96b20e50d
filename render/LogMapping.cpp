#include "render/LogMapping.h"

#include "data/Fields.h"
#include "data/Number.h"
#include "render/LogDevice.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

int clampToDevice(double value)
{
    if (std::isnan(value))
        return -deviceCoordinateLimit;
    const double truncated = std::trunc(value);
    if (truncated < -deviceCoordinateLimit)
        return -deviceCoordinateLimit;
    if (truncated > deviceCoordinateLimit)
        return deviceCoordinateLimit;
    return static_cast<int>(truncated);
}

double bodyUnitY(const LogMapping& mapping)
{
    return 1000.0 / mapping.verticalScale * mapping.dotsPerMmY;
}

}  // namespace

// A scale denominator of 0 or less would make the units infinite.
int usableScale(int scale)
{
    return scale > 0 ? scale : 100;
}

int LogMapping::toDeviceX(double x) const
{
    return clampToDevice(leftMarginMm * dotsPerMmX + unitX * x);
}

int LogMapping::toDeviceY(double y) const
{
    return clampToDevice((depthOffset + y) * unitY + topMarginMm * dotsPerMmY + headerUnit * titleBandUnits);
}

double LogMapping::fromDeviceX(int d) const
{
    if (unitX <= 0.0001)
        return 0.0;
    return (d - leftMarginMm * dotsPerMmX) / unitX;
}

double LogMapping::fromDeviceY(int d) const
{
    if (unitY <= 0.0001)
        return 0.0;
    return (d - (topMarginMm * dotsPerMmY + headerUnit * titleBandUnits)) / unitY - depthOffset;
}

double LogMapping::depthFromDeviceY10(int d) const
{
    if (dotsPerMmY <= 0.0001)
        return 0.0;
    return (d - topMarginMm * dotsPerMmY - headerUnit * titleBandUnits) / (dotsPerMmY * 10) - depthOffset;
}

double LogMapping::headerUnitForScale() const
{
    return scaleDepthPartOnly ? 10.0 * dotsPerMmY : bodyUnitY(*this);
}

void LogMapping::useTitleBand()
{
    headerUnit = headerUnitForScale();
    unitY = headerUnit;
    depthOffset = 0.0;
}

void LogMapping::useBody(double pageStart)
{
    unitY = bodyUnitY(*this);
    headerUnit = headerUnitForScale();
    depthOffset = -pageStart;
}

void LogMapping::useSheetMillimetres()
{
    unitY = dotsPerMmY;
    headerUnit = 10.0 * dotsPerMmY;
    depthOffset = 0.0;
    topMarginMm = 0.0;
    leftMarginMm = 0.0;
}

void prepareMapping(LogMapping& mapping, LogDevice& device, const LogSettings& settings, double maxDepth)
{
    mapping = LogMapping{};
    mapping.maxDepth = maxDepth;
    mapping.leftMarginMm = settings.leftMargin;
    mapping.topMarginMm = settings.topMargin;
    mapping.dotsPerInchX = device.dotsPerInchX() > 0 ? device.dotsPerInchX() : 96;
    mapping.dotsPerInchY = device.dotsPerInchY() > 0 ? device.dotsPerInchY() : 96;
    mapping.dotsPerMmX = mapping.dotsPerInchX * millimetresPerInchInverse;
    mapping.dotsPerMmY = mapping.dotsPerInchY * millimetresPerInchInverse;
    mapping.horizontalScale = usableScale(settings.horizontalScale);
    mapping.verticalScale = usableScale(settings.verticalScale);
    mapping.scaleDepthPartOnly = settings.scaleDepthPartOnly != 0;
    mapping.unitX = 100.0 / mapping.horizontalScale * mapping.dotsPerMmX;
    mapping.unitY = bodyUnitY(mapping);
    mapping.useTitleBand();
    const TextMetrics metrics = device.textMetrics();
    mapping.lineHeight = metrics.height + metrics.externalLeading;
}

double maximumDepth(const BoringData& data)
{
    const int layers = occupiedRowCount(data.layerRows);
    return layers > 0 ? parseLeadingNumber(data.layerRows.cell(layers, LayerCell::LowerDepth)) : 0.0;
}

int freeNotesHeight(const BoringData& data)
{
    return std::clamp(data.freeNoteFrameSize, 0, 1000);
}

double clampPrintStartDepth(double depth)
{
    if (std::isnan(depth))
        return 0.0;
    return std::clamp(depth, printStartDepthMinimum, printStartDepthMaximum);
}

double pageStep(const LogSettings& settings)
{
    const int step = settings.depthPerPage - settings.pageOverlap;
    return step > 0 ? step : 1.0;
}

int pageCount(const LogSettings& settings, double maxDepth)
{
    const double start = clampPrintStartDepth(settings.printStartDepth);
    const double pages = std::trunc((maxDepth - start) / pageStep(settings)) + settings.forcedExtraPages + 1.0;
    if (!(pages >= 1.0))
        return 1;
    return pages > pageCountLimit ? pageCountLimit : static_cast<int>(pages);
}

double pageStartDepth(const LogSettings& settings, int page)
{
    return clampPrintStartDepth(settings.printStartDepth) + pageStep(settings) * (page - 1);
}

int computeUsableDepth(const LogSettings& settings, int freeNotesHeightMm, int lengthMm, int scale, bool fixedHeader,
                       int headerUnits)
{
    const double header = fixedHeader ? headerUnits * 10.0 : headerUnits * 1000.0 / usableScale(scale);
    const double usable = static_cast<double>(lengthMm) - settings.topMargin - freeNotesHeightMm - std::trunc(header);
    return usable > 0 ? static_cast<int>(usable) : 0;
}

}  // namespace kolv
