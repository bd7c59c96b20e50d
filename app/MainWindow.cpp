#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/DeliveryPanel.h"
#include "app/DocumentManager.h"
#include "app/LogView.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/FileChooser.h"
#include "app/LockIndicators.h"
#include "app/PagePrinting.h"
#include "app/PdfExportDialog.h"
#include "app/RecentFiles.h"
#include "app/ToolBarIcons.h"
#include "dialogs/DataDialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "document/LogDocument.h"
#include "formats/XmlWriter.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

const QString programTitle = QStringLiteral("港湾柱状図");
const QString idleText = QStringLiteral("レディ");
constexpr int printerlessDotsPerInch = 300;
// The values the exchange file could not take as stored, listed after an
// export; the rest are counted.
constexpr std::size_t exchangeIssuesShown = 15;
const char* const exchangeFileFilter = "交換用データ(*.XML)|*.XML;*.xml|すべて(*.*)|*.*||";

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "地質/色調 (&T)" → "地質/色調": the menu text without its access key and
// accelerator, for messages.
QString plainMenuText(std::string_view text)
{
    QString plain = qtText(text.substr(0, text.find('\t')));
    const qsizetype key = plain.indexOf(QStringLiteral("(&"));
    if (key >= 0)
        plain.truncate(key);
    return plain.remove(QLatin1Char('&')).trimmed().remove(QStringLiteral("..."));
}

}  // namespace

MainWindow::MainWindow(Prompter& prompter, FileChooser& chooser, QWidget* parent)
    : QMainWindow(parent), document_(std::make_unique<LogDocument>()), recentFiles_(std::make_unique<RecentFiles>()),
      lifecycle_(std::make_unique<DocumentManager>(*document_, prompter, chooser, *recentFiles_)), prompter_(prompter),
      chooser_(chooser), printer_(QPrinter::HighResolution)
{
    lifecycle_->setDialogParent(this);
    setWindowIcon(applicationIcon());

    // Without a printer on the machine, printing writes a PDF file.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setResolution(printerlessDotsPerInch);
        printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    }

    view_ = new LogView(*document_, prompter_, this);
    setCentralWidget(view_);
    deliveryPanel_ = new DeliveryPanel(*document_, prompter_, chooser_, this);
    addDockWidget(Qt::LeftDockWidgetArea, deliveryPanel_);
    // Opening a borehole of the delivery is opening by path: the unsaved
    // changes question comes first.
    connect(deliveryPanel_, &DeliveryPanel::boreholeChosen, this,
            [this](const QString& path) { lifecycle_->openPath(QDir::toNativeSeparators(path).toStdString()); });
    connect(deliveryPanel_, &DeliveryPanel::statusMessage, this, &MainWindow::showStatus);
    buildMenusAndToolBar();
    buildStatusBar();
    setAcceptDrops(true);

    connect(document_.get(), &LogDocument::changed, this, [this](DocumentChanges what) {
        // A new or opened document: what the status bar said was about the last one.
        if (what.testFlag(DocumentChange::Data) && what.testFlag(DocumentChange::Path))
            statusBar()->clearMessage();
        updateTitle();
        updateCommandStates();
    });
    connect(document_->undoStack(), &QUndoStack::indexChanged, this, [this] { updateCommandStates(); });
    connect(view_, &LogView::statusMessage, this, &MainWindow::showStatus);
    connect(view_, &LogView::zoomChanged, this, [this] { updateCommandStates(); });
    connect(recentFiles_.get(), &RecentFiles::changed, this, &MainWindow::rebuildRecentFileMenu);

    // 86 % of the screen's width and 80 % of its height, centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        resize(static_cast<int>(area.width() * 0.86), static_cast<int>(area.height() * 0.80));
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    updateTitle();
    updateCommandStates();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    // The document outlives the frame's members; it must not call back.
    document_->undoStack()->disconnect(this);
    document_->disconnect(this);
    document_->disconnect(view_);
}

