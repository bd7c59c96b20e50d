#pragma once
// The one drawing surface of the log. Everything is computed in log
// coordinates, mapped with LogMapping to device units (pixels on screen, dots
// on a printer or image) and drawn through this interface. The QPainter
// device serves screen, printer, preview, PDF, PNG and SVG; the recording
// device serves tests.
#include "data/MonochromeBitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kolv {

// A Windows COLORREF value: 0x00BBGGRR.
using ColorRef = std::uint32_t;

enum class PenStyle { Solid, Dash, Dot, DashDot, Null };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;  // device units; 0 draws nothing
    ColorRef color = 0;
};

struct DevicePoint {
    int x = 0;
    int y = 0;
};

struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A font request in device terms: height in device pixels (negative: the
// character height, positive: the cell height, as GDI), face in code page 932.
struct FontRequest {
    int height = 0;
    std::string face;
    bool underline = false;
    bool bold = false;
    ColorRef color = 0;
    int escapementTenthsDegree = 0;
    // Horizontal scale of the glyphs in percent: a text condensed to fit its
    // place keeps whole glyphs, narrower, at their height.
    int widthPercent = 100;
};

struct TextMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
};

enum class TextAlign : unsigned {
    Left = 0,
    Right = 1,
    Center = 2,
    Top = 0,
    Bottom = 8,
    Baseline = 24,
};
inline TextAlign operator|(TextAlign a, TextAlign b)
{
    return static_cast<TextAlign>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
inline bool hasAlign(TextAlign value, TextAlign flag)
{
    return (static_cast<unsigned>(value) & static_cast<unsigned>(flag)) == static_cast<unsigned>(flag);
}

enum class RasterOperation { Copy, And };

class LogDevice {
public:
    virtual ~LogDevice() = default;

    virtual int dotsPerInchX() const = 0;
    virtual int dotsPerInchY() const = 0;

    virtual void drawLine(DevicePoint from, DevicePoint to, const Pen& pen) = 0;
    virtual void drawPolyline(const std::vector<DevicePoint>& points, const Pen& pen) = 0;
    virtual void drawRectangle(const DeviceRect& rect, const Pen& pen) = 0;
    virtual void fillRectangle(const DeviceRect& rect, ColorRef color) = 0;
    // fill: nullptr for an outline only.
    virtual void drawPolygon(const std::vector<DevicePoint>& points, const Pen& pen, const ColorRef* fill) = 0;
    virtual void drawEllipse(const DeviceRect& bounds, const Pen& pen, const ColorRef* fill) = 0;
    // An arc of the ellipse in bounds, counter-clockwise from start to end
    // (the points give the directions from the centre, as GDI's Arc).
    virtual void drawArc(const DeviceRect& bounds, DevicePoint start, DevicePoint end, const Pen& pen) = 0;

    virtual void setFont(const FontRequest& font) = 0;
    virtual TextMetrics textMetrics() = 0;
    // Width and height of a single-line text (code page 932) in the current font.
    virtual DevicePoint textExtent(const std::string& text) = 0;
    virtual void drawText(DevicePoint at, const std::string& text, TextAlign align) = 0;
    // Word-wrapped text inside a rectangle (Japanese text breaks between any
    // two characters); returns the height used. measureOnly draws nothing.
    virtual int drawWrappedText(const DeviceRect& rect, const std::string& text, bool measureOnly) = 0;

    // Clip to a rectangle until resetClip.
    virtual void setClip(const DeviceRect& rect) = 0;
    virtual void resetClip() = 0;

    // Stretches (part of) a monochrome bitmap into dest. Copy paints black
    // and white; And keeps the destination where the bitmap is white, so an
    // overlay adds only its black marks.
    virtual void stretchBitmap(const DeviceRect& dest, const MonochromeBitmap& bitmap, int sourceX, int sourceY,
                               int sourceWidth, int sourceHeight, RasterOperation operation) = 0;
};

}  // namespace kolv
