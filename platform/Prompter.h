#pragma once
// Message boxes and questions. The window shows them as message boxes, the
// command-line tool prints them to stderr, tests script the answers.
#include <string>

namespace kolv {

// Question asks Yes / No; QuestionWithCancel asks Yes / No / Cancel.
enum class MessageKind { Information, Warning, Error, Question, QuestionWithCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    // messageId: the string-table id of the text (0 when it has none);
    // text: the system's own text, code page 932 bytes.
    virtual Answer show(int messageId, const std::string& text, MessageKind kind = MessageKind::Information) = 0;
};

// Prints each message in UTF-8 on stderr and answers Ok / Yes.
class StderrPrompter : public Prompter {
public:
    Answer show(int messageId, const std::string& text, MessageKind kind) override;
};

// Replaces the placeholder "%1" of a message text.
std::string fillPlaceholder(const std::string& text, const std::string& value);

}  // namespace kolv
