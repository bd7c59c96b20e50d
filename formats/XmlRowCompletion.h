#pragma once
// What the exchange-file import writes into the store when a group of
// elements closes.
#include "data/BoringData.h"
#include "formats/XmlReader.h"

#include <string>
#include <string_view>

namespace kolv {

// The field in which a sample collects the names of its laboratory tests.
inline constexpr int sampleTestNamesField = 5;

// Completes the row of the current group from its collected fields.
void completeXmlRow(BoringData& data, XmlReaderState& state);

// A measuring date "2004-05-20" as the log shows it, "05/20": the year and
// its "-" are dropped when the year is 1900 or later or written "0000-",
// and the remaining "-" become "/".
std::string shortenMeasuringDate(std::string_view date);

}  // namespace kolv
