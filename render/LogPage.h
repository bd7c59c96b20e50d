#pragma once
// One drawing pass of a page, the same for the screen, the printer, the print
// preview and every export: mapping, title band, body, layers, free notes and
// footer, in that order.
#include "data/BoringData.h"
#include "platform/Issue.h"
#include "render/LogDevice.h"
#include "settings/LogSettings.h"

namespace kolv {

struct PageOptions {
    // Printing draws page `page` from its own start depth; the screen draws
    // from screenPageStart and numbers the page `page` (the current page).
    bool printing = true;
    int page = 1;
    double screenPageStart = 0.0;
    // x extent of the body clip: 350 on a wide screen and for export, 290 on
    // a narrow screen.
    double clipWidth = 350.0;
};

// The depth the log reaches: its last layer, or the end of the observation
// notes where the notes above push them further down. Text is measured on
// the device the pages are drawn on.
double logContentDepth(LogDevice& device, const BoringData& data, const LogSettings& settings);
// The printed pages that hold the whole log down to that depth.
int logPageCount(LogDevice& device, const BoringData& data, const LogSettings& settings);

// Draws one page; nothing when screen drawing is off and the page is not
// being printed. Returns what went wrong (a font that cannot be made, once).
Issues drawPage(LogDevice& device, const BoringData& data, const LogSettings& settings, const PageOptions& options);

}  // namespace kolv
