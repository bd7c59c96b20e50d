#include "document/LogDocument.h"

#include "document/ChangeStoreCommand.h"
#include "formats/NativeWriter.h"
#include "render/DocumentChange.h"

#include <QUndoStack>

namespace kolv {

LogDocument::LogDocument(QObject* parent) : QObject(parent), undoStack_(new QUndoStack(this))
{
}

LogDocument::~LogDocument() = default;

void LogDocument::pushEdit(const QString& text, const BoringData& edited)
{
    undoStack_->push(new ChangeStoreCommand(*this, text, data_, edited, modified_));
}

void LogDocument::restore(const BoringData& data, bool modified)
{
    data_ = data;
    const bool flagChanged = modified != modified_;
    modified_ = modified;
    emit changed(flagChanged ? DocumentChange::Data | DocumentChange::Modified : DocumentChanges(DocumentChange::Data));
}

void LogDocument::setModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    emit changed(DocumentChange::Modified);
}

void LogDocument::replaceSettings(const LogSettings& edited)
{
    settings_ = edited;
    emit changed(DocumentChange::Settings);
}

void LogDocument::notifyPageChanged()
{
    emit changed(DocumentChange::Page);
}

Issues LogDocument::refresh()
{
    CollectingPrompter prompter;
    applyDocumentChange(data_, settings_, view_, prompter, printerPaper_);
    return prompter.issues;
}

Issues LogDocument::newDocument()
{
    clear(data_);
    path_.clear();
    modified_ = false;
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
    CollectingPrompter prompter;
    OpenResult result;
    result.status = openDocumentFile(hostPath, loaded, settings_.soilNameMaster, prompter, options);
    result.issues = std::move(prompter.issues);
    if (result.status != OpenStatus::Opened)
        return result;
    data_ = std::move(loaded);
    path_ = hostPath;
    modified_ = false;
    undoStack_->clear();
    Issues refreshIssues = refresh();
    result.issues.insert(result.issues.end(), refreshIssues.begin(), refreshIssues.end());
    emit changed(everyDocumentChange);
    return result;
}

SaveResult LogDocument::save(const std::string& hostPath)
{
    CollectingPrompter prompter;
    SaveResult result;
    result.saved = saveNativeFile(data_, hostPath, prompter);
    result.issues = std::move(prompter.issues);
    if (!result.saved)
        return result;
    updateSavedValues(data_);
    path_ = hostPath;
    modified_ = false;
    undoStack_->setClean();
    emit changed(DocumentChange::Path | DocumentChange::Modified);
    return result;
}

}  // namespace kolv
