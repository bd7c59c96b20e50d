#pragma once
// Whether an exchange file says what the folder management file says of its
// borehole: the name, the position, the collar elevation and the drilled
// length. A delivery whose two files disagree puts a borehole on the map
// where its log does not say it is.
#include "data/BoringData.h"
#include "formats/DeliveryFolder.h"

#include <string>
#include <vector>

namespace kolv {

// The differences between the entry and the document read from its exchange
// file, as UTF-8 sentences; empty when they agree. Values the management
// file leaves out or that are no number are not compared (the reader reports
// them).
std::vector<std::string> compareWithEntry(const DeliveryBorehole& entry, const BoringData& data);

// The position the document's heading gives (lines 51 to 56).
SexagesimalAngle documentLongitude(const BoringData& data);
SexagesimalAngle documentLatitude(const BoringData& data);

}  // namespace kolv
