#include "render/LogPrimitives.h"

#include "data/Cp932Text.h"
#include "platform/MessageCatalogue.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kolv {

namespace {

// Heights beyond this are not a font but a broken size setting.
constexpr int largestFontHeight = 16384;

DevicePoint toDevice(const LogMapping& mapping, double x, double y)
{
    return {mapping.toDeviceX(x), mapping.toDeviceY(y)};
}

DeviceRect toDeviceRect(const LogMapping& mapping, double x1, double y1, double x2, double y2)
{
    const DevicePoint a = toDevice(mapping, x1, y1);
    const DevicePoint b = toDevice(mapping, x2, y2);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool drawsSomething(const Pen& pen)
{
    return pen.width > 0 && pen.style != PenStyle::Null;
}

// Said once per pass: a slot is selected many times on one page.
void reportFontFailure(DrawContext& context)
{
    if (context.fontFailureReported)
        return;
    context.fontFailureReported = true;
    context.issues.push_back(issueOf(Message::CannotCreateFont, MessageKind::Error));
}

bool fontCanBeMade(const FontRequest& font)
{
    return font.height > -largestFontHeight && font.height < largestFontHeight;
}

}  // namespace

Pen solidPen(int width, ColorRef color)
{
    return Pen{PenStyle::Solid, width, color};
}

void drawLogLine(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen)
{
    if (!drawsSomething(pen))
        return;
    context.device.drawLine(toDevice(context.mapping, x1, y1), toDevice(context.mapping, x2, y2), pen);
}

void drawDashedLine(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen, int solid,
                    int gap)
{
    if (!drawsSomething(pen))
        return;
    const DevicePoint from = toDevice(context.mapping, x1, y1);
    const DevicePoint to = toDevice(context.mapping, x2, y2);
    // Read literally, a pattern of no length would repeat until the segment
    // cap for every grid line; it is drawn as the solid line it amounts to.
    if (gap <= 0 || solid + gap <= 0) {
        context.device.drawLine(from, to, pen);
        return;
    }
    const int solidLength = std::max(solid, 1);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0.0) {
        context.device.drawLine(from, to, pen);
        return;
    }
    const double period = solidLength + gap;
    long segments = 0;
    for (double position = 0.0; position < length && segments < dashSegmentLimit; position += period, ++segments) {
        const double end = std::min(position + solidLength, length);
        const DevicePoint a{from.x + static_cast<int>(std::lround(dx * position / length)),
                            from.y + static_cast<int>(std::lround(dy * position / length))};
        const DevicePoint b{from.x + static_cast<int>(std::lround(dx * end / length)),
                            from.y + static_cast<int>(std::lround(dy * end / length))};
        context.device.drawLine(a, b, pen);
    }
}

void drawBoxOutline(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen)
{
    if (!drawsSomething(pen))
        return;
    context.device.drawRectangle(toDeviceRect(context.mapping, x1, y1, x2, y2), pen);
}

void fillBox(DrawContext& context, double x1, double y1, double x2, double y2, ColorRef color)
{
    context.device.fillRectangle(toDeviceRect(context.mapping, x1, y1, x2, y2), color);
}

void drawSheetCircle(DrawContext& context, double x, double y, double radiusMillimetres, const Pen& pen,
                     const ColorRef* fill)
{
    if (!drawsSomething(pen))
        return;
    const auto deviceRadius = [&](double dotsPerMillimetre) {
        const double r =
            std::trunc(std::clamp(radiusMillimetres * dotsPerMillimetre, 0.0, double(deviceCoordinateLimit)));
        return std::isnan(r) ? 0 : static_cast<int>(r);
    };
    const int rx = deviceRadius(context.mapping.dotsPerMmX);
    const int ry = deviceRadius(context.mapping.dotsPerMmY);
    const DevicePoint centre = toDevice(context.mapping, x, y);
    context.device.drawEllipse({centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry}, pen, fill);
}

