#include "dialogs/FullWidthCheckDialog.h"

#include "data/FullWidthCheck.h"
#include "dialogs/DocumentTextEntry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kolv {

FullWidthCheckDialog::FullWidthCheckDialog(const BoringData& data, QWidget* parent)
    : QDialog(parent), data_(data), report_(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("全角英数字の有無"));
    report_->setReadOnly(true);
    report_->setAccessibleName(QStringLiteral("検査結果"));
    report_->setMinimumSize(420, 320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(report_, 1);
    layout->addWidget(
        new QLabel(QStringLiteral("見出し、地質、色調、記事、原位置試験、\n試料、自由記事についてチェック"), this));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* checkButton = buttons->addButton(QStringLiteral("検査"), QDialogButtonBox::ActionRole);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    checkButton->setAccessibleName(checkButton->text());
    ok->setAccessibleName(ok->text());
    connect(checkButton, &QPushButton::clicked, this, &FullWidthCheckDialog::check);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    check();
}

QString FullWidthCheckDialog::report() const
{
    return report_->toPlainText();
}

void FullWidthCheckDialog::check()
{
    QString text = screenText(fullWidthCheckReport(data_));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    report_->setPlainText(text);
}

}  // namespace kolv
