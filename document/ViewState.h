#pragma once
// What the screen shows of the log: the page and its start depth, the paper
// the page count follows, the scrolling extent and the paging keys.
#include "render/LogMapping.h"
#include "settings/LogSettings.h"

#include <optional>

namespace kolv {

// The screen's page state and the paper the page count follows.
struct ViewState {
    double screenPageStart = 0.0;
    int currentPage = 1;
    bool printing = false;
    int paperWidth = 280;
    int paperLength = 280;
    int usableLength = 248;

    bool operator==(const ViewState&) const = default;
};

// The printer paper query's effect: with no printer 280 x 280 mm; with one its
// size, and when DepthPerPage is not set yet, the metres that fit the paper
// (the start depths, the overlap and the page are then reset).
void applyPrinterPaper(LogSettings& settings, ViewState& view, int freeNotesHeightMm,
                       const std::optional<PaperSize>& paper);

// The scrolling extent of the view, fixed when it is first shown: width and
// height in scroll units (96 a inch), the page and line steps (an eighth and a
// thirty-second of each extent) and the body clip width in x units.
struct ScrollArea {
    int width = 0;
    int height = 0;
    int pageStepX = 0;
    int pageStepY = 0;
    int lineStepX = 0;
    int lineStepY = 0;
    double clipWidth = 350.0;
};

// A screen of 1000 pixels or more gets 354 mm and the 350 clip, a narrower one
// 300 mm and 290; the height grows with the metres per page.
ScrollArea scrollAreaFor(int screenWidthPixels, int depthPerPage);

// Screen paging; ignored while printing.
void previousPage(ViewState& view, const LogSettings& settings);
void nextPage(ViewState& view, const LogSettings& settings, double maxDepth);
// The paging keys first return a page number that ran far past the last page to 1.
void resetRunawayPage(ViewState& view, const LogSettings& settings, double maxDepth);

}  // namespace kolv
