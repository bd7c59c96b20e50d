#include "app/DeliveryPanel.h"

#include "app/FileChooser.h"
#include "app/PagePrinting.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "document/LogDocument.h"
#include "formats/DeliveryConsistency.h"
#include "formats/OpenDocument.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"
#include "platform/Prompter.h"
#include "render/LogMapping.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QProgressDialog>
#include <QTreeWidget>

#include <filesystem>

namespace kolv {

namespace {

enum Column { NameColumn, DepthColumn, ProblemColumn };

constexpr int boreholeRole = Qt::UserRole;

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// The PDF of entry index: the name BORING.XML gives, else BRGnnnn.PDF.
QString logNameOf(const DeliveryBorehole& borehole, int index)
{
    if (isPlainFileName(borehole.logFileName))
        return text(borehole.logFileName);
    return QStringLiteral("BRG%1.PDF").arg(index + 1, 4, 10, QLatin1Char('0'));
}

}  // namespace

DeliveryPanel::DeliveryPanel(LogDocument& document, Prompter& prompter, FileChooser& chooser, QWidget* parent)
    : QDockWidget(QStringLiteral("電子納品"), parent), document_(document), prompter_(prompter), chooser_(chooser),
      list_(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("deliveryPanel"));
    list_->setObjectName(QStringLiteral("deliveryBoreholes"));
    list_->setHeaderLabels({QStringLiteral("ボーリング名"), QStringLiteral("深度(m)"), QStringLiteral("問題")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
    hide();
}

bool DeliveryPanel::openDelivery(const QString& folder)
{
    DeliveryFolder read;
    std::string error;
    if (readDeliveryFolder(QDir::toNativeSeparators(folder).toStdString(), read, error) != DeliveryReadStatus::Read) {
        showMessage(prompter_, Message::DeliveryNotOpened, MessageKind::Error,
                    utf8ToCp932(QDir::toNativeSeparators(folder).toStdString()), utf8ToCp932(error));
        return false;
    }
    delivery_ = std::move(read);
    fillList();
    setWindowTitle(QStringLiteral("電子納品 - %1").arg(QFileInfo(text(delivery_.folder)).fileName()));
    show();
    emit statusMessage(QStringLiteral("電子納品フォルダを開きました: %1 (ボーリング %2 本)")
                           .arg(QDir::toNativeSeparators(text(delivery_.folder)))
                           .arg(delivery_.boreholes.size()));
    return true;
}

void DeliveryPanel::openDeliveryCommand()
{
    const QString start = delivery_.folder.empty() ? QString() : QFileInfo(text(delivery_.folder)).path();
    const QString folder = chooser_.folderName(parentWidget(), start);
    if (!folder.isEmpty())
        openDelivery(folder);
}

void DeliveryPanel::fillList()
{
    list_->clear();
    for (std::size_t index = 0; index < delivery_.boreholes.size(); ++index) {
        const DeliveryBorehole& borehole = delivery_.boreholes[index];
        std::vector<std::string> problems = borehole.problems;
        QString depth = QStringLiteral("-");
        if (!borehole.exchangeFilePath.empty()) {
            // Read as the Open command reads it, to show what opening it gives.
            BoringData data;
            Issues issues;
            if (openDocumentFile(borehole.exchangeFilePath, data, document_.settings().soilNameMaster, issues)
                == OpenStatus::Opened) {
                const double finalDepth = parseLeadingNumber(data.headingLine(HeadingLine::FinalDepth));
                depth = QString::number(std::max(finalDepth, maximumDepth(data)), 'f', 2);
                for (const std::string& difference : compareWithEntry(borehole, data))
                    problems.push_back(difference);
            } else {
                problems.push_back("the exchange file cannot be read as a log");
            }
        }
        auto* item = new QTreeWidgetItem(list_);
        item->setText(NameColumn, text(borehole.name));
        item->setText(DepthColumn, depth);
        item->setTextAlignment(DepthColumn, Qt::AlignRight | Qt::AlignVCenter);
        QStringList lines;
        for (const std::string& problem : problems)
            lines.append(text(problem));
        item->setText(ProblemColumn,
                      problems.empty() ? QStringLiteral("なし")
                                       : QStringLiteral("%1件: %2").arg(lines.size()).arg(lines.front()));
        item->setToolTip(ProblemColumn, lines.join(QLatin1Char('\n')));
        item->setToolTip(NameColumn, QDir::toNativeSeparators(text(borehole.exchangeFilePath)));
        item->setData(NameColumn, boreholeRole, static_cast<int>(index));
        if (borehole.exchangeFilePath.empty())
            item->setDisabled(true);
    }
}

void DeliveryPanel::choose(QTreeWidgetItem* item)
{
    const int index = item ? item->data(NameColumn, boreholeRole).toInt() : -1;
    if (index < 0 || index >= static_cast<int>(delivery_.boreholes.size()))
        return;
    const DeliveryBorehole& borehole = delivery_.boreholes[static_cast<std::size_t>(index)];
    if (!borehole.exchangeFilePath.empty())
        emit boreholeChosen(text(borehole.exchangeFilePath));
}

int DeliveryPanel::exportLogs(const QString& outFolder, const PaperSize& paper)
{
    const std::size_t count = delivery_.boreholes.size();
    QDir().mkpath(outFolder);
    int existing = 0;
    for (std::size_t index = 0; index < count; ++index)
        existing += QFileInfo::exists(QDir(outFolder).filePath(logNameOf(delivery_.boreholes[index], int(index))));
    bool replace = false;
    if (existing > 0) {
        const Answer answer = showMessage(prompter_, Message::DeliveryLogsExist, MessageKind::QuestionWithCancel,
                                          std::to_string(existing));
        if (answer == Answer::Cancel)
            return 0;
        replace = answer == Answer::Yes;
    }

    QProgressDialog progress(QStringLiteral("柱状図PDFを出力しています..."), QStringLiteral("キャンセル"), 0,
                             static_cast<int>(count), parentWidget());
    progress.setWindowTitle(QStringLiteral("柱状図PDFをすべて出力"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    int written = 0;
    QStringList failed;
    for (std::size_t index = 0; index < count && !progress.wasCanceled(); ++index) {
        const DeliveryBorehole& borehole = delivery_.boreholes[index];
        const QString name = logNameOf(borehole, static_cast<int>(index));
        progress.setLabelText(QStringLiteral("%1 (%2)").arg(name, text(borehole.name)));
        progress.setValue(static_cast<int>(index));
        const QString target = QDir(outFolder).filePath(name);
        if (borehole.exchangeFilePath.empty()) {
            failed.append(name + QStringLiteral(" (") + text(borehole.name) + QStringLiteral(")"));
            continue;
        }
        if (!replace && QFileInfo::exists(target))
            continue;
        // A document of its own, drawn with the window's settings, so that
        // the open document is left as it is.
        LogDocument log;
        log.replaceSettings(document_.settings());
        log.setPrinterPaper(paper);
        if (log.open(borehole.exchangeFilePath).status != OpenStatus::Opened) {
            failed.append(name + QStringLiteral(" (") + text(borehole.name) + QStringLiteral(")"));
            continue;
        }
        const int pages = preparePrinting(log, paper);
        const std::string bytes = pdfOfPages(log, paper, 1, pages, [&progress](int) {
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
        if (bytes.empty())
            break;
        if (!writeFileAtomically(QDir::toNativeSeparators(target).toStdString(), bytes)) {
            failed.append(name + QStringLiteral(" (") + text(borehole.name) + QStringLiteral(")"));
            continue;
        }
        ++written;
    }
    const bool cancelled = progress.wasCanceled();
    progress.setValue(static_cast<int>(count));
    if (!failed.isEmpty())
        showMessage(prompter_, Message::DeliveryLogsNotWritten, MessageKind::Warning,
                    utf8ToCp932(failed.join(QLatin1Char('\n')).toStdString()));
    emit statusMessage((cancelled ? QStringLiteral("柱状図PDFの出力を取り消しました (%1 個出力済み): %2")
                                  : QStringLiteral("柱状図PDFを %1 個出力しました: %2"))
                           .arg(written)
                           .arg(QDir::toNativeSeparators(outFolder)));
    return written;
}

void DeliveryPanel::exportLogsCommand(const PaperSize& paper)
{
    if (delivery_.boreholes.empty()) {
        openDeliveryCommand();
        if (delivery_.boreholes.empty())
            return;
    }
    const std::string logFolder = findEntryIgnoringCase(delivery_.folder, deliveryLogFolderName);
    const QString start = text(
        logFolder.empty() ? (std::filesystem::path(delivery_.folder) / deliveryLogFolderName).string() : logFolder);
    const QString folder = chooser_.folderName(parentWidget(), start);
    if (!folder.isEmpty())
        exportLogs(folder, paper);
}

}  // namespace kolv