QAction* MainWindow::action(int commandId) const
{
    const auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::buildMenusAndToolBar()
{
    for (const MenuEntry& menuEntry : menuTitles()) {
        QMenu* menu = menuBar()->addMenu(qtText(menuEntry.title));
        for (const CommandEntry& entry : commandTable()) {
            if (entry.menu != menuEntry.menu)
                continue;
            if (entry.id == command::recentFile) {
                recentMenuAnchor_ = menu;
                menu->addSeparator();
                recentEnd_ = menu->addSeparator();
                continue;
            }
            if (entry.separatorBefore) {
                menu->addSeparator();
            }
            QAction* action = menu->addAction(qtText(entry.text));
            action->setStatusTip(qtText(statusTextOf(entry.prompt)));
            action->setToolTip(qtText(toolTipOf(entry.prompt)));
            action->setCheckable(entry.checkable);
            action->setIcon(toolBarIcon(entry.id));
            action->setIconVisibleInMenu(false);
            if (!entry.shortcut.empty())
                action->setShortcut(QKeySequence(qtText(entry.shortcut)));
            const int id = entry.id;
            connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
            actions_[id] = action;
        }
    }
    // The classic accelerators besides the table's own.
    actions_[command::undo]->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Z")), QKeySequence(QStringLiteral("Alt+Backspace"))});
    actions_[command::zoomIn]->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});

    toolBar_ = addToolBar(QStringLiteral("標準"));
    toolBar_->setObjectName(QStringLiteral("standardToolBar"));
    toolBar_->setIconSize(QSize(20, 20));
    for (const int id : toolBarCommands()) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_.at(id));
    }
    actions_[command::toolBar]->setChecked(true);
    actions_[command::statusBar]->setChecked(true);
    rebuildRecentFileMenu();
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->addWidget(new QLabel(idleText, bar), 1);
    pageLabel_ = new QLabel(bar);
    zoomLabel_ = new QLabel(bar);
    bar->addPermanentWidget(pageLabel_);
    bar->addPermanentWidget(zoomLabel_);
    // A lock that is on shows its name; one that is off, or that the
    // platform cannot tell, stands greyed.
    for (const char* indicator : {"カナ", "CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(QString::fromUtf8(indicator), bar);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        bar->addPermanentWidget(label);
        lockLabels_.append(label);
    }
    updateLockIndicators();
    // Lock keys change with key presses and while another window has the focus.
    qApp->installEventFilter(this);
}

void MainWindow::updateLockIndicators()
{
    const LockStates states = currentLockStates();
    for (int lock = 0; lock < lockKeyCount; ++lock)
        lockLabels_.at(lock)->setEnabled(states[lock].value_or(false));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        if (watched == this || watched == qApp
            || (watched->isWidgetType() && isAncestorOf(static_cast<QWidget*>(watched))))
            updateLockIndicators();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::rebuildRecentFileMenu()
{
    if (!recentMenuAnchor_)
        return;
    for (QAction* action : std::as_const(recentActions_)) {
        recentMenuAnchor_->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    const QStringList files = recentFiles_->files();
    const QString prompt = qtText(statusTextOf(findCommand(command::recentFile)->prompt));
    if (files.isEmpty()) {
        auto* placeholder = new QAction(QStringLiteral("最新のﾌｧｲﾙ"), recentMenuAnchor_);
        placeholder->setEnabled(false);
        recentActions_.append(placeholder);
    }
    for (qsizetype index = 0; index < files.size(); ++index) {
        const QString path = files.at(index);
        auto* action =
            new QAction(QStringLiteral("&%1 %2").arg(index + 1).arg(QDir::toNativeSeparators(path)), recentMenuAnchor_);
        action->setStatusTip(prompt);
        connect(action, &QAction::triggered, this, [this, path] { lifecycle_->openPath(path.toStdString()); });
        recentActions_.append(action);
    }
    recentMenuAnchor_->insertActions(recentEnd_, recentActions_);
}

void MainWindow::updateTitle()
{
    const std::string& path = document_->path();
    const QString name = path.empty() ? QStringLiteral("無題") : QFileInfo(QString::fromStdString(path)).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + programTitle);
    setWindowModified(document_->isModified());
}

void MainWindow::updateCommandStates()
{
    const ViewState& view = document_->view();
    const int pages = pageCount(document_->settings(), logDepth(*document_));
    pageLabel_->setText(QStringLiteral(" %1 / %2 頁  深度 %3 m ")
                            .arg(view.currentPage)
                            .arg(pages)
                            .arg(QString::number(view.screenPageStart, 'f', 2)));
    zoomLabel_->setText(QStringLiteral(" %1% ").arg(std::lround(view_->zoom() * 100)));
    actions_[command::screenDrawing]->setChecked(document_->settings().screenDrawing);
    // The menu names the step that undo or redo would take.
    const QUndoStack* stack = document_->undoStack();
    const auto name = [](int id, const QString& step) {
        const std::string_view text = findCommand(id)->text;
        const std::size_t tab = text.find('\t');
        const QString accelerator = tab == std::string_view::npos ? QString() : qtText(text.substr(tab));
        return qtText(text.substr(0, tab)) + (step.isEmpty() ? QString() : QStringLiteral("  ") + step) + accelerator;
    };
    actions_[command::undo]->setEnabled(stack->canUndo());
    actions_[command::undo]->setText(name(command::undo, stack->canUndo() ? stack->undoText() : QString()));
    actions_[command::redo]->setEnabled(stack->canRedo());
    actions_[command::redo]->setText(name(command::redo, stack->canRedo() ? stack->redoText() : QString()));
}

void MainWindow::showStatus(const QString& text)
{
    statusBar()->showMessage(text);
}

QString MainWindow::statusMessage() const
{
    return statusBar()->currentMessage();
}

void MainWindow::initialUpdate()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    view_->initialUpdate(screen ? screen->geometry().width() : 1024);
    initialUpdateDone_ = true;
}