void drawEllipse(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen, const ColorRef* fill)
{
    if (!drawsSomething(pen))
        return;
    context.device.drawEllipse(toDeviceRect(context.mapping, x1, y1, x2, y2), pen, fill);
}

void drawArc(DrawContext& context, double x1, double y1, double x2, double y2, double startDegrees, double endDegrees,
             const Pen& pen)
{
    if (!drawsSomething(pen))
        return;
    const DeviceRect bounds = toDeviceRect(context.mapping, x1, y1, x2, y2);
    const double centreX = (bounds.left + bounds.right) / 2.0;
    const double centreY = (bounds.top + bounds.bottom) / 2.0;
    // The arc's ends are given as directions from the centre; a radius well
    // beyond the box keeps them exact after rounding.
    const double reach = std::max(bounds.right - bounds.left, bounds.bottom - bounds.top) + 100.0;
    auto direction = [&](double degrees) {
        const double radians = degrees * std::numbers::pi / 180.0;
        return DevicePoint{static_cast<int>(std::lround(centreX + reach * std::cos(radians))),
                           static_cast<int>(std::lround(centreY - reach * std::sin(radians)))};
    };
    context.device.drawArc(bounds, direction(startDegrees), direction(endDegrees), pen);
}

void drawRhombus(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen, const ColorRef* fill)
{
    if (!drawsSomething(pen))
        return;
    const double middleX = (x1 + x2) / 2;
    const double middleY = (y1 + y2) / 2;
    const LogMapping& mapping = context.mapping;
    context.device.drawPolygon({toDevice(mapping, middleX, y1), toDevice(mapping, x2, middleY),
                                toDevice(mapping, middleX, y2), toDevice(mapping, x1, middleY)},
                               pen, fill);
}

void drawRhombusWithCentreLine(DrawContext& context, double x1, double y1, double x2, double y2, const Pen& pen)
{
    drawRhombus(context, x1, y1, x2, y2, pen);
    drawLogLine(context, (x1 + x2) / 2, y1, (x1 + x2) / 2, y2, pen);
}

void drawTextAt(DrawContext& context, double x, double y, const std::string& text, TextAlign align)
{
    if (text.empty())
        return;
    context.device.drawText(toDevice(context.mapping, x, y), text, align);
}

void drawTextCentredInBox(DrawContext& context, double x1, double y1, double x2, double y2, const std::string& text)
{
    if (text.empty())
        return;
    const DeviceRect box = toDeviceRect(context.mapping, x1, y1, x2, y2);
    const int top = box.top + 1;
    const int bottom = box.bottom - 1;
    const int height = context.device.textMetrics().height;
    const FittedText fitted = fitTextToWidth(context, text, std::fabs(x2 - x1));
    const FontRequest font = context.currentFont;
    if (fitted.widthPercent < 100) {
        FontRequest condensed = font;
        condensed.widthPercent = fitted.widthPercent;
        useFont(context, condensed);
    }
    context.device.drawText({(box.left + box.right) / 2, (top + bottom - height) / 2}, fitted.text,
                            TextAlign::Center | TextAlign::Top);
    if (fitted.widthPercent < 100)
        useFont(context, font);
}

void drawTextCentredInBand(DrawContext& context, double x, double y1, double y2, const std::string& text,
                           TextAlign horizontalAlign)
{
    if (text.empty())
        return;
    const int top = context.mapping.toDeviceY(y1);
    const int bottom = context.mapping.toDeviceY(y2);
    const int height = context.device.textMetrics().height;
    context.device.drawText({context.mapping.toDeviceX(x), (top + bottom - height) / 2}, text,
                            horizontalAlign | TextAlign::Top);
}

