#include "render/NValueQuScale.h"

#include "data/BoringData.h"
#include "data/Fields.h"
#include "data/Number.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

constexpr double smallestSpan = 0.1;
// More marks than this would only print numbers over each other.
constexpr int maximumSteps = 20;

// The number printed for a scale value, kept within int for absurd scales.
int printedValue(double value)
{
    return static_cast<int>(std::lround(std::clamp(value, -2.0e9, 2.0e9)));
}

}  // namespace

QuScale quScale(const BoringData& data)
{
    QuScale scale;
    scale.minimum = parseLeadingNumber(data.documentOption(DocumentOptionItem::QuScaleMinimum).value);
    scale.maximum = parseLeadingNumber(data.documentOption(DocumentOptionItem::QuScaleMaximum).value);
    scale.step = parseLeadingNumber(data.documentOption(DocumentOptionItem::QuScaleStep).value);
    return scale;
}

double quPlotOffset(double qu, const QuScale& scale, double graphWidth)
{
    const double span = scale.maximum - scale.minimum;
    if (span <= smallestSpan)
        return 0.0;
    return std::clamp((qu - scale.minimum) / span, 0.0, 1.0) * graphWidth;
}

std::vector<QuScaleMark> quScaleMarks(const QuScale& scale, double graphWidth)
{
    std::vector<QuScaleMark> marks;
    const double span = scale.maximum - scale.minimum;
    if (span <= smallestSpan) {
        marks.push_back({printedValue(scale.minimum), 0.0});
        return marks;
    }
    const auto add = [&](double value) {
        marks.push_back({printedValue(value), quPlotOffset(value, scale, graphWidth)});
    };
    add(scale.minimum);
    if (scale.step > 0.0 && span / scale.step <= maximumSteps) {
        for (int i = 1; i < maximumSteps && scale.minimum + i * scale.step < scale.maximum - 1e-9; ++i)
            add(scale.minimum + i * scale.step);
    }
    add(scale.maximum);
    return marks;
}

}  // namespace kolv
