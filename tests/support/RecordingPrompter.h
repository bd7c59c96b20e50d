#pragma once
// A prompter for tests: records every message and answers from a script.
#include "platform/Prompter.h"

#include <string>
#include <vector>

namespace kolv {

// Records every message and answers from a script (Ok when it runs out).
class RecordingPrompter : public Prompter {
public:
    struct Message {
        int id;
        std::string text;
        MessageKind kind;
    };
    Answer show(int messageId, const std::string& text, MessageKind kind) override;

    std::vector<Message> messages;
    std::vector<Answer> scriptedAnswers;
};

}  // namespace kolv
