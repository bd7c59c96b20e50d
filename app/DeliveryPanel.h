#pragma once
// The boreholes of an electronic delivery beside the log: the list of its
// BORING.XML with each borehole's depth and problems. Choosing one opens its
// exchange file as a document (the window asks before unsaved work is
// lost); every log can be written as a PDF under the delivery's names.
#include "formats/DeliveryFolder.h"

#include <QDockWidget>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace kolv {

class FileChooser;
class LogDocument;
class Prompter;
struct PaperSize;

class DeliveryPanel : public QDockWidget {
    Q_OBJECT

public:
    DeliveryPanel(LogDocument& document, Prompter& prompter, FileChooser& chooser, QWidget* parent = nullptr);

    // Reads the delivery of folder (a BORING folder or its BORING.XML) and
    // lists its boreholes; false, after saying why, when it is none.
    bool openDelivery(const QString& folder);
    // The open-delivery command: asks for the folder.
    void openDeliveryCommand();
    // Writes the log of every borehole as a PDF into outFolder on the paper,
    // with a progress dialog that can cancel; existing PDFs are replaced only
    // when the user agrees. Returns the number written.
    int exportLogs(const QString& outFolder, const PaperSize& paper);
    // The export command: a delivery first when none is open, then the folder.
    void exportLogsCommand(const PaperSize& paper);

    const DeliveryFolder& delivery() const { return delivery_; }
    QTreeWidget* list() const { return list_; }

signals:
    // A borehole was chosen (double-click or Enter) whose exchange file exists.
    void boreholeChosen(const QString& exchangeFilePath);
    void statusMessage(const QString& text);

private:
    void fillList();
    void choose(QTreeWidgetItem* item);

    LogDocument& document_;
    Prompter& prompter_;
    FileChooser& chooser_;
    QTreeWidget* list_;
    DeliveryFolder delivery_;
};

}  // namespace kolv
