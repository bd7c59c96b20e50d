#pragma once
// The store as one JSON object (UTF-8): every table under its name, holding
// only the occupied rows with their saved cells.
#include "data/BoringData.h"

#include <string>

namespace kolv {

std::string dumpJson(const BoringData& data);

}  // namespace kolv
