#include "document/LogDocument.h"

#include "document/ChangeStoreCommand.h"
#include "document/DocumentOpening.h"
#include "document/DocumentRefresh.h"
#include "formats/NativeWriter.h"

#include <QUndoStack>

namespace kolv {

LogDocument::LogDocument(QObject* parent) : QObject(parent), undoStack_(new QUndoStack(this))
{
    // The change of an undo step is announced once the stack has moved, so
    // that whoever repaints on it sees the stack as it now is.
    connect(undoStack_, &QUndoStack::indexChanged, this, [this] {
        DocumentChanges pending = pendingChanges_;
        pendingChanges_ = {};
        if (isModified() != announcedModified_) {
            announcedModified_ = isModified();
            pending |= DocumentChange::Modified;
        }
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
    undoStack_->push(
        new ChangeStoreCommand(*this, text, data_, edited, StepOptions{settings_.printOptions(), printOptions}));
}

bool LogDocument::isModified() const
{
    return !undoStack_->isClean();
}

void LogDocument::restore(const StoreDelta& delta, bool redo, const PrintOptions& printOptions)
{
    if (redo)
        delta.redo(data_);
    else
        delta.undo(data_);
    if (printOptions != settings_.printOptions()) {
        settings_.printOptions() = printOptions;
        view_.screenPageStart = printOptions.printStartDepth;
        view_.currentPage = 1;
        pendingChanges_ |= DocumentChange::Settings | DocumentChange::Page;
    }
    // The free-notes dialog edits the frame size as text; the drawing reads
    // the number.
    data_.freeNoteFrameSize = freeNoteFrameSizeOf(data_);
    pendingChanges_ |= DocumentChange::Data;
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

void LogDocument::setScreenDrawing(bool on)
{
    if (settings_.screenDrawing == on)
        return;
    settings_.screenDrawing = on;
    emit changed(DocumentChange::Settings);
}

void LogDocument::setView(const ViewState& view)
{
    if (view == view_)
        return;
    view_ = view;
    emit changed(DocumentChange::Page);
}

void LogDocument::setPrinterPaper(const std::optional<PaperSize>& paper)
{
    printerPaper_ = paper;
    emit changed(DocumentChange::Settings);
}

void LogDocument::applyPrinterPaper()
{
    const SettingsValues valuesBefore = settings_.values();
    const PrintOptions printOptionsBefore = settings_.printOptions();
    const ViewState viewBefore = view_;
    kolv::applyPrinterPaper(settings_, view_, freeNotesHeight(data_), printerPaper_);
    DocumentChanges what;
    if (settings_.values() != valuesBefore || settings_.printOptions() != printOptionsBefore)
        what |= DocumentChange::Settings;
    if (view_ != viewBefore)
        what |= DocumentChange::Page;
    if (what)
        emit changed(what);
}

Issues LogDocument::refresh()
{
    Issues issues;
    applyDocumentChange(data_, settings_, view_, issues, printerPaper_);
    return issues;
}

Issues LogDocument::newDocument()
{
    clear(data_);
    path_.clear();
    undoStack_->clear();
    announcedModified_ = false;
    Issues issues = refresh();
    emit changed(everyDocumentChange);
    return issues;
}

OpenResult LogDocument::open(const std::string& hostPath, const OpenOptions& options)
{
    OpenResult result;
    result.status = openLogFile(hostPath, options, data_, settings_, view_, printerPaper_, result.issues);
    if (result.status != OpenStatus::Opened)
        return result;
    path_ = hostPath;
    undoStack_->clear();
    announcedModified_ = false;
    emit changed(everyDocumentChange);
    return result;
}

SaveResult LogDocument::save(const std::string& hostPath)
{
    SaveResult result;
    result.saved = saveNativeFile(data_, hostPath, result.issues);
    if (!result.saved)
        return result;
    path_ = hostPath;
    undoStack_->setClean();
    announcedModified_ = false;
    emit changed(DocumentChange::Path | DocumentChange::Modified);
    return result;
}

}  // namespace kolv
