#include "dialogs/MasterLines.h"

namespace kolv {

std::vector<std::string> shortTextLines(const LogSettings& settings, ShortTextMasterKind kind, Prompter& prompter)
{
    ShortTextMaster master;
    std::vector<std::string> lines;
    Issues issues;
    const bool loaded = loadShortTextMaster(settings, kind, master, issues);
    showIssues(prompter, issues);
    if (!loaded)
        return lines;
    for (const ShortTextEntry& entry : master.entries)
        lines.push_back(entry.text);
    return lines;
}

}  // namespace kolv
