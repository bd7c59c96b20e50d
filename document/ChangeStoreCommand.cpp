#include "document/ChangeStoreCommand.h"

#include "document/LogDocument.h"

namespace kolv {

ChangeStoreCommand::ChangeStoreCommand(LogDocument& document, const QString& text, const BoringData& before,
                                       const BoringData& after, StepOptions printOptions)
    : QUndoCommand(text), document_(document), delta_(before, after), printOptions_(printOptions)
{}

void ChangeStoreCommand::undo()
{
    document_.restore(delta_, false, printOptions_.before);
}

void ChangeStoreCommand::redo()
{
    document_.restore(delta_, true, printOptions_.after);
}

}  // namespace kolv
