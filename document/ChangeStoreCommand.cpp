#include "document/ChangeStoreCommand.h"

#include "document/LogDocument.h"

namespace kolv {

ChangeStoreCommand::ChangeStoreCommand(LogDocument& document, const QString& text, DocumentState before,
                                       DocumentState after)
    : QUndoCommand(text), document_(document), before_(std::move(before)), after_(std::move(after))
{}

void ChangeStoreCommand::undo()
{
    document_.restore(before_);
}

void ChangeStoreCommand::redo()
{
    document_.restore(after_);
}

}  // namespace kolv
