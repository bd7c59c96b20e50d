#pragma once
// A drawing device for tests: records every primitive in device units and
// measures text deterministically, so geometry can be checked without pixels.
// Text metrics: the cell height is the font's height (16 when it has none),
// every byte is half the height wide (a double-byte character is square),
// the ascent is four fifths of the height and there is no external leading;
// a condensed font (widthPercent below 100) narrows every byte alike.
#include "render/LogDevice.h"

#include <string>
#include <vector>

namespace kolv {

struct RecordedPrimitive {
    enum class Kind {
        Line,
        Polyline,
        Rectangle,
        FilledRectangle,
        Polygon,
        Ellipse,
        Arc,
        Text,
        WrappedText,
        Clip,
        ResetClip,
        Bitmap,
    };
    Kind kind = Kind::Line;
    // Line: from, to; Polyline, Polygon: the corners; Arc: start, end
    // directions; Text: the reference point.
    std::vector<DevicePoint> points;
    // Rectangles, ellipse and arc bounds, the wrapped-text box, the clip, the
    // bitmap's destination.
    DeviceRect rect;
    Pen pen;
    ColorRef fillColor = 0;
    bool filled = false;
    std::string text;
    TextAlign align = TextAlign::Left;
    FontRequest font;  // the font current when the text was drawn
    bool measureOnly = false;
    int usedHeight = 0;  // wrapped text: the height its lines take
    RasterOperation operation = RasterOperation::Copy;
    DeviceRect source;  // bitmap: x, y, x + width, y + height of the source part
    int bitmapWidth = 0;
    int bitmapHeight = 0;
};

// The box a drawn text or wrapped text covers, by the metrics above.
DeviceRect recordedTextBox(const RecordedPrimitive& text);

class RecordingDevice : public LogDevice {
public:
    explicit RecordingDevice(int dotsPerInch = 96) : RecordingDevice(dotsPerInch, dotsPerInch) {}
    RecordingDevice(int dotsPerInchX, int dotsPerInchY) : dotsPerInchX_(dotsPerInchX), dotsPerInchY_(dotsPerInchY) {}

    int dotsPerInchX() const override { return dotsPerInchX_; }
    int dotsPerInchY() const override { return dotsPerInchY_; }

    void drawLine(DevicePoint from, DevicePoint to, const Pen& pen) override;
    void drawPolyline(const std::vector<DevicePoint>& points, const Pen& pen) override;
    void drawRectangle(const DeviceRect& rect, const Pen& pen) override;
    void fillRectangle(const DeviceRect& rect, ColorRef color) override;
    void drawPolygon(const std::vector<DevicePoint>& points, const Pen& pen, const ColorRef* fill) override;
    void drawEllipse(const DeviceRect& bounds, const Pen& pen, const ColorRef* fill) override;
    void drawArc(const DeviceRect& bounds, DevicePoint start, DevicePoint end, const Pen& pen) override;

    void setFont(const FontRequest& font) override { font_ = font; }
    TextMetrics textMetrics() override;
    DevicePoint textExtent(const std::string& text) override;
    void drawText(DevicePoint at, const std::string& text, TextAlign align) override;
    int drawWrappedText(const DeviceRect& rect, const std::string& text, bool measureOnly) override;

    void setClip(const DeviceRect& rect) override;
    void resetClip() override;

    void stretchBitmap(const DeviceRect& dest, const MonochromeBitmap& bitmap, int sourceX, int sourceY,
                       int sourceWidth, int sourceHeight, RasterOperation operation) override;

    const FontRequest& currentFont() const { return font_; }

    // The recorded primitives of one kind, in drawing order.
    std::vector<RecordedPrimitive> ofKind(RecordedPrimitive::Kind kind) const;
    // The word-wrapped texts drawn, without those only measured.
    std::vector<RecordedPrimitive> drawnWrappedTexts() const;
    // Texts drawn (not measured) that equal text exactly.
    std::vector<RecordedPrimitive> textsEqualTo(const std::string& text) const;

    std::vector<RecordedPrimitive> primitives;

private:
    int fontHeight() const;

    int dotsPerInchX_;
    int dotsPerInchY_;
    FontRequest font_;
};

}  // namespace kolv
