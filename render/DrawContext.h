#pragma once
// What the drawing steps of one page share: the device, the mapping, the
// column boundaries, the document and settings, the page's depth range and
// the fonts of the six slots at the device's resolution.
#include "data/BoringData.h"
#include "platform/Issue.h"
#include "render/ColumnLayout.h"
#include "render/LogDevice.h"
#include "render/LogMapping.h"
#include "settings/LogSettings.h"

#include <array>

namespace kolv {

// What each of the six font slots of the settings is for, in slot order.
enum class FontRole {
    Title,          // survey particulars, company name
    HeadingLabels,  // column headings
    Body,           // all body text but the notes
    ObservationNotes,
    FreeNotes,
    PageFooter,
};

// The index of the role's slot in the settings' fontSlots and in slotFonts.
constexpr int slotIndex(FontRole role)
{
    return static_cast<int>(role);
}

struct DrawContext {
    DrawContext(LogDevice& device, LogMapping& mapping, const BoringData& data, const LogSettings& settings)
        : device(device), mapping(mapping), data(data), settings(settings)
    {}

    LogDevice& device;
    LogMapping& mapping;
    const BoringData& data;
    const LogSettings& settings;
    // What went wrong in the pass, for the caller to show once it is done;
    // the pass itself never shows anything.
    Issues issues;
    bool fontFailureReported = false;

    ColumnPositions columnX{};

    int page = 1;             // the page number shown (free notes, footer)
    double pageStart = 0.0;   // depth at the top of the body
    double pageBottom = 0.0;  // pageStart + DepthPerPage
    int depthPerPage = 1;     // DepthPerPage, at least 1
    bool printing = false;
    double clipWidth = 350.0;  // x extent of the body clip
    int freeNotesHeight = 0;   // mm

    // Fonts of the six slots at trunc(DotsPerInchY x size / 72) device units,
    // and the log title at trunc(DotsPerInchY x size / 45).
    std::array<FontRequest, fontSlotCount> slotFonts{};
    FontRequest titleFont;
    int currentFontSlot = -1;  // -1: no slot font selected yet
    FontRequest currentFont;   // the font last given to the device
};

// The pens of the inner rules and of the outer frame, at their settings' widths.
Pen innerPen(const DrawContext& context);
Pen outerPen(const DrawContext& context);

// Prepares the mapping for the device (title band), the column boundaries, the
// fonts and the depth range of a page starting at pageStart, numbered page.
void preparePage(DrawContext& context, double pageStart, int page);

}  // namespace kolv
