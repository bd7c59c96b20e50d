#include "dialogs/FontDialog.h"

#include "platform/Cp932Codec.h"
#include "render/QtColor.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace kolv {

FontDialog::FontDialog(FontDialogModel& model, Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(model), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("フォント"));
    auto* grid = new QGridLayout;
    const QString headings[] = {QStringLiteral("書体"), QStringLiteral("サイズ"), QStringLiteral("色"),
                                QStringLiteral("用途")};
    for (int column = 0; column < 4; ++column)
        grid->addWidget(new QLabel(headings[column]), 0, column + 1);
    for (int slot = 1; slot <= fontSlotCount; ++slot) {
        const FontRow& row = fontRows()[slot - 1];
        const QString caption = QString::fromUtf8(row.button);
        auto* button = new QPushButton(caption);
        button->setAccessibleName(caption.trimmed());
        button->setObjectName(QStringLiteral("font%1").arg(slot));
        connect(button, &QPushButton::clicked, this, [this, slot] { chooseFont(slot); });
        faces_[slot - 1] = new QLineEdit;
        sizes_[slot - 1] = new QLineEdit;
        for (QLineEdit* edit : {faces_[slot - 1], sizes_[slot - 1]})
            edit->setReadOnly(true);
        faces_[slot - 1]->setAccessibleName(caption.trimmed() + QStringLiteral(" 書体"));
        sizes_[slot - 1]->setAccessibleName(caption.trimmed() + QStringLiteral(" サイズ"));
        swatches_[slot - 1] = new QPushButton(QStringLiteral("■"));
        swatches_[slot - 1]->setFlat(true);
        swatches_[slot - 1]->setAccessibleName(caption.trimmed() + QStringLiteral(" 色"));
        connect(swatches_[slot - 1], &QPushButton::clicked, this, [this, slot] { chooseColour(slot); });
        auto* explanation = new QLabel(QString::fromUtf8(row.explanation));
        grid->addWidget(button, slot, 0);
        grid->addWidget(faces_[slot - 1], slot, 1);
        grid->addWidget(sizes_[slot - 1], slot, 2);
        grid->addWidget(swatches_[slot - 1], slot, 3);
        grid->addWidget(explanation, slot, 4);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(4, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    auto* example = buttons->addButton(QStringLiteral("標準の設定例"), QDialogButtonBox::ResetRole);
    for (QAbstractButton* button : buttons->buttons())
        button->setAccessibleName(button->text());
    connect(example, &QPushButton::clicked, this, [this] {
        model_.applyStandardExample();
        refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("色見本をクリックすると色を選べます")));
    layout->addWidget(buttons);
    refresh();
}

void FontDialog::refresh()
{
    for (int slot = 1; slot <= fontSlotCount; ++slot) {
        const FontSlot& font = model_.slot(slot);
        faces_[slot - 1]->setText(QString::fromStdString(cp932ToUtf8(font.face)));
        sizes_[slot - 1]->setText(QString::fromStdString(model_.sizeText(slot)));
        swatches_[slot - 1]->setStyleSheet(
            QStringLiteral("color: %1; font-size: 16pt;").arg(toQColor(font.color).name()));
    }
}

void FontDialog::chooseFont(int slot)
{
    const FontSlot& current = model_.slot(slot);
    QFont initial(QString::fromStdString(cp932ToUtf8(current.face)));
    initial.setPixelSize(std::max(1, model_.chooserHeight(slot, fontDialogDotsPerInch)));
    initial.setUnderline(current.underline != 0);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, this, QStringLiteral("フォント"));
    if (ok)
        takeChosenFont(slot, chosen, toQColor(current.color));
}

void FontDialog::takeChosenFont(int slot, const QFont& font, const QColor& color)
{
    const double height =
        font.pixelSize() > 0 ? font.pixelSize() : std::round(font.pointSizeF() * fontDialogDotsPerInch / 72.0);
    model_.choose(slot, utf8ToCp932(font.family().toStdString()), static_cast<int>(height), fontDialogDotsPerInch,
                  fromQColor(color), font.underline());
    refresh();
}

void FontDialog::chooseColour(int slot)
{
    const FontSlot& current = model_.slot(slot);
    const QColor chosen = QColorDialog::getColor(toQColor(current.color), this, QStringLiteral("色の設定"));
    if (!chosen.isValid())
        return;
    model_.chooseColor(slot, fromQColor(chosen));
    refresh();
}

void FontDialog::reject()
{
    if (model_.mayCancel(prompter_))
        QDialog::reject();
}

}  // namespace kolv
