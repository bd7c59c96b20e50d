#pragma once
// How much of the sheet a printed page of the log covers, and what makes a
// log that is wider or taller than the sheet fit it.
#include "data/BoringData.h"
#include "render/LogMapping.h"
#include "settings/LogSettings.h"

#include <string>

namespace kolv {

// The right and bottom edges of everything a page draws (rules, frames,
// patterns; texts are placed inside them), in millimetres from the sheet's
// top-left corner, clipping as the page clips.
struct LogExtent {
    double widthMm = 0.0;
    double heightMm = 0.0;
};

LogExtent measureLogExtent(const BoringData& data, const LogSettings& settings, int page);

// True when the extent lies on the sheet (half a millimetre is allowed for
// the width of a rule).
bool fitsOnSheet(const LogExtent& extent, const PaperSize& paper);

// The smallest horizontal scale 1:N (up to the largest the scale dialog
// accepts) at which the log is no wider than the sheet; 0 when none is.
int fittingHorizontalScale(const BoringData& data, const LogSettings& settings, int page, const PaperSize& paper);

}  // namespace kolv
