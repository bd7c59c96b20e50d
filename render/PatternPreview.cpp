#include "render/PatternPreview.h"

#include "render/DrawContext.h"
#include "render/LogMapping.h"

namespace kolv {

bool drawPatternPreview(LogDevice& device, const LogSettings& settings, PatternSource source, long number,
                        const DeviceRect& box)
{
    // x in millimetres and y in 10 mm units from the device's corner: the
    // figures keep the spacing they have on a log at 1:100.
    LogMapping mapping;
    prepareMapping(mapping, device, settings, 0.0);
    mapping.leftMarginMm = 0.0;
    mapping.topMarginMm = 0.0;
    mapping.headerUnit = 0.0;
    mapping.depthOffset = 0.0;
    mapping.unitX = mapping.dotsPerMmX;
    mapping.unitY = 10.0 * mapping.dotsPerMmY;

    static const BoringData noLayers;
    DrawContext context(device, mapping, noLayers, settings);
    const PatternCell cell{box.left / mapping.unitX, box.right / mapping.unitX, box.top / mapping.unitY,
                           box.bottom / mapping.unitY};
    device.setClip(box);
    const bool drawn = drawPatternStep(context, source, number, cell, RasterOperation::Copy);
    device.resetClip();
    return drawn;
}

}  // namespace kolv
