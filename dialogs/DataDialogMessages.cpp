#include "dialogs/DataDialogMessages.h"

#include "platform/Cp932Codec.h"

namespace kolv {

std::string documentText(std::string_view utf8)
{
    return utf8ToCp932(utf8);
}

Answer showDialogMessage(Prompter& prompter, const DialogMessage& message, MessageKind kind, const std::string& value)
{
    std::string text = documentText(message.text);
    if (!value.empty() || text.find("%1") != std::string::npos)
        text = fillPlaceholder(text, value);
    return prompter.show(message.id, text, kind);
}

}  // namespace kolv
