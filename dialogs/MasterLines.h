#pragma once
// The texts of a short-text master for a dialog's pick list.
#include "platform/Prompter.h"
#include "settings/ShortTextMaster.h"

#include <string>
#include <vector>

namespace kolv {

// The registered texts of the master in file order; empty (after the
// not-found message) when the file cannot be read.
std::vector<std::string> shortTextLines(const LogSettings& settings, ShortTextMasterKind kind, Prompter& prompter);

}  // namespace kolv
