#include "render/RecordingDevice.h"

#include "data/Cp932Text.h"

#include <algorithm>
#include <cstdlib>

namespace kolv {

namespace {

using Kind = RecordedPrimitive::Kind;

RecordedPrimitive primitiveOf(Kind kind)
{
    RecordedPrimitive primitive;
    primitive.kind = kind;
    return primitive;
}

// The paragraphs of a text: split at CR LF or LF, a final line break ending
// the last paragraph rather than starting an empty one.
std::vector<std::string_view> paragraphsOf(std::string_view text)
{
    std::vector<std::string_view> paragraphs;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n')
            end += characterLength(text, end);
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        paragraphs.push_back(line);
        start = end + 1;
    }
    if (paragraphs.empty())
        paragraphs.push_back({});
    return paragraphs;
}

}  // namespace

DeviceRect recordedTextBox(const RecordedPrimitive& text)
{
    if (text.kind == Kind::WrappedText)
        return {text.rect.left, text.rect.top, text.rect.right, text.rect.top + text.usedHeight};
    RecordingDevice measure;
    measure.setFont(text.font);
    const DevicePoint extent = measure.textExtent(text.text);
    const int ascent = measure.textMetrics().ascent;
    const DevicePoint at = text.points.empty() ? DevicePoint{} : text.points.front();
    DeviceRect box{at.x, at.y, at.x + extent.x, at.y + extent.y};
    if (hasAlign(text.align, TextAlign::Center))
        box.left = at.x - extent.x / 2;
    else if (hasAlign(text.align, TextAlign::Right))
        box.left = at.x - extent.x;
    if (hasAlign(text.align, TextAlign::Baseline))
        box.top = at.y - ascent;
    else if (hasAlign(text.align, TextAlign::Bottom))
        box.top = at.y - extent.y;
    box.right = box.left + extent.x;
    box.bottom = box.top + extent.y;
    return box;
}

int RecordingDevice::fontHeight() const
{
    return font_.height != 0 ? std::abs(font_.height) : 16;
}

void RecordingDevice::drawLine(DevicePoint from, DevicePoint to, const Pen& pen)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Line);
    primitive.points = {from, to};
    primitive.pen = pen;
    primitives.push_back(std::move(primitive));
}

void RecordingDevice::drawPolyline(const std::vector<DevicePoint>& points, const Pen& pen)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Polyline);
    primitive.points = points;
    primitive.pen = pen;
    primitives.push_back(std::move(primitive));
}

void RecordingDevice::drawRectangle(const DeviceRect& rect, const Pen& pen)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Rectangle);
    primitive.rect = rect;
    primitive.pen = pen;
    primitives.push_back(std::move(primitive));
}

void RecordingDevice::fillRectangle(const DeviceRect& rect, ColorRef color)
{
    RecordedPrimitive primitive = primitiveOf(Kind::FilledRectangle);
    primitive.rect = rect;
    primitive.fillColor = color;
    primitive.filled = true;
    primitives.push_back(std::move(primitive));
}

void RecordingDevice::drawPolygon(const std::vector<DevicePoint>& points, const Pen& pen, const ColorRef* fill)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Polygon);
    primitive.points = points;
    primitive.pen = pen;
    primitive.filled = fill != nullptr;
    primitive.fillColor = fill ? *fill : 0;
    primitives.push_back(std::move(primitive));
}

void RecordingDevice::drawEllipse(const DeviceRect& bounds, const Pen& pen, const ColorRef* fill)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Ellipse);
    primitive.rect = bounds;
    primitive.pen = pen;
    primitive.filled = fill != nullptr;
    primitive.fillColor = fill ? *fill : 0;
    primitives.push_back(std::move(primitive));
}

void RecordingDevice::drawArc(const DeviceRect& bounds, DevicePoint start, DevicePoint end, const Pen& pen)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Arc);
    primitive.rect = bounds;
    primitive.points = {start, end};
    primitive.pen = pen;
    primitives.push_back(std::move(primitive));
}

TextMetrics RecordingDevice::textMetrics()
{
    const int height = fontHeight();
    return {height, height * 4 / 5, 0, height / 2};
}

DevicePoint RecordingDevice::textExtent(const std::string& text)
{
    const int height = fontHeight();
    const int percent = font_.widthPercent > 0 && font_.widthPercent < 100 ? font_.widthPercent : 100;
    return {static_cast<int>(text.size()) * height / 2 * percent / 100, height};
}

void RecordingDevice::drawText(DevicePoint at, const std::string& text, TextAlign align)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Text);
    primitive.points = {at};
    primitive.text = text;
    primitive.align = align;
    primitive.font = font_;
    primitives.push_back(std::move(primitive));
}

int RecordingDevice::drawWrappedText(const DeviceRect& rect, const std::string& text, bool measureOnly)
{
    const int height = fontHeight();
    const int byteWidth = std::max(1, height / 2);
    const int bytesPerLine = std::max(2, (rect.right - rect.left) / byteWidth);
    int lines = 0;
    for (std::string_view paragraph : paragraphsOf(text)) {
        int used = 0;
        ++lines;
        for (std::size_t position = 0; position < paragraph.size();) {
            const int length = static_cast<int>(characterLength(paragraph, position));
            if (used > 0 && used + length > bytesPerLine) {
                ++lines;
                used = 0;
            }
            used += length;
            position += length;
        }
    }
    RecordedPrimitive primitive = primitiveOf(Kind::WrappedText);
    primitive.rect = rect;
    primitive.text = text;
    primitive.font = font_;
    primitive.measureOnly = measureOnly;
    primitive.usedHeight = lines * height;
    primitives.push_back(std::move(primitive));
    return lines * height;
}

void RecordingDevice::setClip(const DeviceRect& rect)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Clip);
    primitive.rect = rect;
    primitives.push_back(std::move(primitive));
}

void RecordingDevice::resetClip()
{
    primitives.push_back(primitiveOf(Kind::ResetClip));
}

void RecordingDevice::stretchBitmap(const DeviceRect& dest, const MonochromeBitmap& bitmap, int sourceX, int sourceY,
                                    int sourceWidth, int sourceHeight, RasterOperation operation)
{
    RecordedPrimitive primitive = primitiveOf(Kind::Bitmap);
    primitive.rect = dest;
    primitive.source = {sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight};
    primitive.bitmapWidth = bitmap.width;
    primitive.bitmapHeight = bitmap.height;
    primitive.operation = operation;
    primitives.push_back(std::move(primitive));
}

std::vector<RecordedPrimitive> RecordingDevice::drawnWrappedTexts() const
{
    std::vector<RecordedPrimitive> drawn;
    for (const RecordedPrimitive& primitive : primitives)
        if (primitive.kind == RecordedPrimitive::Kind::WrappedText && !primitive.measureOnly)
            drawn.push_back(primitive);
    return drawn;
}

std::vector<RecordedPrimitive> RecordingDevice::ofKind(RecordedPrimitive::Kind kind) const
{
    std::vector<RecordedPrimitive> found;
    std::copy_if(primitives.begin(), primitives.end(), std::back_inserter(found),
                 [kind](const RecordedPrimitive& primitive) { return primitive.kind == kind; });
    return found;
}

std::vector<RecordedPrimitive> RecordingDevice::textsEqualTo(const std::string& text) const
{
    std::vector<RecordedPrimitive> found;
    std::copy_if(
        primitives.begin(), primitives.end(), std::back_inserter(found),
        [&text](const RecordedPrimitive& primitive) { return primitive.kind == Kind::Text && primitive.text == text; });
    return found;
}

}  // namespace kolv
