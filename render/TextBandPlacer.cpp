#include "render/TextBandPlacer.h"

#include <limits>

namespace kolv {

TextBandPlacer::TextBandPlacer(double pageTop, double pageBottom, double largestShift)
    : pageTop_(pageTop), pageBottom_(pageBottom), largestShift_(largestShift),
      lastBottom_(-std::numeric_limits<double>::infinity())
{}

std::optional<double> TextBandPlacer::place(double top, double bottom)
{
    if (!(bottom - top <= pageBottom_ - pageTop_))
        return std::nullopt;
    double shift = 0.0;
    if (top < pageTop_)
        shift = pageTop_ - top;
    else if (bottom > pageBottom_)
        shift = pageBottom_ - bottom;
    const double overlap = lastBottom_ - (top + shift);
    if (overlap > 0.0) {
        if (overlap > largestShift_ + 1e-9 || bottom + shift + overlap > pageBottom_ + 1e-9)
            return std::nullopt;
        shift += overlap;
    }
    lastBottom_ = bottom + shift;
    return shift;
}

}  // namespace kolv
