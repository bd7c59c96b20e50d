#pragma once
// The one open borehole: the store, its file, the modified flag and the undo
// stack, the settings it is drawn with and the page the screen shows. Every
// edit goes through an undo command; the document never shows a message, it
// returns what went wrong for the window or the command line to show.
#include "data/BoringData.h"
#include "document/DocumentChanges.h"
#include "document/ViewState.h"
#include "formats/OpenDocument.h"
#include "platform/Issue.h"
#include "settings/LogSettings.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class QUndoStack;

namespace kolv {

class StoreDelta;

struct OpenResult {
    OpenStatus status = OpenStatus::CannotOpen;
    Issues issues;
};

struct SaveResult {
    bool saved = false;
    Issues issues;
};

class LogDocument : public QObject {
    Q_OBJECT

public:
    explicit LogDocument(QObject* parent = nullptr);
    ~LogDocument() override;

    const BoringData& data() const { return data_; }

    // Every data edit: a copy of data() changed by a dialog, pushed as one undo
    // step named text. Sets the modified flag; undoing brings back the store,
    // and the flag is clear exactly when the store is back at its last save.
    void pushEdit(const QString& text, const BoringData& edited);
    // An action that changes the print options too (the heading and the scale
    // dialogs): one step over both, so that undo restores what is drawn,
    // printed and saved together. Redo and undo return the screen to the
    // first page at the start depth when the print options differ.
    void pushEdit(const QString& text, const BoringData& edited, const PrintOptions& printOptions);
    QUndoStack* undoStack() const { return undoStack_; }

    // Whether the store differs from its file: the undo stack is away from
    // the state of the last open, new or save.
    bool isModified() const;

    // Host path of the document's file; empty for a new document.
    const std::string& path() const { return path_; }

    const LogSettings& settings() const { return settings_; }
    // A settings dialog's OK: takes the edited copy and announces it. The print
    // options and the screen-drawing switch stay: they change only through an
    // undo step and the window's switch.
    void replaceSettings(const LogSettings& edited);
    // A settings dialog's OK on the values of the settings file: takes the
    // edited copy and announces it when it differs; false when nothing changed.
    bool replaceSettingsValues(const SettingsValues& edited);

    // The window's switch that stops the screen from drawing the log.
    void setScreenDrawing(bool on);

    // The paging state of the screen; the setter announces a change.
    const ViewState& view() const { return view_; }
    void setView(const ViewState& view);

    // The paper of the default printer (none: no printer), used by the
    // after-change step for the metres per page and the page count.
    void setPrinterPaper(const std::optional<PaperSize>& paper);
    const std::optional<PaperSize>& printerPaper() const { return printerPaper_; }
    // The printer paper query before a print job: the paper's size for the
    // view and, when the depth per page is not set yet, the metres that fit.
    void applyPrinterPaper();

    // A new, empty document: the store cleared, no path, not modified.
    Issues newDocument();
    // Reads the file into the store; on any failure the store, the path and
    // the modified flag stay as they were.
    OpenResult open(const std::string& hostPath, const OpenOptions& options = {});
    // Writes the store natively (with the heading lines a file derives from
    // the tables, computed while writing: the store itself is changed only by
    // undo steps); the previous file stays intact on failure and the document
    // then stays modified.
    SaveResult save(const std::string& hostPath);

    // The step that follows every load and reset: settings and masters,
    // vector pattern codes, the printer's paper, page 1, default captions.
    Issues refresh();

signals:
    void changed(kolv::DocumentChanges what);

private:
    friend class ChangeStoreCommand;
    void restore(const StoreDelta& delta, bool redo, const PrintOptions& printOptions);

    BoringData data_;
    LogSettings settings_;
    ViewState view_;
    std::optional<PaperSize> printerPaper_;
    std::string path_;
    // The modified flag last announced, so that a step that reaches or leaves
    // the saved state says so in its change.
    bool announcedModified_ = false;
    DocumentChanges pendingChanges_;
    QUndoStack* undoStack_;
};

}  // namespace kolv
