#include "document/ChangeStoreCommand.h"

#include "document/LogDocument.h"

namespace kolv {

ChangeStoreCommand::ChangeStoreCommand(LogDocument& document, const QString& text, BoringData before,
                                       BoringData after, bool modifiedBefore)
    : QUndoCommand(text),
      document_(document),
      before_(std::move(before)),
      after_(std::move(after)),
      modifiedBefore_(modifiedBefore)
{
}

void ChangeStoreCommand::undo()
{
    document_.restore(before_, modifiedBefore_);
}

void ChangeStoreCommand::redo()
{
    document_.restore(after_, true);
}

}  // namespace kolv
