#pragma once
// The drawing device over a QPainter: the screen widget, QPrinter, the print
// preview, QPdfWriter, QImage and QSvgGenerator alike. Device units are the
// paint device's pixels (dots), its logical resolution the dots per inch.
//
// Clipping: QSvgGenerator writes no clip paths, so on an SVG page the device
// clips itself: rules are cut at the clip's edges, and a text or shape that
// crosses an edge is written as its outline cut there.
//
// Bitmap overlays: PDF, SVG and printer devices ignore raster operations, so
// an AND overlay would simply cover its base pattern. Consecutive bitmap steps
// are therefore composed in an image at the device's resolution (copy paints
// black and white, AND adds only the black) and that image is drawn when any
// other drawing follows.
#include "data/BoringData.h"
#include "render/LogDevice.h"
#include "settings/LogSettings.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

class QBrush;
class QPainter;
class QPainterPath;
class QPaintDevice;
class QPen;
class QRectF;
class QString;

namespace kolv {

// Maps the Windows face names of the font files ("ＭＳ 明朝", "ＭＳ Ｐ明朝" and
// their ASCII spellings, the Gothic ones too) to the IPA fonts: fixed-pitch to
// IPAMincho / IPAGothic, proportional to IPAPMincho / IPAPGothic. Left to
// fontconfig, "ＭＳ Ｐ明朝" comes out in a Latin face with Gothic kanji.
void installFontSubstitutions();

// The Qt font of a request on a paint device: a positive height is the cell
// height (ascent + descent) in device pixels, a negative one the character
// height, as GDI reads them.
QFont qtFontOf(const FontRequest& request, QPaintDevice* device);

// The depth the log reaches (logContentDepth), its text measured by Qt at
// the resolution the pages are drawn at.
double measuredLogDepth(const BoringData& data, const LogSettings& settings, int dotsPerInch);

class QtPainterDevice : public LogDevice {
public:
    // The resolution is the painter's device's logical resolution.
    explicit QtPainterDevice(QPainter& painter);
    ~QtPainterDevice() override;
    QtPainterDevice(const QtPainterDevice&) = delete;
    QtPainterDevice& operator=(const QtPainterDevice&) = delete;

    int dotsPerInchX() const override { return dotsPerInchX_; }
    int dotsPerInchY() const override { return dotsPerInchY_; }

    void drawLine(DevicePoint from, DevicePoint to, const Pen& pen) override;
    void drawPolyline(const std::vector<DevicePoint>& points, const Pen& pen) override;
    void drawRectangle(const DeviceRect& rect, const Pen& pen) override;
    void fillRectangle(const DeviceRect& rect, ColorRef color) override;
    void drawPolygon(const std::vector<DevicePoint>& points, const Pen& pen, const ColorRef* fill) override;
    void drawEllipse(const DeviceRect& bounds, const Pen& pen, const ColorRef* fill) override;
    void drawArc(const DeviceRect& bounds, DevicePoint start, DevicePoint end, const Pen& pen) override;

    void setFont(const FontRequest& font) override;
    TextMetrics textMetrics() override;
    DevicePoint textExtent(const std::string& text) override;
    void drawText(DevicePoint at, const std::string& text, TextAlign align) override;
    int drawWrappedText(const DeviceRect& rect, const std::string& text, bool measureOnly) override;

    void setClip(const DeviceRect& rect) override;
    void resetClip() override;

    void stretchBitmap(const DeviceRect& dest, const MonochromeBitmap& bitmap, int sourceX, int sourceY,
                       int sourceWidth, int sourceHeight, RasterOperation operation) override;

    // Draws the composed bitmap steps; called by every other drawing and at
    // the end of the page.
    void flushBitmaps();

private:
    // Sets the pen and whether the shape is antialiased; false for a pen
    // that draws nothing.
    bool applyPen(const Pen& pen, bool curved);
    void setAntialiasing(bool on);
    // The brush of a filled shape; nullptr for none.
    void setFill(const ColorRef* fill);
    // The current font's horizontal scale (only condensing is honoured).
    double widthFactor() const;
    // Draws shape cut to the own clip: its fill, then its outline drawn by pen.
    void drawShapeCut(const QPainterPath& shape, const QPen* pen, const QBrush* fill);
    // Draws the text's outline cut to the own clip, in the font's colour.
    void drawTextCut(const QPainterPath& text);
    // The outline of a text word-wrapped in area, line by line.
    QPainterPath wrappedTextOutline(const QString& text, const QRectF& area) const;

    QPainter& painter_;
    int dotsPerInchX_;
    int dotsPerInchY_;
    FontRequest request_;
    QFont font_;
    bool hasFont_ = false;
    // PDF (and the printer, which writes PDF): shapes are kept as vectors.
    bool vectorOutput_;
    // SVG: the engine ignores clipping, so the device applies ownClip_ itself.
    bool clipsItself_;
    std::optional<QRect> ownClip_;
    QImage composition_;
    QPoint compositionOrigin_;
};

}  // namespace kolv
