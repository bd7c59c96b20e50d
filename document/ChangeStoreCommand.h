#pragma once
// One user action's OK as an undo step: the store and the print options the
// log is drawn with, before and after. Whether the document is modified
// follows the undo stack's clean state alone.
#include "data/BoringData.h"
#include "settings/LogSettings.h"

#include <QUndoCommand>

namespace kolv {

class LogDocument;

// What an undo step restores.
struct DocumentState {
    BoringData data;
    PrintOptions printOptions;
};

class ChangeStoreCommand : public QUndoCommand {
public:
    ChangeStoreCommand(LogDocument& document, const QString& text, DocumentState before, DocumentState after);

    void undo() override;
    void redo() override;

private:
    LogDocument& document_;
    DocumentState before_;
    DocumentState after_;
};

}  // namespace kolv
