#pragma once
// One data dialog's OK as an undo step: the store before and after, and the
// modified flag before, so undo leaves the document exactly as it was.
#include "data/BoringData.h"

#include <QUndoCommand>

namespace kolv {

class LogDocument;

class ChangeStoreCommand : public QUndoCommand {
public:
    ChangeStoreCommand(LogDocument& document, const QString& text, BoringData before, BoringData after,
                       bool modifiedBefore);

    void undo() override;
    void redo() override;

private:
    LogDocument& document_;
    BoringData before_;
    BoringData after_;
    bool modifiedBefore_;
};

}  // namespace kolv
