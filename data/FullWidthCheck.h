#pragma once
// The full-width alphanumeric check: texts typed for the log may hold
// full-width digits, Latin letters, unit signs or circled numbers that other
// systems (the exchange format) do not accept.
#include "data/BoringData.h"

#include <string>
#include <string_view>

namespace kolv {

// True when the text (at least 2 bytes) holds a full-width digit, "ｍ", a
// unit sign, a circled number or a full-width Latin letter of either case.
bool containsFullWidthAlphanumeric(std::string_view text);

// The report of the check as its dialog shows it: per group with hits a line
// "▼" + group heading, then one line per row with hits, every line ended by
// CR LF; "無し" when nothing was found. At most 10 hits per group and 50 in all.
std::string fullWidthCheckReport(const BoringData& data);

}  // namespace kolv
