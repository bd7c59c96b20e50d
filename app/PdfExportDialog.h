#pragma once
// "PDFに出力": the page range to export (every page, or from ... to) and the
// paper it goes on, before the file is chosen.
#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace kolv {

class PdfExportDialog : public QDialog {
    Q_OBJECT

public:
    PdfExportDialog(int pageCount, const QString& paperText, QWidget* parent = nullptr);

    int firstPage() const;
    int lastPage() const;

private:
    int pageCount_;
    QRadioButton* allPages_;
    QSpinBox* from_;
    QSpinBox* to_;
};

}  // namespace kolv
