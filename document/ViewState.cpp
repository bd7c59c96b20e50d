#include "document/ViewState.h"

#include <algorithm>
#include <cmath>

namespace kolv {

void applyPrinterPaper(LogSettings& settings, ViewState& view, int freeNotesHeightMm,
                       const std::optional<PaperSize>& paper)
{
    view.paperWidth = paper ? paper->widthMm : 280;
    view.paperLength = paper ? paper->lengthMm : 280;
    view.usableLength = view.paperLength - 32;
    // Without a printer the 280 mm sheet still decides the metres per page;
    // a page of 0 m would show an empty body and could not be paged.
    if (settings.depthPerPage <= 0) {
        const int scale = usableScale(settings.verticalScale);
        const int usable =
            computeUsableDepth(settings, freeNotesHeightMm, view.usableLength, scale, settings.scaleDepthPartOnly != 0);
        settings.depthPerPage = static_cast<int>(static_cast<long long>(usable) * scale / 1000);
        settings.printStartDepth = 0.0;
        settings.pageOverlap = 0;
        view.screenPageStart = 0.0;
        view.currentPage = 1;
    }
}

ScrollArea scrollAreaFor(int screenWidthPixels, int depthPerPage)
{
    constexpr double scrollUnitsPerMillimetre = 3.779527559055118;
    const bool wide = screenWidthPixels >= 1000;
    const int widthMm = wide ? 354 : 300;
    int heightMm = 2400;
    if (depthPerPage < 38)
        heightMm = 600;
    else if (depthPerPage < 78)
        heightMm = 900;
    else if (depthPerPage < 108)
        heightMm = 1200;
    else if (depthPerPage < 188)
        heightMm = 2000;
    ScrollArea area;
    area.width = static_cast<int>(widthMm * scrollUnitsPerMillimetre);
    area.height = static_cast<int>(heightMm * scrollUnitsPerMillimetre);
    area.pageStepX = area.width / 8;
    area.pageStepY = area.height / 8;
    area.lineStepX = area.width / 32;
    area.lineStepY = area.height / 32;
    area.clipWidth = wide ? 350.0 : 290.0;
    return area;
}

void previousPage(ViewState& view, const LogSettings& settings)
{
    if (view.printing)
        return;
    const double step = pageStep(settings);
    if (view.screenPageStart > -step)
        view.screenPageStart -= step;
    if (view.currentPage > 1)
        --view.currentPage;
}

void nextPage(ViewState& view, const LogSettings& settings, double maxDepth)
{
    if (view.printing)
        return;
    const double limit = std::max(maxDepth + 5.0, 50.0);
    if (view.screenPageStart < limit) {
        view.screenPageStart += pageStep(settings);
        ++view.currentPage;
    }
}

void resetRunawayPage(ViewState& view, const LogSettings& settings, double maxDepth)
{
    if (!view.printing && pageCount(settings, maxDepth) + 10 < view.currentPage)
        view.currentPage = 1;
}

}  // namespace kolv
