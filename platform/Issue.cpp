#include "platform/Issue.h"

namespace kolv {

void showIssues(Prompter& prompter, const Issues& issues)
{
    for (const Issue& issue : issues)
        prompter.show(issue.messageId, issue.text, issue.kind);
}

Answer CollectingPrompter::show(int messageId, const std::string& text, MessageKind kind)
{
    issues.push_back({messageId, text, kind});
    return kind == MessageKind::Question || kind == MessageKind::QuestionWithCancel ? Answer::Yes : Answer::Ok;
}

}  // namespace kolv
