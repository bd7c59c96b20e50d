#include "TextBoxCheck.h"

#include "platform/Cp932Codec.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace kolv::test {

namespace {

using Kind = RecordedPrimitive::Kind;

bool intersects(const DeviceRect& a, const DeviceRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const DeviceRect& inner, const DeviceRect& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top
        && inner.bottom <= outer.bottom;
}

std::string describe(const PlacedTextBox& text)
{
    std::ostringstream out;
    out << "\"" << cp932ToUtf8(text.text) << "\" [" << text.box.left << "," << text.box.top << " - " << text.box.right
        << "," << text.box.bottom << "]";
    return out.str();
}

struct Area {
    double left, top, right, bottom;
};

// The part of the segment inside the area; false when none is.
bool cutSegment(double& x1, double& y1, double& x2, double& y2, const Area& box)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double edges[4][2] = {{-dx, x1 - box.left}, {dx, box.right - x1}, {-dy, y1 - box.top}, {dy, box.bottom - y1}};
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
    if (enter >= leave)
        return false;
    const double startX = x1;
    const double startY = y1;
    x1 = startX + dx * enter;
    y1 = startY + dy * enter;
    x2 = startX + dx * leave;
    y2 = startY + dy * leave;
    return true;
}

// The glyphs of a text box: the top fifth of its height is the free space
// above the characters, the bottom fifth lies below the baseline (a
// fraction's bar, an underline), and a rule there touches the text at most.
Area glyphArea(const DeviceRect& box)
{
    const double height = box.bottom - box.top;
    return {box.left + 1.0, box.top + height / 5, box.right - 1.0, box.bottom - height / 5 - 1.0};
}

}  // namespace

std::vector<PlacedTextBox> visibleTextBoxes(const RecordingDevice& device, std::vector<std::string>* cutTexts)
{
    std::vector<PlacedTextBox> boxes;
    bool clipped = false;
    DeviceRect clip;
    for (const RecordedPrimitive& primitive : device.primitives) {
        if (primitive.kind == Kind::Clip) {
            clip = primitive.rect;
            clipped = true;
            continue;
        }
        if (primitive.kind == Kind::ResetClip) {
            clipped = false;
            continue;
        }
        if ((primitive.kind != Kind::Text && primitive.kind != Kind::WrappedText) || primitive.measureOnly
            || primitive.text.empty())
            continue;
        PlacedTextBox placed{recordedTextBox(primitive), primitive.text};
        if (placed.box.right <= placed.box.left || placed.box.bottom <= placed.box.top)
            continue;
        if (clipped && !intersects(placed.box, clip))
            continue;
        if (clipped && !inside(placed.box, clip) && cutTexts)
            cutTexts->push_back(describe(placed));
        boxes.push_back(placed);
    }
    return boxes;
}

std::vector<std::string> textLayoutFaults(const RecordingDevice& device, const DeviceRect& sheet)
{
    std::vector<std::string> faults;
    std::vector<std::string> cut;
    const std::vector<PlacedTextBox> boxes = visibleTextBoxes(device, &cut);
    for (const std::string& text : cut)
        faults.push_back("cut by the page edge: " + text);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!inside(boxes[i].box, sheet))
            faults.push_back("off the sheet: " + describe(boxes[i]));
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (intersects(boxes[i].box, boxes[j].box))
                faults.push_back("overlap: " + describe(boxes[i]) + " and " + describe(boxes[j]));
    }
    return faults;
}

std::vector<std::string> struckTexts(const RecordingDevice& device, int rightEdge)
{
    struct Segment {
        double x1, y1, x2, y2;
        std::size_t drawnAt;  // the primitive's index
    };
    std::vector<Segment> segments;
    // White grounds laid under texts hide the lines drawn before them.
    struct Ground {
        Area area;
        std::size_t drawnAt;
    };
    std::vector<Ground> grounds;
    bool clipped = false;
    DeviceRect clip;
    for (std::size_t index = 0; index < device.primitives.size(); ++index) {
        const RecordedPrimitive& primitive = device.primitives[index];
        if (primitive.kind == Kind::Clip) {
            clip = primitive.rect;
            clipped = true;
            continue;
        }
        if (primitive.kind == Kind::ResetClip) {
            clipped = false;
            continue;
        }
        if (primitive.kind == Kind::FilledRectangle && primitive.fillColor == 0xffffff) {
            grounds.push_back({{static_cast<double>(primitive.rect.left), static_cast<double>(primitive.rect.top),
                                static_cast<double>(primitive.rect.right), static_cast<double>(primitive.rect.bottom)},
                               index});
            continue;
        }
        if ((primitive.kind != Kind::Line && primitive.kind != Kind::Polyline) || primitive.pen.width <= 0
            || primitive.pen.style == PenStyle::Null)
            continue;
        for (std::size_t point = 1; point < primitive.points.size(); ++point) {
            Segment segment{
                static_cast<double>(primitive.points[point - 1].x), static_cast<double>(primitive.points[point - 1].y),
                static_cast<double>(primitive.points[point].x), static_cast<double>(primitive.points[point].y), index};
            const Area clipArea{static_cast<double>(clip.left), static_cast<double>(clip.top),
                                static_cast<double>(clip.right), static_cast<double>(clip.bottom)};
            if (!clipped || cutSegment(segment.x1, segment.y1, segment.x2, segment.y2, clipArea))
                segments.push_back(segment);
        }
    }
    auto hidden = [&grounds](const Segment& segment) {
        return std::any_of(grounds.begin(), grounds.end(), [&segment](const Ground& ground) {
            const Area& area = ground.area;
            return ground.drawnAt > segment.drawnAt && std::min(segment.x1, segment.x2) >= area.left - 0.5
                && std::max(segment.x1, segment.x2) <= area.right + 0.5
                && std::min(segment.y1, segment.y2) >= area.top - 0.5
                && std::max(segment.y1, segment.y2) <= area.bottom + 0.5;
        });
    };
    std::vector<std::string> faults;
    for (const PlacedTextBox& text : visibleTextBoxes(device)) {
        const Area glyphs = glyphArea(text.box);
        if (text.box.right > rightEdge || glyphs.right <= glyphs.left || glyphs.bottom <= glyphs.top)
            continue;
        for (Segment segment : segments) {
            if (cutSegment(segment.x1, segment.y1, segment.x2, segment.y2, glyphs)
                && std::hypot(segment.x2 - segment.x1, segment.y2 - segment.y1) >= 1.0 && !hidden(segment)) {
                std::ostringstream out;
                out << "struck through by the line (" << segment.x1 << "," << segment.y1 << ")-(" << segment.x2 << ","
                    << segment.y2 << "): " << describe(text);
                faults.push_back(out.str());
                break;
            }
        }
    }
    return faults;
}

}  // namespace kolv::test
