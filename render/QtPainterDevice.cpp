#include "render/QtPainterDevice.h"

#include "platform/Cp932Codec.h"
#include "render/LogPage.h"
#include "render/QtColor.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygon>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace kolv {

namespace {

// A 10-point cell height stands in for a request of height 0 (the device's
// default size under GDI).
constexpr double defaultFontPoints = 10.0;

QString toQString(const std::string& cp932)
{
    return QString::fromUtf8(cp932ToUtf8(cp932));
}

// Qt lays out "\n"; a CR before it would be drawn as a glyph, and a final
// line break ends the last line rather than starting an empty one.
QString layoutText(const std::string& cp932)
{
    QString text = toQString(cp932);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QRect toQRect(const DeviceRect& rect)
{
    return QRect(QPoint(rect.left, rect.top), QSize(rect.right - rect.left, rect.bottom - rect.top));
}

QPolygon toQPolygon(const std::vector<DevicePoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const DevicePoint& point : points)
        polygon << QPoint(point.x, point.y);
    return polygon;
}

Qt::PenStyle toQtPenStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::Null:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

double directionDegrees(const DeviceRect& bounds, DevicePoint point)
{
    const double centreX = (bounds.left + bounds.right) / 2.0;
    const double centreY = (bounds.top + bounds.bottom) / 2.0;
    return std::atan2(-(point.y - centreY), point.x - centreX) * 180.0 / M_PI;
}

// The part of the line inside the clip (Liang-Barsky); false when none is.
bool cutLine(QLineF& line, const QRect& clip)
{
    const double dx = line.dx();
    const double dy = line.dy();
    const double edges[4][2] = {{-dx, line.x1() - clip.left()},
                                {dx, clip.left() + clip.width() - line.x1()},
                                {-dy, line.y1() - clip.top()},
                                {dy, clip.top() + clip.height() - line.y1()}};
    double enter = 0.0;
    double leave = 1.0;
    for (const auto& [direction, distance] : edges) {
        if (direction == 0.0) {
            if (distance < 0.0)
                return false;
            continue;
        }
        const double t = distance / direction;
        if (direction < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    const QPointF start = line.p1();
    line = QLineF(start + QPointF(dx, dy) * enter, start + QPointF(dx, dy) * leave);
    return true;
}

// The source span [first, last) of each destination pixel along one axis.
// Shrinking keeps a pixel black when any source pixel of its span is black
// (GDI's black-on-white stretching), so thin strokes do not vanish.
std::vector<std::pair<int, int>> sourceSpans(int destinationStart, int visibleStart, int visibleEnd,
                                             int destinationLength, int sourceStart, int sourceLength)
{
    std::vector<std::pair<int, int>> spans;
    spans.reserve(static_cast<std::size_t>(visibleEnd - visibleStart));
    for (int d = visibleStart; d < visibleEnd; ++d) {
        const long long offset = d - destinationStart;
        const int first = sourceStart + static_cast<int>(offset * sourceLength / destinationLength);
        int last = sourceStart + static_cast<int>((offset + 1) * sourceLength / destinationLength);
        last = std::clamp(last, first + 1, sourceStart + sourceLength);
        spans.emplace_back(first, last);
    }
    return spans;
}

}  // namespace

void installFontSubstitutions()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        const struct {
            const char* face;
            const char* substitute;
        } substitutions[] = {
            {"ＭＳ 明朝", "IPAMincho"},        {"MS Mincho", "IPAMincho"},     {"ＭＳ Ｐ明朝", "IPAPMincho"},
            {"MS PMincho", "IPAPMincho"},      {"ＭＳ ゴシック", "IPAGothic"}, {"MS Gothic", "IPAGothic"},
            {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"},
        };
        for (const auto& substitution : substitutions)
            QFont::insertSubstitution(QString::fromUtf8(substitution.face), QString::fromUtf8(substitution.substitute));
    });
}

