#include "dialogs/MasterLines.h"

namespace kolv {

std::vector<std::string> shortTextLines(const LogSettings& settings, ShortTextMasterKind kind, Prompter& prompter)
{
    ShortTextMaster master;
    std::vector<std::string> lines;
    if (!loadShortTextMaster(settings, kind, master, prompter))
        return lines;
    for (const ShortTextEntry& entry : master.entries)
        lines.push_back(entry.text);
    return lines;
}

}  // namespace kolv
