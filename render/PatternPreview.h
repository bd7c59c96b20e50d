#pragma once
// The pattern preview of the soil-name editor: one pattern number filling a
// box, drawn by the soil column's own pattern step with the figures' 10 mm
// unit, so the box shows what a layer of that pattern looks like on the log.
#include "render/LogDevice.h"
#include "render/PatternFill.h"
#include "settings/LogSettings.h"

namespace kolv {

// Fills the box (device units) with the pattern of number from the source,
// in the colours, line width and bitmap folder of the settings. True when
// anything was drawn: the figure table has the number, or its bitmap file
// could be read.
bool drawPatternPreview(LogDevice& device, const LogSettings& settings, PatternSource source, long number,
                        const DeviceRect& box);

}  // namespace kolv
