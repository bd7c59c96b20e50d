#pragma once
// Line reader of the sister products' formats 480, 490 and 500: the native
// sections without options and recovery, plus drilling import rows (B) and
// colour rows (S).
#include "formats/LineDispatch.h"

#include <string_view>

namespace kolv {

void readZoribLine(BoringData& data, LineReaderState& state, std::string_view line);

}  // namespace kolv
