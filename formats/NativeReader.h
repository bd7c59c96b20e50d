#pragma once
// Line reader of the native document format (format code 600).
#include "formats/LineDispatch.h"

#include <string_view>

namespace kolv {

// One line of a native file, without its line end, in file order from the
// header line on.
void readNativeLine(BoringData& data, LineReaderState& state, std::string_view line);

}  // namespace kolv