void drawSpreadText(DrawContext& context, double x1, double x2, double y1, double y2, const std::string& text)
{
    if (text.empty())
        return;
    const double characterSize = textHeightInX(context);
    const double width = std::max(x2 - x1, characterSize);
    // Spread over less than its own width the characters would overprint
    // each other: the text is condensed into the range instead.
    if (textWidthInX(context, text) > width) {
        const FittedText fitted = fitTextToWidth(context, text, width);
        const FontRequest font = context.currentFont;
        FontRequest condensed = font;
        condensed.widthPercent = fitted.widthPercent;
        useFont(context, condensed);
        drawTextCentredInBand(context, x1, y1, y2, fitted.text);
        useFont(context, font);
        return;
    }
    const std::size_t bytes = text.size();
    const double step = bytes < 3 ? width / 2 : (width - characterSize) / static_cast<double>(bytes - 2);
    for (std::size_t position = 0; position < bytes;) {
        const std::size_t length = characterLength(text, position);
        drawTextCentredInBand(context, x1 + static_cast<double>(position) * step, y1, y2,
                              text.substr(position, length));
        position += length;
    }
}

double drawWrappedText(DrawContext& context, double x1, double x2, double yTop, const std::string& text,
                       bool measureOnly)
{
    if (context.mapping.unitY <= 0.0001)
        return 0.0;
    const LogMapping& mapping = context.mapping;
    const int top = mapping.toDeviceY(yTop);
    const DeviceRect box{mapping.toDeviceX(x1), top, mapping.toDeviceX(x2), deviceCoordinateLimit};
    const int height = context.device.drawWrappedText(box, text, measureOnly);
    return height / mapping.unitY;
}

double textHeightInY(DrawContext& context)
{
    if (context.mapping.unitY <= 0.0001)
        return 0.0;
    return context.device.textMetrics().height / context.mapping.unitY;
}

double textWidthInX(DrawContext& context, const std::string& text)
{
    if (context.mapping.unitX <= 0.0001)
        return 0.0;
    return context.device.textExtent(text).x / context.mapping.unitX;
}

double textHeightInX(DrawContext& context)
{
    if (context.mapping.unitX <= 0.0001)
        return 0.0;
    return context.device.textMetrics().height / context.mapping.unitX;
}

void useFont(DrawContext& context, const FontRequest& font)
{
    context.device.setFont(font);
    context.currentFont = font;
}

void selectFontSlot(DrawContext& context, FontRole role)
{
    const int slot = slotIndex(role);
    if (slot < 0 || slot >= fontSlotCount || !fontCanBeMade(context.slotFonts[slot])) {
        reportFontFailure(context);
        return;
    }
    useFont(context, context.slotFonts[slot]);
    context.currentFontSlot = slot;
}

void selectTitleFont(DrawContext& context)
{
    if (!fontCanBeMade(context.titleFont)) {
        reportFontFailure(context);
        return;
    }
    useFont(context, context.titleFont);
    context.currentFontSlot = -1;
}

namespace {

// The title band's height against its height at 1:100 (10 mm a unit), at most 1.
double bandShrink(const DrawContext& context)
{
    const double full = 10.0 * context.mapping.dotsPerMmY;
    if (full <= 0.0 || context.mapping.headerUnit >= full)
        return 1.0;
    return std::max(context.mapping.headerUnit / full, 0.0);
}

FontRequest shrunk(FontRequest font, double factor)
{
    if (factor < 1.0)
        font.height = static_cast<int>(std::trunc(font.height * factor));
    return font;
}

}  // namespace

void selectBandFontSlot(DrawContext& context, FontRole role)
{
    const int slot = slotIndex(role);
    selectFontSlot(context, role);
    if (context.currentFontSlot == slot && bandShrink(context) < 1.0)
        useFont(context, shrunk(context.slotFonts[slot], bandShrink(context)));
}

void selectBandTitleFont(DrawContext& context)
{
    selectTitleFont(context);
    if (fontCanBeMade(context.titleFont) && bandShrink(context) < 1.0)
        useFont(context, shrunk(context.titleFont, bandShrink(context)));
}

