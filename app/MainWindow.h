#pragma once
// The main window: menus and tool bar built from the command table, the
// scrolling view of the log, the status bar with its message pane and lock
// indicators, the recent-file list, dropped files, printing, preview, PDF
// export and the close question. It owns the one document for the run.
#include "document/ViewState.h"

#include <QMainWindow>
#include <QPrinter>
#include <QUrl>

#include <map>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace kolv {

class DeliveryPanel;
class DocumentManager;
class LogView;
class FileChooser;
class LogDocument;
class Prompter;
class RecentFiles;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Prompter& prompter, FileChooser& chooser, QWidget* parent = nullptr);
    ~MainWindow() override;

    LogDocument& document() { return *document_; }
    DocumentManager& lifecycle() { return *lifecycle_; }
    LogView& view() { return *view_; }
    RecentFiles& recentFiles() { return *recentFiles_; }
    DeliveryPanel& deliveryPanel() { return *deliveryPanel_; }
    QPrinter& printer() { return printer_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The action of a command id; nullptr for an unknown id.
    QAction* action(int commandId) const;

    // Carries out a command of the menus or the tool bar.
    void runCommand(int commandId);
    // The scroll area from the metres per page; once, before the first paint.
    void initialUpdate();

    // Sets the printer to A3 or A4 and the orientation of the paper defaults
    // when the switch to apply them is 1 (always for the PDF printer of a
    // machine without printers) and both choices are in range.
    void applyPaperDefaults();
    // Hands the printer's paper to the document as the default printer's.
    void takePrinterPaper();

    // Writes pages first..last as PDF; false when cancelled or not written
    // (the target then stays as it was).
    bool exportPdf(const QString& path, int firstPage, int lastPage);
    // Writes the store as an exchange file; false when it cannot be written.
    bool exportXml(const QString& path);

    QString statusMessage() const;

    // Files dropped on the window: the first local one is opened by path.
    bool openDroppedFiles(const QList<QUrl>& urls);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenusAndToolBar();
    void buildStatusBar();
    void rebuildRecentFileMenu();
    void updateTitle();
    void updateLockIndicators();
    void updateCommandStates();
    void showStatus(const QString& text);
    void runDialogCommand(int commandId);
    void print();
    void printPreview();
    void printSetup();
    void exportPdfCommand();
    void exportXmlCommand();
    void about();
    int preparePrinting();
    PaperSize printerPaper() const;

    std::unique_ptr<LogDocument> document_;
    std::unique_ptr<RecentFiles> recentFiles_;
    std::unique_ptr<DocumentManager> lifecycle_;
    Prompter& prompter_;
    FileChooser& chooser_;
    LogView* view_ = nullptr;
    DeliveryPanel* deliveryPanel_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* recentMenuAnchor_ = nullptr;
    QAction* recentEnd_ = nullptr;
    QList<QAction*> recentActions_;
    QLabel* pageLabel_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QList<QLabel*> lockLabels_;
    std::map<int, QAction*> actions_;
    QPrinter printer_;
    bool initialUpdateDone_ = false;
};

}  // namespace kolv
