#include "document/LogDocument.h"

#include "document/ChangeStoreCommand.h"
#include "document/DocumentRefresh.h"
#include "formats/NativeWriter.h"

#include <QUndoStack>

namespace kolv {

LogDocument::LogDocument(QObject* parent) : QObject(parent), undoStack_(new QUndoStack(this))
{
    // The change of an undo step is announced once the stack has moved, so
    // that whoever repaints on it sees the stack as it now is.
    connect(undoStack_, &QUndoStack::indexChanged, this, [this] {
        const DocumentChanges pending = pendingChanges_;
        pendingChanges_ = {};
        if (pending)
            emit changed(pending);
    });
}

LogDocument::~LogDocument() = default;

void LogDocument::pushEdit(const QString& text, const BoringData& edited)
{
    pushEdit(text, edited, settings_.printOptions());
}

void LogDocument::pushEdit(const QString& text, const BoringData& edited, const PrintOptions& printOptions)
{
    undoStack_->push(new ChangeStoreCommand(*this, text, DocumentState{data_, settings_.printOptions()},
                                            DocumentState{edited, printOptions}));
}

void LogDocument::restore(const DocumentState& state, bool matchesSavedState)
{
    data_ = state.data;
    if (state.printOptions != settings_.printOptions()) {
        settings_.printOptions() = state.printOptions;
        view_.screenPageStart = state.printOptions.printStartDepth;
        view_.currentPage = 1;
        pendingChanges_ |= DocumentChange::Settings | DocumentChange::Page;
    }
    // The free-notes dialog edits the frame size as text; the drawing reads
    // the number.
    data_.freeNoteFrameSize = freeNoteFrameSizeOf(data_);
    const bool modified = editedOutsideUndo_ || !matchesSavedState;
    pendingChanges_ |= DocumentChange::Data;
    if (modified != modified_)
        pendingChanges_ |= DocumentChange::Modified;
    modified_ = modified;
}

void LogDocument::setModified(bool modified)
{
    editedOutsideUndo_ = modified;
    if (!modified)
        undoStack_->setClean();
    if (modified == modified_)
        return;
    modified_ = modified;
    emit changed(DocumentChange::Modified);
}

void LogDocument::replaceSettings(const LogSettings& edited)
{
    const PrintOptions printOptions = settings_.printOptions();
    const DisplayOptions displayOptions = settings_.displayOptions();
    settings_ = edited;
    settings_.printOptions() = printOptions;
    settings_.displayOptions() = displayOptions;
    emit changed(DocumentChange::Settings);
}

bool LogDocument::replaceSettingsValues(const SettingsValues& edited)
{
    if (edited == settings_.values())
        return false;
    settings_.values() = edited;
    emit changed(DocumentChange::Settings);
    return true;
}

void LogDocument::notifyPageChanged()
{
    emit changed(DocumentChange::Page);
}

Issues LogDocument::refresh()
{
    Issues issues;
    applyDocumentChange(data_, settings_, view_, issues, printerPaper_);
    data_.freeNoteFrameSize = freeNoteFrameSizeOf(data_);
    return issues;
}

Issues LogDocument::newDocument()
{
    clear(data_);
    path_.clear();
    modified_ = false;
    editedOutsideUndo_ = false;
    undoStack_->clear();
    Issues issues = refresh();
    emit changed(everyDocumentChange);
    return issues;
}

OpenResult LogDocument::open(const std::string& hostPath, const OpenOptions& options)
{
    // Read into a copy, so that a file that turns out unreadable half-way
    // leaves the open document whole.
    BoringData loaded = data_;
    OpenResult result;
    result.status = openDocumentFile(hostPath, loaded, settings_.soilNameMaster, result.issues, options);
    if (result.status != OpenStatus::Opened)
        return result;
    data_ = std::move(loaded);
    path_ = hostPath;
    modified_ = false;
    editedOutsideUndo_ = false;
    undoStack_->clear();
    Issues refreshIssues = refresh();
    result.issues.insert(result.issues.end(), refreshIssues.begin(), refreshIssues.end());
    emit changed(everyDocumentChange);
    return result;
}

SaveResult LogDocument::save(const std::string& hostPath)
{
    SaveResult result;
    result.saved = saveNativeFile(data_, hostPath, result.issues);
    if (!result.saved)
        return result;
    updateSavedValues(data_);
    path_ = hostPath;
    modified_ = false;
    editedOutsideUndo_ = false;
    undoStack_->setClean();
    emit changed(DocumentChange::Path | DocumentChange::Modified);
    return result;
}

}  // namespace kolv
