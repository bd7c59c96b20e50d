#pragma once
// One data dialog's OK as an undo step: the store before and after. Whether
// the document is modified afterwards follows the undo stack's clean state
// (the state of the last save), so undoing past a save marks it modified.
#include "data/BoringData.h"

#include <QUndoCommand>

namespace kolv {

class LogDocument;

class ChangeStoreCommand : public QUndoCommand {
public:
    ChangeStoreCommand(LogDocument& document, const QString& text, BoringData before, BoringData after);

    void undo() override;
    void redo() override;

private:
    LogDocument& document_;
    BoringData before_;
    BoringData after_;
    bool pushed_ = false;
};

}  // namespace kolv
