#include "render/LogPage.h"

#include "data/Number.h"
#include "render/DrawContext.h"
#include "render/LogFrame.h"
#include "render/LogPrimitives.h"
#include "render/NValueColumn.h"
#include "render/SoilColumn.h"
#include "render/TextColumns.h"

#include <algorithm>

namespace kolv {

namespace {

// A note whose text ends this little below a page's bottom still ends on it.
constexpr double depthTolerance = 0.000001;

}  // namespace

double logContentDepth(LogDevice& device, const BoringData& data, const LogSettings& settings)
{
    LogMapping mapping;
    DrawContext context(device, mapping, data, settings);
    const double start = pageStartDepth(settings, 1);
    preparePage(context, start, 1);
    mapping.useBody(start);
    const double notesBottom = observationNotesBottom(context) - depthTolerance;
    return std::max(maximumDepth(data), notesBottom);
}

int logPageCount(LogDevice& device, const BoringData& data, const LogSettings& settings)
{
    return pageCount(settings, logContentDepth(device, data, settings));
}

Issues drawPage(LogDevice& device, const BoringData& data, const LogSettings& settings, const PageOptions& options)
{
    if (!settings.screenDrawing && !options.printing)
        return {};
    LogMapping mapping;
    DrawContext context(device, mapping, data, settings);
    const double start = options.printing ? pageStartDepth(settings, options.page) : options.screenPageStart;
    preparePage(context, start, options.page);
    context.printing = options.printing;
    context.clipWidth = options.clipWidth;

    mapping.useTitleBand();
    drawTitleBlock(context);
    mapping.useBody(start);
    drawContractorName(context);
    mapping.useTitleBand();
    drawHeadings(context);

    mapping.useBody(start);
    drawGroundAndBottomRules(context);
    drawDepthZeroLabels(context);
    clipToPage(context);
    drawBodyFrame(context);
    selectFontSlot(context, FontRole::ObservationNotes);
    drawObservationNotes(context);
    selectFontSlot(context, FontRole::Body);
    drawNValueGrid(context);
    drawDepthScale(context);
    drawPenetrationTests(context, PlotMarks::Later);
    drawInSituTests(context);
    drawPenetrationTestMarks(context);
    drawSamples(context);
    drawRecoveryAndQu(context);
    if (drillingDatesShown(data))
        drawDrillingDates(context);
    device.resetClip();
    drawLayers(context);
    device.resetClip();
    drawFreeNotes(context);
    drawPageFooter(context);
    return std::move(context.issues);
}

}  // namespace kolv