void MainWindow::showEvent(QShowEvent* event)
{
    if (!initialUpdateDone_)
        initialUpdate();
    QMainWindow::showEvent(event);
}

void MainWindow::runCommand(int commandId)
{
    switch (commandId) {
    case command::newDocument:
        lifecycle_->newDocument();
        return;
    case command::open:
        lifecycle_->openCommand();
        return;
    case command::save:
        lifecycle_->save();
        return;
    case command::saveAs:
        lifecycle_->saveAs();
        return;
    case command::print:
        print();
        return;
    case command::printPreview:
        printPreview();
        return;
    case command::printSetup:
        printSetup();
        return;
    case command::exportPdf:
        exportPdfCommand();
        return;
    case command::exportXml:
        exportXmlCommand();
        return;
    case command::openDelivery:
        deliveryPanel_->openDeliveryCommand();
        return;
    case command::exportDeliveryLogs:
        deliveryPanel_->exportLogsCommand(printerPaper());
        return;
    case command::exit:
        close();
        return;
    case command::undo:
        document_->undoStack()->undo();
        return;
    case command::redo:
        document_->undoStack()->redo();
        return;
    case command::toolBar:
        toolBar_->setVisible(!toolBar_->isVisible());
        actions_[command::toolBar]->setChecked(toolBar_->isVisible());
        return;
    case command::statusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        actions_[command::statusBar]->setChecked(statusBar()->isVisible());
        return;
    case command::screenDrawing:
        view_->toggleScreenDrawing();
        updateCommandStates();
        return;
    case command::previousPage:
        view_->previousPage();
        return;
    case command::nextPage:
        view_->nextPage();
        return;
    case command::zoomIn:
        view_->zoomIn();
        return;
    case command::zoomOut:
        view_->zoomOut();
        return;
    case command::fitWidth:
        view_->fitWidth();
        return;
    case command::actualSize:
        view_->setZoom(1.0);
        return;
    case command::about:
        about();
        return;
    default:
        break;
    }
    runDialogCommand(commandId);
}

void MainWindow::runDialogCommand(int commandId)
{
    const CommandEntry* entry = findCommand(commandId);
    if (!entry || entry->route == CommandRoute::Shell)
        return;
    const DialogOutcome outcome = entry->route == CommandRoute::DataDialog
        ? runDataDialog(commandId, *document_, prompter_, this)
        : runSettingsDialog(commandId, *document_, prompter_, this);
    if (outcome == DialogOutcome::NotAvailable)
        showStatus(QStringLiteral("「%1」はこの版ではまだ使えません").arg(plainMenuText(entry->text)));
    view_->viewport()->update();
    updateCommandStates();
}

