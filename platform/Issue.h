#pragma once
// What a reader, a saver or a drawing pass has to say, handed back to the
// caller instead of being shown halfway through: the window shows it as a
// message box, the command-line tool prints it, a test asserts it.
#include "platform/Prompter.h"

#include <string>
#include <vector>

namespace kolv {

struct Issue {
    int messageId = 0;  // the string-table id of the text, 0 when it has none
    std::string text;   // code page 932 bytes
    MessageKind kind = MessageKind::Information;

    bool operator==(const Issue&) const = default;
};

using Issues = std::vector<Issue>;

// Shows every issue in order through a prompter (the window's message boxes,
// the command line's stderr).
void showIssues(Prompter& prompter, const Issues& issues);

// Stands in for the message boxes of code that still reports through a
// Prompter: keeps every message and answers Ok (Yes to a question), so the
// caller can show them once the work is done.
class CollectingPrompter : public Prompter {
public:
    Answer show(int messageId, const std::string& text, MessageKind kind) override;

    Issues issues;
};

}  // namespace kolv
