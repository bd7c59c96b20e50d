#pragma once
// The pictures of the tool-bar buttons, drawn here so that the program looks
// the same whatever icon theme the desktop has.
#include <QIcon>

namespace kolv {

// The picture of a tool-bar command; a null icon for other commands.
QIcon toolBarIcon(int commandId);

}  // namespace kolv
