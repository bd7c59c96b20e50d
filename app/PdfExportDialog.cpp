#include "app/PdfExportDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kolv {

PdfExportDialog::PdfExportDialog(int pageCount, const QString& paperText, QWidget* parent)
    : QDialog(parent), pageCount_(pageCount)
{
    setWindowTitle(QStringLiteral("PDFに出力"));

    auto* range = new QGroupBox(QStringLiteral("出力するページ"), this);
    allPages_ = new QRadioButton(QStringLiteral("すべて(&A)  1 - %1").arg(pageCount), range);
    auto* somePages = new QRadioButton(QStringLiteral("ページ指定(&G)"), range);
    from_ = new QSpinBox(range);
    to_ = new QSpinBox(range);
    for (QSpinBox* box : {from_, to_})
        box->setRange(1, pageCount);
    from_->setValue(1);
    to_->setValue(pageCount);
    allPages_->setChecked(true);
    from_->setEnabled(false);
    to_->setEnabled(false);
    connect(somePages, &QRadioButton::toggled, from_, &QWidget::setEnabled);
    connect(somePages, &QRadioButton::toggled, to_, &QWidget::setEnabled);
    connect(from_, &QSpinBox::valueChanged, this, [this](int value) {
        if (to_->value() < value)
            to_->setValue(value);
    });
    connect(to_, &QSpinBox::valueChanged, this, [this](int value) {
        if (from_->value() > value)
            from_->setValue(value);
    });

    auto* pages = new QHBoxLayout;
    pages->addWidget(somePages);
    pages->addWidget(from_);
    pages->addWidget(new QLabel(QStringLiteral("から"), range));
    pages->addWidget(to_);
    pages->addWidget(new QLabel(QStringLiteral("まで"), range));
    pages->addStretch();
    auto* rangeLayout = new QVBoxLayout(range);
    rangeLayout->addWidget(allPages_);
    rangeLayout->addLayout(pages);

    auto* paper = new QLabel(paperText, this);
    auto* paperRow = new QFormLayout;
    paperRow->addRow(QStringLiteral("用紙:"), paper);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addLayout(paperRow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int PdfExportDialog::firstPage() const
{
    return allPages_->isChecked() ? 1 : from_->value();
}

int PdfExportDialog::lastPage() const
{
    return allPages_->isChecked() ? pageCount_ : to_->value();
}

}  // namespace kolv
