#include "dialogs/StyleSheetDialog.h"

#include "dialogs/FieldForm.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kolv {

StyleSheetDialog::StyleSheetDialog(StyleSheetModel& model, Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(model), prompter_(prompter), tabs_(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("線種/マージン/配置"));
    for (int page = 1; page <= styleSheetPageCount; ++page) {
        forms_[page - 1] = new FieldForm(model_, styleSheetFields(page), prompter_);
        forms_[page - 1]->setObjectName(QString::fromLatin1(styleSheetPages()[page - 1].className));
        tabs_->addTab(forms_[page - 1], QString::fromUtf8(styleSheetPages()[page - 1].title));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index + 1 == shownPage_)
            return;
        if (!leavePage(shownPage_)) {
            QSignalBlocker blocker(tabs_);
            tabs_->setCurrentIndex(shownPage_ - 1);
            return;
        }
        shownPage_ = index + 1;
        forms_[index]->refresh();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    buttons->button(QDialogButtonBox::Apply)->setText(QStringLiteral("適用"));
    for (auto which : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel, QDialogButtonBox::Apply})
        buttons->button(which)->setAccessibleName(buttons->button(which)->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] {
        if (validateAll() && apply)
            apply();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

bool StyleSheetDialog::leavePage(int page)
{
    if (!forms_[page - 1]->validate())
        return false;
    model_.pageLeft(page, prompter_);
    return true;
}

bool StyleSheetDialog::validateAll()
{
    if (!forms_[shownPage_ - 1]->validate())
        return false;
    for (int page = 1; page <= styleSheetPageCount; ++page) {
        if (!forms_[page - 1]->validate()) {
            QSignalBlocker blocker(tabs_);
            tabs_->setCurrentIndex(page - 1);
            shownPage_ = page;
            return false;
        }
    }
    return true;
}

void StyleSheetDialog::accept()
{
    if (!leavePage(shownPage_) || !validateAll())
        return;
    if (apply)
        apply();
    QDialog::accept();
}

}  // namespace kolv
