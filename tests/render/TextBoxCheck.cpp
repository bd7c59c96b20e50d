#include "TextBoxCheck.h"

#include "platform/Cp932Codec.h"

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

}  // namespace kolv::test
