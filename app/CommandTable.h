#pragma once
// Every command of the menus and the tool bar in one table: where it sits,
// its menu text, its accelerator, its status-bar prompt and who carries it
// out. The window builds its menus and tool bar from it.
#include <span>
#include <string_view>

namespace kolv {

enum class CommandMenu { File, Edit, Data, View, Settings, Help };

// Who carries a command out: the window itself, or the dialog entry points of
// the data and settings dialogs.
enum class CommandRoute { Shell, DataDialog, SettingsDialog };

struct CommandEntry {
    int id;
    CommandMenu menu;
    std::string_view text;      // menu text; "\t" precedes the accelerator shown
    std::string_view shortcut;  // the accelerator (QKeySequence text), empty for none
    std::string_view prompt;    // status-bar prompt; "\n" precedes the tool tip
    CommandRoute route = CommandRoute::Shell;
    bool separatorBefore = false;
    bool checkable = false;
};

struct MenuEntry {
    CommandMenu menu;
    std::string_view title;
};

// The pop-up menus in their order.
std::span<const MenuEntry> menuTitles();

// The commands in menu order.
std::span<const CommandEntry> commandTable();

// The entry of a command id; nullptr for an unknown id.
const CommandEntry* findCommand(int id);

// The tool-bar buttons in their order; 0 stands for a separator.
std::span<const int> toolBarCommands();

// The status-bar text of a prompt (its first line) and its tool tip (the
// second line, else the first).
std::string_view statusTextOf(std::string_view prompt);
std::string_view toolTipOf(std::string_view prompt);

}  // namespace kolv
