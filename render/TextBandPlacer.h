#pragma once
// The texts of depth-keyed items of one column (a penetration test's counts,
// an in-situ test's result and name, a depth figure) each take a band of
// depth. Bands are placed down the page in depth order:
// - a band is moved inside the page when it would cross the page's top or
//   bottom edge, so that it is never cut (the item belongs to the page that
//   holds its depth; items off the page are not offered);
// - a band that would overlap the one placed before it moves down just clear
//   of it, by at most `largestShift` (one text line), and not past the
//   page's bottom;
// - a band that would need more is left out: the item keeps its marks and
//   lines, only its texts are not written.
#include <optional>

namespace kolv {

class TextBandPlacer {
public:
    TextBandPlacer(double pageTop, double pageBottom, double largestShift);

    // The shift (metres, down positive) to apply to the band top ... bottom,
    // or nothing when its texts are left out.
    std::optional<double> place(double top, double bottom);

private:
    double pageTop_;
    double pageBottom_;
    double largestShift_;
    double lastBottom_;
};

}  // namespace kolv
