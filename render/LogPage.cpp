#include "render/LogPage.h"

#include "data/Number.h"
#include "render/DrawContext.h"
#include "render/LogFrame.h"
#include "render/LogPrimitives.h"
#include "render/NValueColumn.h"
#include "render/SoilColumn.h"
#include "render/TextColumns.h"

namespace kolv {

namespace {

bool drillingDatesShown(const BoringData& data)
{
    return parseLeadingInteger(data.documentOption(18).value) == 1;
}

}  // namespace

void drawPage(LogDevice& device, const BoringData& data, const LogSettings& settings, Prompter& prompter,
              const PageOptions& options)
{
    if (!settings.screenDrawing && !options.printing)
        return;
    LogMapping mapping;
    DrawContext context(device, mapping, data, settings, prompter);
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
}

}  // namespace kolv
