#pragma once
// The page-number footer of the document ("ページ" dialog): its text and
// where it goes on the sheet, from heading lines 61 to 69. Drawn by
// drawPageFooter (TextColumns.h).
#include <string>

namespace kolv {

struct BoringData;

enum class FooterVerticalMode { FromPaperTop, BelowLog };

struct PageFooter {
    std::string text;  // empty: nothing is drawn
    FooterVerticalMode verticalMode = FooterVerticalMode::FromPaperTop;
    double distanceFromPaperTop = 0.0;  // mm
    double distanceBelowLog = 0.0;      // mm below the free-notes box
    bool centred = false;
    double leftFromPaperEdge = 0.0;    // mm
    double centreFromPaperEdge = 0.0;  // mm
};

// prefix + page number + suffix, the number counted from the footer's start
// number; a start text that is not a number is printed as it is on every page.
PageFooter pageFooter(const BoringData& data, int page);

}  // namespace kolv
