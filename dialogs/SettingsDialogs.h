#pragma once
// The heading dialog and the settings and option commands: each opens its
// dialog; settings go to the document's settings and the settings file,
// per-document values are one undo step.
#include "dialogs/DialogOutcome.h"

class QWidget;

namespace kolv {

class LogDocument;
class Prompter;

DialogOutcome runSettingsDialog(int commandId, LogDocument& document, Prompter& prompter, QWidget* parent);

}  // namespace kolv