void MainWindow::applyPaperDefaults()
{
    const LogSettings& settings = document_->settings();
    // The PDF printer of a machine without printers has no paper of its own:
    // it takes the paper choices whatever the switch, as kolv-cli does.
    if (settings.paperAtStartup != 1 && printer_.outputFormat() != QPrinter::PdfFormat)
        return;
    if ((settings.paperSize != 0 && settings.paperSize != 1)
        || (settings.paperOrientation != 0 && settings.paperOrientation != 1))
        return;
    printer_.setPageOrientation(settings.paperOrientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_.setPageSize(QPageSize(settings.paperSize == 0 ? QPageSize::A3 : QPageSize::A4));
}

void MainWindow::takePrinterPaper()
{
    document_->setPrinterPaper(paperOf(printer_));
}

PaperSize MainWindow::printerPaper() const
{
    return paperOf(printer_).value_or(PaperSize{});
}

int MainWindow::preparePrinting()
{
    const int pages = kolv::preparePrinting(*document_, paperOf(printer_));
    updateCommandStates();
    return pages;
}

void MainWindow::print()
{
    int pages = preparePrinting();
    printer_.setFromTo(1, pages);
    // Printing to a file proposes the document's name.
    if (printer_.outputFormat() == QPrinter::PdfFormat && !document_->path().empty()) {
        const QFileInfo info(QString::fromStdString(document_->path()));
        printer_.setOutputFileName(info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer_, this);
    dialog.setMinMax(1, pages);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted)
        return;
    pages = preparePrinting();
    int first = 1;
    int last = pages;
    if (printer_.printRange() == QPrinter::PageRange) {
        first = std::clamp(printer_.fromPage(), 1, pages);
        last = std::clamp(printer_.toPage(), first, pages);
    }
    QProgressDialog progress(QStringLiteral("印刷しています..."), QStringLiteral("キャンセル"), 0, last - first + 1,
                             this);
    progress.setWindowTitle(programTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const bool completed = printPages(printer_, *document_, first, last, [&progress](int done) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    if (!completed)
        printer_.abort();
}

void MainWindow::printPreview()
{
    preparePrinting();
    QPrintPreviewDialog preview(&printer_, this);
    preview.setWindowTitle(plainMenuText(findCommand(command::printPreview)->text));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        const int pages = kolv::preparePrinting(*document_, paperOf(*printer));
        printPages(*printer, *document_, 1, pages);
    });
    preview.resize(size() * 9 / 10);
    preview.exec();
    updateCommandStates();
}

void MainWindow::printSetup()
{
    QPageSetupDialog dialog(&printer_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    preparePrinting();
    view_->viewport()->update();
}

bool MainWindow::exportPdf(const QString& path, int firstPage, int lastPage)
{
    QProgressDialog progress(QStringLiteral("PDFに出力しています..."), QStringLiteral("キャンセル"), 0,
                             lastPage - firstPage + 1, this);
    progress.setWindowTitle(programTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const std::string bytes = pdfOfPages(*document_, printerPaper(), firstPage, lastPage, [&progress](int done) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    updateCommandStates();
    if (bytes.empty()) {
        showStatus(QStringLiteral("PDFへの出力を取り消しました"));
        return false;
    }
    if (!writeFileAtomically(path.toStdString(), bytes)) {
        showMessage(prompter_, Message::SaveFailed, MessageKind::Error);
        return false;
    }
    showStatus(QStringLiteral("PDFに出力しました: %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void MainWindow::exportPdfCommand()
{
    const int pages = preparePrinting();
    const PaperSize paper = printerPaper();
    const QString paperText =
        QStringLiteral("%1 × %2 mm（「ﾌﾟﾘﾝﾀの設定」で変更できます）").arg(paper.widthMm).arg(paper.lengthMm);
    PdfExportDialog dialog(pages, paperText, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString proposed;
    if (!document_->path().empty()) {
        const QFileInfo info(QString::fromStdString(document_->path()));
        proposed = info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    }
    const QString path =
        chooser_.saveFileName(this, proposed, QStringLiteral("PDF(*.pdf)|*.pdf||"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    exportPdf(path, dialog.firstPage(), dialog.lastPage());
}

void MainWindow::exportXmlCommand()
{
    QString proposed;
    if (!document_->path().empty())
        proposed = QString::fromStdString(exchangeFilePath(document_->path()));
    const QString path =
        chooser_.saveFileName(this, proposed, QString::fromUtf8(exchangeFileFilter), QStringLiteral("XML"));
    if (!path.isEmpty())
        exportXml(path);
}

bool MainWindow::exportXml(const QString& path)
{
    const XmlExport exported = writeXmlFile(document_->data());
    // The values the file cannot hold are listed before it is written, so
    // that the user can keep the document's values another way first.
    if (!exported.issues.empty()) {
        std::string report = messageText(Message::ExchangeFileIssues);
        std::size_t shown = 0;
        for (const XmlExportIssue& issue : exported.issues) {
            if (shown++ == exchangeIssuesShown)
                break;
            report += "\n" + describeXmlExportIssue(issue);
        }
        if (exported.issues.size() > exchangeIssuesShown)
            report += messageText(Message::ExchangeFileMoreIssues,
                                  std::to_string(exported.issues.size() - exchangeIssuesShown));
        const Answer answer = prompter_.show(messageId(Message::ExchangeFileIssues), report, MessageKind::Question);
        if (answer == Answer::No || answer == Answer::Cancel)
            return false;
    }
    if (!writeFileAtomically(path.toStdString(), exported.bytes)) {
        showMessage(prompter_, Message::SaveFailed, MessageKind::Error);
        return false;
    }
    showStatus(QStringLiteral("交換用データを出力しました: %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void MainWindow::about()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (lifecycle_->mayClose())
        event->accept();
    else
        event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (openDroppedFiles(event->mimeData()->urls()))
        event->acceptProposedAction();
}

bool MainWindow::openDroppedFiles(const QList<QUrl>& urls)
{
    // One document at a time: the first local file is opened.
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        activateWindow();
        lifecycle_->openPath(url.toLocalFile().toStdString());
        return true;
    }
    return false;
}

}  // namespace kolv