QFont qtFontOf(const FontRequest& request, QPaintDevice* device)
{
    installFontSubstitutions();
    QFont font(toQString(request.face));
    font.setUnderline(request.underline);
    font.setBold(request.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    int height = std::abs(request.height);
    if (height == 0)
        height = static_cast<int>(defaultFontPoints * (device ? device->logicalDpiY() : 96) / 72);
    height = std::max(height, 1);
    font.setPixelSize(height);
    if (request.height > 0) {
        // GDI reads a positive height as the cell height, Qt's pixel size as
        // the em; scale the em so that ascent + descent come out at the request.
        const double cell = QFontMetricsF(font, device).height();
        if (cell > 0)
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
    }
    return font;
}

double measuredLogDepth(const BoringData& data, const LogSettings& settings, int dotsPerInch)
{
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(std::max(dotsPerInch, 1) / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    QtPainterDevice device(painter);
    return logContentDepth(device, data, settings);
}

QtPainterDevice::QtPainterDevice(QPainter& painter)
    : painter_(painter), dotsPerInchX_(painter.device() ? painter.device()->logicalDpiX() : 96),
      dotsPerInchY_(painter.device() ? painter.device()->logicalDpiY() : 96),
      vectorOutput_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf),
      clipsItself_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG)
{
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QtPainterDevice::~QtPainterDevice()
{
    flushBitmaps();
    setAntialiasing(false);
}

void QtPainterDevice::setAntialiasing(bool on)
{
    // A PDF writer starts a new graphics state block on every change of the
    // painter's state, even to the same value: only real changes are made.
    if (painter_.testRenderHint(QPainter::Antialiasing) != on)
        painter_.setRenderHint(QPainter::Antialiasing, on);
}

void QtPainterDevice::setFill(const ColorRef* fill)
{
    if (!fill) {
        painter_.setBrush(Qt::NoBrush);
        return;
    }
    const QColor color = toQColor(*fill);
    const QBrush& current = painter_.brush();
    if (current.style() != Qt::SolidPattern || current.color() != color || !current.transform().isIdentity())
        painter_.setBrush(color);
}

bool QtPainterDevice::applyPen(const Pen& pen, bool curved)
{
    flushBitmaps();
    // Curves look ragged without antialiasing at image resolutions; straight
    // rules stay crisp without it.
    setAntialiasing(curved);
    if (pen.width <= 0 || pen.style == PenStyle::Null)
        return false;
    QPen qtPen(toQColor(pen.color));
    qtPen.setWidth(pen.width);
    qtPen.setStyle(toQtPenStyle(pen.style));
    qtPen.setCapStyle(Qt::SquareCap);
    qtPen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(qtPen);
    return true;
}

void QtPainterDevice::drawLine(DevicePoint from, DevicePoint to, const Pen& pen)
{
    if (!applyPen(pen, false))
        return;
    if (!ownClip_) {
        painter_.drawLine(from.x, from.y, to.x, to.y);
        return;
    }
    QLineF line(from.x, from.y, to.x, to.y);
    if (cutLine(line, *ownClip_))
        painter_.drawLine(line);
}

void QtPainterDevice::drawPolyline(const std::vector<DevicePoint>& points, const Pen& pen)
{
    if (!ownClip_) {
        if (applyPen(pen, false))
            painter_.drawPolyline(toQPolygon(points));
        return;
    }
    for (std::size_t index = 1; index < points.size(); ++index)
        drawLine(points[index - 1], points[index], pen);
}

void QtPainterDevice::drawRectangle(const DeviceRect& rect, const Pen& pen)
{
    if (ownClip_) {
        const DevicePoint corners[] = {
            {rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
        for (int side = 0; side < 4; ++side)
            drawLine(corners[side], corners[(side + 1) % 4], pen);
        return;
    }
    if (!applyPen(pen, false))
        return;
    setFill(nullptr);
    painter_.drawRect(toQRect(rect));
}

void QtPainterDevice::fillRectangle(const DeviceRect& rect, ColorRef color)
{
    flushBitmaps();
    setAntialiasing(false);
    const QRect area = ownClip_ ? toQRect(rect) & *ownClip_ : toQRect(rect);
    if (!area.isEmpty())
        painter_.fillRect(area, toQColor(color));
}

void QtPainterDevice::drawPolygon(const std::vector<DevicePoint>& points, const Pen& pen, const ColorRef* fill)
{
    if (!applyPen(pen, true))
        return;
    setFill(fill);
    if (!ownClip_) {
        painter_.drawPolygon(toQPolygon(points));
        return;
    }
    QPainterPath shape;
    shape.addPolygon(QPolygonF(toQPolygon(points)));
    shape.closeSubpath();
    const QPen qtPen = painter_.pen();
    const QBrush brush = painter_.brush();
    drawShapeCut(shape, &qtPen, fill ? &brush : nullptr);
}

void QtPainterDevice::drawShapeCut(const QPainterPath& shape, const QPen* pen, const QBrush* fill)
{
    const double reach = pen ? pen->widthF() : 0.0;
    const QRectF bounds = shape.controlPointRect().adjusted(-reach, -reach, reach, reach);
    const QRectF clip(*ownClip_);
    if (!bounds.intersects(clip))
        return;
    if (clip.contains(bounds)) {
        painter_.drawPath(shape);
        return;
    }
    QPainterPath clipPath;
    clipPath.addRect(clip);
    if (fill)
        painter_.fillPath(shape.intersected(clipPath), *fill);
    if (pen && pen->style() != Qt::NoPen) {
        QPainterPathStroker stroker(*pen);
        painter_.fillPath(stroker.createStroke(shape).intersected(clipPath), pen->color());
    }
}

void QtPainterDevice::drawTextCut(const QPainterPath& text)
{
    QPainterPath clipPath;
    clipPath.addRect(QRectF(*ownClip_));
    painter_.fillPath(text.intersected(clipPath), toQColor(request_.color));
}

void QtPainterDevice::drawEllipse(const DeviceRect& bounds, const Pen& pen, const ColorRef* fill)
{
    const int width = bounds.right - bounds.left;
    if (vectorOutput_ && fill && *fill == pen.color && pen.style == PenStyle::Solid && pen.width > 0
        && width == bounds.bottom - bounds.top && width >= 0) {
        // A disc in the pen's colour, outlined by the pen, is one round dot
        // of a pen as wide as the disc: the same disc, written in a few bytes
        // instead of four curves. The many dots of the sand figures add up.
        flushBitmaps();
        setAntialiasing(true);
        QPen dotPen(toQColor(pen.color), width + pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter_.setPen(dotPen);
        const QPointF centre(bounds.left + width / 2.0, bounds.top + width / 2.0);
        painter_.drawLine(centre, centre);
        return;
    }
    if (!applyPen(pen, true))
        return;
    setFill(fill);
    if (!ownClip_) {
        painter_.drawEllipse(toQRect(bounds));
        return;
    }
    QPainterPath shape;
    shape.addEllipse(QRectF(toQRect(bounds)));
    const QPen qtPen = painter_.pen();
    const QBrush brush = painter_.brush();
    drawShapeCut(shape, &qtPen, fill ? &brush : nullptr);
}

void QtPainterDevice::drawArc(const DeviceRect& bounds, DevicePoint start, DevicePoint end, const Pen& pen)
{
    if (!applyPen(pen, true))
        return;
    setFill(nullptr);
    const double startDegrees = directionDegrees(bounds, start);
    double span = directionDegrees(bounds, end) - startDegrees;
    while (span <= 0)
        span += 360.0;
    if (!ownClip_) {
        painter_.drawArc(toQRect(bounds), static_cast<int>(std::lround(startDegrees * 16)),
                         static_cast<int>(std::lround(span * 16)));
        return;
    }
    QPainterPath shape;
    shape.arcMoveTo(QRectF(toQRect(bounds)), startDegrees);
    shape.arcTo(QRectF(toQRect(bounds)), startDegrees, span);
    const QPen qtPen = painter_.pen();
    drawShapeCut(shape, &qtPen, nullptr);
}

void QtPainterDevice::setFont(const FontRequest& font)
{
    // The drawing steps switch between a few slot fonts many times a page;
    // resolving a face and its metrics again each time is the costly part.
    const bool sameFace = hasFont_ && font.height == request_.height && font.face == request_.face
        && font.underline == request_.underline && font.bold == request_.bold;
    request_ = font;
    if (!sameFace) {
        font_ = qtFontOf(font, painter_.device());
        hasFont_ = true;
    }
    painter_.setFont(font_);
}

TextMetrics QtPainterDevice::textMetrics()
{
    const QFontMetricsF metrics = painter_.fontMetrics();
    TextMetrics result;
    result.ascent = static_cast<int>(std::lround(metrics.ascent()));
    result.height = result.ascent + static_cast<int>(std::lround(metrics.descent()));
    result.externalLeading = static_cast<int>(std::lround(std::max(0.0, metrics.leading())));
    result.averageCharWidth = static_cast<int>(std::lround(metrics.averageCharWidth()));
    return result;
}

DevicePoint QtPainterDevice::textExtent(const std::string& text)
{
    const QFontMetricsF metrics = painter_.fontMetrics();
    return {static_cast<int>(std::lround(metrics.horizontalAdvance(toQString(text)) * widthFactor())),
            textMetrics().height};
}

void QtPainterDevice::drawText(DevicePoint at, const std::string& text, TextAlign align)
{
    flushBitmaps();
    if (text.empty())
        return;
    const QString qtText = toQString(text);
    const QFontMetricsF metrics = painter_.fontMetrics();
    const double factor = widthFactor();
    double x = 0.0;
    if (hasAlign(align, TextAlign::Center))
        x = -metrics.horizontalAdvance(qtText) / 2.0;
    else if (hasAlign(align, TextAlign::Right))
        x = -metrics.horizontalAdvance(qtText);
    double baseline = std::round(metrics.ascent());
    if (hasAlign(align, TextAlign::Baseline))
        baseline = 0.0;
    else if (hasAlign(align, TextAlign::Bottom))
        baseline = -std::round(metrics.descent());
    setAntialiasing(false);
    painter_.setPen(toQColor(request_.color));
    if (ownClip_) {
        QPainterPath outline;
        outline.addText(QPointF(x, baseline), font_, qtText);
        QTransform placement;
        placement.translate(at.x, at.y);
        if (request_.escapementTenthsDegree != 0)
            placement.rotate(-request_.escapementTenthsDegree / 10.0);
        placement.scale(factor, 1.0);
        const QRectF bounds = placement.map(outline).boundingRect();
        if (!bounds.intersects(QRectF(*ownClip_)))
            return;
        if (!QRectF(*ownClip_).contains(bounds)) {
            drawTextCut(placement.map(outline));
            return;
        }
    }
    if (vectorOutput_ && request_.escapementTenthsDegree == 0 && factor == 1.0) {
        // Most texts are level and unscaled: written in place, without a
        // saved and restored transformation around each one. (Images keep
        // the transformation: it decides the glyphs' subpixel shading.)
        painter_.drawText(QPointF(at.x + x, at.y + baseline), qtText);
        return;
    }
    painter_.save();
    painter_.translate(at.x, at.y);
    if (request_.escapementTenthsDegree != 0)
        painter_.rotate(-request_.escapementTenthsDegree / 10.0);
    if (factor != 1.0)
        painter_.scale(factor, 1.0);
    painter_.drawText(QPointF(x, baseline), qtText);
    painter_.restore();
}

double QtPainterDevice::widthFactor() const
{
    return request_.widthPercent > 0 && request_.widthPercent < 100 ? request_.widthPercent / 100.0 : 1.0;
}

int QtPainterDevice::drawWrappedText(const DeviceRect& rect, const std::string& text, bool measureOnly)
{
    flushBitmaps();
    const QString qtText = layoutText(text);
    const int width = std::max(1, rect.right - rect.left);
    const QRectF box(rect.left, rect.top, width, 1.0e6);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF used = painter_.boundingRect(box, flags, qtText.isEmpty() ? QStringLiteral(" ") : qtText);
    if (!measureOnly && !qtText.isEmpty()) {
        setAntialiasing(false);
        painter_.setPen(toQColor(request_.color));
        const QRectF area(rect.left, rect.top, width, used.height() + 1);
        if (ownClip_ && !QRectF(*ownClip_).contains(area)) {
            if (area.intersects(QRectF(*ownClip_)))
                drawTextCut(wrappedTextOutline(qtText, area));
        } else {
            painter_.drawText(area, flags, qtText);
        }
    }
    return static_cast<int>(std::ceil(used.height()));
}

QPainterPath QtPainterDevice::wrappedTextOutline(const QString& text, const QRectF& area) const
{
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines, font_, painter_.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const QFontMetricsF metrics(font_, painter_.device());
    QPainterPath outline;
    double y = 0.0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0.0, y));
        const QString part = lines.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator);
        outline.addText(area.left() + line.x(), area.top() + y + metrics.ascent(), font_, part);
        y += metrics.lineSpacing();
    }
    layout.endLayout();
    return outline;
}

