#pragma once
// Line reader of the sister product's format 510: the native sections without
// options and recovery, plus geological ages (N), drilling import rows (J)
// and colour rows (S).
#include "formats/LineDispatch.h"

#include <string_view>

namespace kolv {

void readRazobLine(BoringData& data, LineReaderState& state, std::string_view line);

}  // namespace kolv
