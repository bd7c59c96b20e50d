#include "render/DrawContext.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

// trunc(DotsPerInchY x size / divisor). An absurd size stays absurd (within
// int) so that making the font fails visibly rather than quietly.
int fontHeight(int dotsPerInchY, double size, double divisor)
{
    constexpr double absurd = 1.0e7;
    const double height = std::trunc(dotsPerInchY * size / divisor);
    if (std::isnan(height))
        return static_cast<int>(absurd);
    return static_cast<int>(std::clamp(height, -absurd, absurd));
}

FontRequest fontOfSlot(const FontSlot& slot, int dotsPerInchY, double divisor)
{
    FontRequest font;
    font.height = fontHeight(dotsPerInchY, slot.size, divisor);
    font.face = slot.face;
    font.color = slot.color;
    return font;
}

}  // namespace

Pen innerPen(const DrawContext& context)
{
    return Pen{PenStyle::Solid, context.settings.innerLineWidth, 0};
}

Pen outerPen(const DrawContext& context)
{
    return Pen{PenStyle::Solid, context.settings.outerLineWidth, 0};
}

void preparePage(DrawContext& context, double pageStart, int page)
{
    prepareMapping(context.mapping, context.device, context.settings, maximumDepth(context.data));
    context.columnX = computeColumnX(context.data);
    context.page = page;
    context.depthPerPage = std::max(1, context.settings.depthPerPage);
    context.pageStart = pageStart;
    context.pageBottom = pageStart + context.depthPerPage;
    context.freeNotesHeight = freeNotesHeight(context.data);
    const int dotsPerInchY = context.mapping.dotsPerInchY;
    for (int slot = 0; slot < fontSlotCount; ++slot)
        context.slotFonts[slot] = fontOfSlot(context.settings.fontSlots[slot], dotsPerInchY, 72.0);
    context.titleFont = fontOfSlot(context.settings.fontSlots[slotIndex(FontRole::Title)], dotsPerInchY, 45.0);
    context.currentFontSlot = -1;
}

}  // namespace kolv