std::vector<std::size_t> characterBoundaries(const std::string& text)
{
    std::vector<std::size_t> boundaries;
    for (std::size_t position = 0; position < text.size(); position += characterLength(text, position))
        boundaries.push_back(position);
    boundaries.push_back(text.size());
    return boundaries;
}

std::size_t lastAcceptedIndex(std::size_t count, const std::function<bool(std::size_t)>& accepts)
{
    std::size_t taken = 0;
    std::size_t refused = count;
    for (std::size_t step = 1; taken + step < count; step *= 2) {
        if (!accepts(taken + step)) {
            refused = taken + step;
            break;
        }
        taken += step;
    }
    while (refused - taken > 1) {
        const std::size_t middle = taken + (refused - taken) / 2;
        if (accepts(middle))
            taken = middle;
        else
            refused = middle;
    }
    return taken;
}

FittedText fitTextToWidth(DrawContext& context, const std::string& text, double width)
{
    FittedText fitted{text, 100, textWidthInX(context, text)};
    if (fitted.width <= width || text.empty())
        return fitted;
    const double full = fitted.width;
    const int percent = static_cast<int>(std::floor(100.0 * std::max(width, 0.0) / full));
    if (percent >= narrowestWidthPercent) {
        fitted.widthPercent = percent;
        fitted.width = full * percent / 100.0;
        return fitted;
    }
    // Cut at the narrowest scale: the longest run of whole characters that
    // leaves room for the ellipsis.
    static const std::string ellipsis = "\x81\x63";  // …
    const double scale = narrowestWidthPercent / 100.0;
    const std::vector<std::size_t> boundaries = characterBoundaries(text);
    const std::size_t kept = lastAcceptedIndex(boundaries.size(), [&](std::size_t index) {
        return textWidthInX(context, text.substr(0, boundaries[index]) + ellipsis) * scale <= width;
    });
    fitted.text = text.substr(0, boundaries[kept]) + ellipsis;
    fitted.widthPercent = narrowestWidthPercent;
    fitted.width = textWidthInX(context, fitted.text) * scale;
    return fitted;
}

void drawFittedTextAt(DrawContext& context, double x, double y, const FittedText& text, TextAlign align)
{
    if (text.widthPercent >= 100) {
        drawTextAt(context, x, y, text.text, align);
        return;
    }
    const FontRequest font = context.currentFont;
    FontRequest condensed = font;
    condensed.widthPercent = text.widthPercent;
    useFont(context, condensed);
    drawTextAt(context, x, y, text.text, align);
    useFont(context, font);
}

void drawTextWithin(DrawContext& context, double x, double y, const std::string& text, TextAlign align, double left,
                    double right, const ColorRef* ground)
{
    if (text.empty())
        return;
    double room = right - x;
    if (hasAlign(align, TextAlign::Center))
        room = 2 * std::min(x - left, right - x);
    else if (hasAlign(align, TextAlign::Right))
        room = x - left;
    const FittedText fitted = fitTextToWidth(context, text, room);
    if (ground) {
        double boxLeft = x;
        if (hasAlign(align, TextAlign::Center))
            boxLeft = x - fitted.width / 2;
        else if (hasAlign(align, TextAlign::Right))
            boxLeft = x - fitted.width;
        const double height = textHeightInY(context);
        double top = y;
        if (hasAlign(align, TextAlign::Baseline))
            top = y - height * 0.8;
        else if (hasAlign(align, TextAlign::Bottom))
            top = y - height;
        // A device unit short of the text's top and bottom: a rule that only
        // touches the text stays whole.
        const double unit = context.mapping.unitY > 0.0001 ? 1.0 / context.mapping.unitY : 0.0;
        if (height > 2 * unit)
            fillBox(context, boxLeft, top + unit, boxLeft + fitted.width, top + height - unit, *ground);
    }
    drawFittedTextAt(context, x, y, fitted, align);
}

}  // namespace kolv
