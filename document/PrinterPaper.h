#pragma once
// The paper of the "default printer" that the page count and the metres per
// page follow. The window asks Qt's default printer; the command-line tool
// stands in for the printer with the paper given on its command line.
#include "render/LogMapping.h"

#include <optional>
#include <string_view>

namespace kolv {

// The physical page of Qt's default printer in whole millimetres (as the
// printer's dots x 25.4 / its resolution, truncated); none without a printer.
std::optional<PaperSize> defaultPrinterPaper();

// "A3" or "A4" (any case), portrait or landscape; none for another name.
std::optional<PaperSize> standardPaper(std::string_view name, bool landscape);

}  // namespace kolv
