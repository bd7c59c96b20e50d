#pragma once
// Text typed or pasted by the user on its way into the store: the store
// holds code page 932, so a character without a form there is refused with
// a message that names it, never silently replaced.
#include "platform/Prompter.h"

#include <QString>

#include <optional>
#include <string>

namespace kolv {

// The code page 932 bytes of the text, or nothing after the message.
std::optional<std::string> documentTextOf(const QString& text, Prompter& prompter);

// The text of a cell or field for the screen.
QString screenText(const std::string& documentText);

}  // namespace kolv
