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

// The printed pages that hold the whole log: every layer and every
// observation note, which the notes above may push below the last layer.
// Text is measured on the device the pages are drawn on.
int logPageCount(LogDevice& device, const BoringData& data, const LogSettings& settings);

// Draws one page; nothing when screen drawing is off and the page is not
// being printed. Returns what went wrong (a font that cannot be made, once).
Issues drawPage(LogDevice& device, const BoringData& data, const LogSettings& settings, const PageOptions& options);

}  // namespace kolv
