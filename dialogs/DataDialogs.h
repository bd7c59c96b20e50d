#pragma once
// The data commands of the data menu (geology and colour tone, N values,
// notes, samples, recovery and qu, water levels, in-situ tests, drilling,
// free notes, full-width check): each opens its dialog over the document and
// pushes one undo step on OK.
#include "dialogs/DialogOutcome.h"

class QWidget;

namespace kolv {

class LogDocument;
class Prompter;

DialogOutcome runDataDialog(int commandId, LogDocument& document, Prompter& prompter, QWidget* parent);

}  // namespace kolv