void QtPainterDevice::setClip(const DeviceRect& rect)
{
    flushBitmaps();
    painter_.setClipRect(toQRect(rect));
    if (clipsItself_)
        ownClip_ = toQRect(rect);
}

void QtPainterDevice::resetClip()
{
    flushBitmaps();
    painter_.setClipping(false);
    ownClip_.reset();
}

void QtPainterDevice::stretchBitmap(const DeviceRect& dest, const MonochromeBitmap& bitmap, int sourceX, int sourceY,
                                    int sourceWidth, int sourceHeight, RasterOperation operation)
{
    const int destWidth = dest.right - dest.left;
    const int destHeight = dest.bottom - dest.top;
    if (destWidth <= 0 || destHeight <= 0 || bitmap.width <= 0 || bitmap.height <= 0 || bitmap.stride <= 0
        || bitmap.bits.size() < static_cast<std::size_t>(bitmap.stride) * bitmap.height
        || bitmap.stride * 8 < bitmap.width)
        return;
    sourceX = std::clamp(sourceX, 0, bitmap.width);
    sourceY = std::clamp(sourceY, 0, bitmap.height);
    sourceWidth = std::min(sourceWidth, bitmap.width - sourceX);
    sourceHeight = std::min(sourceHeight, bitmap.height - sourceY);
    if (sourceWidth <= 0 || sourceHeight <= 0)
        return;

    // Only the part that can show is composed: inside the device and the clip.
    // The device's area is taken back through the painter's transform, since
    // a page drawn in bands moves each band's part of the page onto it.
    QRect visible = toQRect(dest);
    if (painter_.device())
        visible &= painter_.combinedTransform().inverted().mapRect(
            QRect(0, 0, painter_.device()->width(), painter_.device()->height()));
    if (painter_.hasClipping())
        visible &= painter_.clipBoundingRect().toAlignedRect();
    if (visible.isEmpty())
        return;

    const QRect current(compositionOrigin_, composition_.size());
    const QRect region = composition_.isNull() ? visible : (current | visible);
    if (region != current) {
        QImage grown(region.size(), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        if (!composition_.isNull()) {
            QPainter copier(&grown);
            copier.setCompositionMode(QPainter::CompositionMode_Source);
            copier.drawImage(current.topLeft() - region.topLeft(), composition_);
        }
        composition_ = std::move(grown);
        compositionOrigin_ = region.topLeft();
    }

    const auto columns = sourceSpans(dest.left, visible.left(), visible.right() + 1, destWidth, sourceX, sourceWidth);
    const auto rows = sourceSpans(dest.top, visible.top(), visible.bottom() + 1, destHeight, sourceY, sourceHeight);
    const QRgb black = qRgba(0, 0, 0, 255);
    const QRgb white = qRgba(255, 255, 255, 255);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        auto* line = reinterpret_cast<QRgb*>(composition_.scanLine(visible.top() + row - compositionOrigin_.y()));
        for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
            bool anyBlack = false;
            for (int y = rows[row].first; y < rows[row].second && !anyBlack; ++y)
                for (int x = columns[column].first; x < columns[column].second && !anyBlack; ++x)
                    anyBlack = !bitmap.pixelIsWhite(x, y);
            QRgb& pixel = line[visible.left() + column - compositionOrigin_.x()];
            if (anyBlack)
                pixel = black;
            else if (operation == RasterOperation::Copy)
                pixel = white;
        }
    }
}

void QtPainterDevice::flushBitmaps()
{
    if (composition_.isNull())
        return;
    setAntialiasing(false);
    painter_.drawImage(compositionOrigin_, composition_);
    composition_ = QImage();
}

}  // namespace kolv
