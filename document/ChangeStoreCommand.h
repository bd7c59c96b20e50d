#pragma once
// One user action's OK as an undo step over the store and the print options
// the log is drawn with. The step keeps only the texts it changed, so that a
// long day's editing of a full document holds little memory. Whether the
// document is modified follows the undo stack's clean state alone.
#include "data/BoringData.h"
#include "document/StoreDelta.h"
#include "settings/LogSettings.h"

#include <QUndoCommand>

namespace kolv {

class LogDocument;

// What an undo step changes besides the store.
struct StepOptions {
    PrintOptions before;
    PrintOptions after;
};

class ChangeStoreCommand : public QUndoCommand {
public:
    ChangeStoreCommand(LogDocument& document, const QString& text, const BoringData& before, const BoringData& after,
                       StepOptions printOptions);

    void undo() override;
    void redo() override;

private:
    LogDocument& document_;
    StoreDelta delta_;
    StepOptions printOptions_;
};

}  // namespace kolv
