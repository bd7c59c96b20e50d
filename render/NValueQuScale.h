#pragma once
// The scale of the unconfined compression strength (qu) plotted on the
// N-value graph: "から" (from), "まで" (to) and "きざみ" (step) of the
// recovery ratio and qu dialog, kept in the document options 22 to 24.
#include <vector>

namespace kolv {

struct BoringData;

struct QuScale {
    double minimum = 0.0;
    double maximum = 500.0;
    double step = 100.0;
};

QuScale quScale(const BoringData& data);

// Offset of a qu value from the graph's left edge, for a graph graphWidth
// wide. The scale runs from its minimum, so a scale "から" 100 puts 100 at
// the left edge; values outside the scale stay on the graph, and a scale
// whose span is 0.1 or less puts every point at the left edge.
double quPlotOffset(double qu, const QuScale& scale, double graphWidth);

struct QuScaleMark {
    int value = 0;
    double offset = 0.0;
};

// The numbered marks of the qu scale: minimum, every step, maximum. A
// missing or too fine step leaves only the two ends.
std::vector<QuScaleMark> quScaleMarks(const QuScale& scale, double graphWidth);

}  // namespace kolv
