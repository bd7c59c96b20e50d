#pragma once
// The depth printed beside a penetration test, an in-situ test or a sample:
// the depth itself, the elevation of that point of the borehole or the
// negative depth, as the heading's "試料原位置深度" choice says.
#include <optional>
#include <string>

namespace kolv {

struct BoringData;

// "%5.2f" of the labelled value; nothing when the label is an elevation and
// the borehole has no collar elevation. A value that would print as -0.00
// prints as 0.00.
std::optional<std::string> testDepthLabel(const BoringData& data, double depth);

}  // namespace kolv
