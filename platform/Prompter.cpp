#include "platform/Prompter.h"

#include "platform/Cp932Codec.h"

#include <iostream>

namespace kolv {

Answer StderrPrompter::show(int, const std::string& text, MessageKind kind)
{
    std::cerr << cp932ToUtf8(text) << std::endl;
    return kind == MessageKind::Question || kind == MessageKind::QuestionWithCancel ? Answer::Yes : Answer::Ok;
}

std::string fillPlaceholder(const std::string& text, const std::string& value)
{
    // "%" is never the second byte of a double-byte character, so a byte
    // search is exact here.
    std::string result = text;
    const std::size_t pos = result.find("%1");
    if (pos != std::string::npos)
        result.replace(pos, 2, value);
    return result;
}

}  // namespace kolv
