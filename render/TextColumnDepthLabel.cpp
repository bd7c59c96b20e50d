#include "render/TextColumnDepthLabel.h"

#include "data/BoringData.h"
#include "data/Fields.h"
#include "data/Number.h"

#include <cmath>

namespace kolv {

namespace {

constexpr double degreesToRadians = 0.01745327777777778;
// Elevations at or below this mark a borehole without a collar elevation.
constexpr double noElevation = -999.9;

enum class DepthLabelKind { Depth = 0, Elevation = 1, NegativeDepth = 2 };

// The boring angle from the vertical; only an angle above 0.1 and at most
// 180 degrees counts, anything else is a vertical hole.
double boringAngle(const BoringData& data)
{
    const double angle = parseLeadingNumber(data.headingLine(HeadingLine::BoringAngle));
    return angle > 0.1 && angle <= 180.0 ? angle : 0.0;
}

}  // namespace

std::optional<std::string> testDepthLabel(const BoringData& data, double depth)
{
    const auto kind = static_cast<DepthLabelKind>(parseLeadingInteger(data.headingLine(HeadingLine::SampleDepthLabel)));
    double value = depth;
    if (kind == DepthLabelKind::Elevation) {
        const std::string& elevationText = data.headingLine(HeadingLine::CollarElevation);
        const double elevation = parseLeadingNumber(elevationText);
        if (isNumericText(elevationText) < 1 || elevation <= noElevation)
            return std::nullopt;
        const double angle = boringAngle(data);
        value = angle != 0.0 ? elevation - depth * std::cos(angle * degreesToRadians) : elevation - depth;
    } else if (kind == DepthLabelKind::NegativeDepth) {
        value = -depth;
    }
    if (std::fabs(value) < 0.005)
        value = 0.0;
    return formatText("%5.2f", value);
}

}  // namespace kolv
