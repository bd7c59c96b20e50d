#include "document/ChangeStoreCommand.h"

#include "document/LogDocument.h"

#include <QUndoStack>

namespace kolv {

ChangeStoreCommand::ChangeStoreCommand(LogDocument& document, const QString& text, DocumentState before,
                                       DocumentState after)
    : QUndoCommand(text), document_(document), before_(std::move(before)), after_(std::move(after))
{}

// The stack moves its index only after the command has run: undo lands one
// step below the current index, redo one above.
void ChangeStoreCommand::undo()
{
    const QUndoStack& stack = *document_.undoStack();
    document_.restore(before_, stack.cleanIndex() == stack.index() - 1);
}

void ChangeStoreCommand::redo()
{
    // A new step is never the saved state, even when the stack's clean state
    // lay in the redo steps that the push throws away.
    const QUndoStack& stack = *document_.undoStack();
    const bool clean = pushed_ && stack.cleanIndex() == stack.index() + 1;
    pushed_ = true;
    document_.restore(after_, clean);
}

}  // namespace kolv
