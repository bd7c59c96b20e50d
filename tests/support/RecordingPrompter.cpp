#include "support/RecordingPrompter.h"

namespace kolv {

Answer RecordingPrompter::show(int messageId, const std::string& text, MessageKind kind)
{
    messages.push_back({messageId, text, kind});
    if (scriptedAnswers.empty())
        return Answer::Ok;
    const Answer answer = scriptedAnswers.front();
    scriptedAnswers.erase(scriptedAnswers.begin());
    return answer;
}

}  // namespace kolv
