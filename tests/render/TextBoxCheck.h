#pragma once
// The geometric check of a drawn page: every text box (by the recording
// device's metrics) lies on the sheet, is not cut by the clip it was drawn
// under, and overlaps no other visible text box. No pair of texts is exempt:
// the texts the layout sets together (a fraction's two numbers, a date's
// month and day, the characters of a spread label) only touch.
#include "render/RecordingDevice.h"

#include <string>
#include <vector>

namespace kolv::test {

struct PlacedTextBox {
    DeviceRect box;
    std::string text;  // code page 932
};

// The texts of a page that can be seen: wholly or partly inside the clip
// they were drawn under. Measured wrapped texts are left out.
std::vector<PlacedTextBox> visibleTextBoxes(const RecordingDevice& device,
                                            std::vector<std::string>* cutTexts = nullptr);

// What is wrong on the page, one line each (UTF-8): texts off the sheet, cut
// by the page's clip, or overlapping another text.
std::vector<std::string> textLayoutFaults(const RecordingDevice& device, const DeviceRect& sheet);

// The texts of the page that a visible line (a rule, a leader, a graph line)
// runs through, one line each (UTF-8). A line that only touches a text's
// edge, where its ascent and descent leave the glyphs clear, does not count,
// nor one that a white ground laid after it hides.
// Only texts that lie wholly left of rightEdge (device x) are looked at.
std::vector<std::string> struckTexts(const RecordingDevice& device, int rightEdge);

}  // namespace kolv::test
