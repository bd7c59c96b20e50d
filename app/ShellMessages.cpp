#include "app/ShellMessages.h"

#include "platform/Cp932Codec.h"

namespace kolv {

Answer showShellMessage(Prompter& prompter, const ShellMessage& message, MessageKind kind)
{
    return prompter.show(message.id, utf8ToCp932(message.text), kind);
}

void showIssues(Prompter& prompter, const Issues& issues)
{
    for (const Issue& issue : issues)
        prompter.show(issue.messageId, issue.text, issue.kind);
}

}  // namespace kolv
