#include "dialogs/FieldForm.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"
#include "render/QtColor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kolv {

namespace {

QString fromLocal(const std::string& text)
{
    return QString::fromStdString(cp932ToUtf8(text));
}

std::string toLocal(const QString& text)
{
    return utf8ToCp932(text.toStdString());
}

QString label(const std::string& caption)
{
    return QString::fromStdString(caption);
}

bool editsText(FormFieldKind kind)
{
    return kind == FormFieldKind::Text || kind == FormFieldKind::Integer || kind == FormFieldKind::ColorText;
}

}  // namespace

QString captionText(const std::string& caption)
{
    QString text = QString::fromStdString(caption);
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

FieldForm::FieldForm(FieldModel& model, const std::vector<FormField>& fields, Prompter& prompter, QWidget* parent)
    : QWidget(parent), model_(model), fields_(fields), prompter_(prompter)
{
    build();
    refresh();
}

void FieldForm::build()
{
    auto* columns = new QHBoxLayout(this);
    std::map<int, QVBoxLayout*> columnLayouts;
    std::map<std::pair<int, std::string>, QFormLayout*> groups;
    std::map<int, QHBoxLayout*> buttonRows;
    std::map<QFormLayout*, QHBoxLayout*> lastRows;
    for (const FormField& field : fields_) {
        QVBoxLayout*& column = columnLayouts[field.column];
        if (!column) {
            column = new QVBoxLayout;
            columns->addLayout(column, 1);
        }
        QWidget* control = makeControl(field);
        control->setObjectName(QString::fromStdString(field.key));
        control->setAccessibleName(captionText(field.caption));
        controls_[field.key] = control;
        if (field.group.empty() && field.kind == FormFieldKind::Button) {
            QHBoxLayout*& row = buttonRows[field.column];
            if (!row) {
                row = new QHBoxLayout;
                row->addStretch();
                column->addLayout(row);
            }
            row->addWidget(control);
            continue;
        }
        QFormLayout*& form = groups[{field.column, field.group}];
        if (!form) {
            form = new QFormLayout;
            form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
            if (field.group.empty()) {
                column->addLayout(form);
            } else {
                auto* box = new QGroupBox(label(field.group));
                box->setLayout(form);
                column->addWidget(box);
            }
        }
        const bool captionInside = field.kind == FormFieldKind::Check || field.kind == FormFieldKind::Button
            || field.kind == FormFieldKind::ColorButton || field.kind == FormFieldKind::Label;
        QHBoxLayout*& row = lastRows[form];
        if (field.sameRow && row) {
            if (!captionInside) {
                auto* caption = new QLabel(label(field.caption));
                caption->setBuddy(control);
                row->addWidget(caption);
            }
            row->addWidget(control, 1);
            continue;
        }
        row = new QHBoxLayout;
        row->addWidget(control, 1);
        if (captionInside) {
            form->addRow(row);
        } else {
            auto* caption = new QLabel(label(field.caption));
            caption->setBuddy(control);
            form->addRow(caption, row);
        }
    }
    for (auto& [index, column] : columnLayouts)
        column->addStretch();
}

QWidget* FieldForm::makeControl(const FormField& field)
{
    const std::string key = field.key;
    switch (field.kind) {
    case FormFieldKind::Text:
    case FormFieldKind::Integer:
    case FormFieldKind::ColorText:
    case FormFieldKind::Shown: {
        auto* edit = new QLineEdit;
        edit->setReadOnly(field.kind == FormFieldKind::Shown);
        if (field.maxLength > 0)
            edit->setMaxLength(field.maxLength);
        // Wide enough for what the field may hold; longer texts scroll, so
        // that a form of three columns still fits a laptop's screen.
        const int characterWidth = edit->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        const int characters = field.maxLength > 0 ? std::min(field.maxLength, 16) : 16;
        edit->setMinimumWidth(characterWidth * std::max(characters, 3) + 12);
        if (field.kind == FormFieldKind::Integer)
            edit->setMaximumWidth(characterWidth * 8 + 12);
        connect(edit, &QLineEdit::editingFinished, this, [this, key] { changed(key); });
        edit->installEventFilter(this);
        return edit;
    }
    case FormFieldKind::ShownLines: {
        auto* box = new QPlainTextEdit;
        box->setReadOnly(true);
        box->setMaximumHeight(box->fontMetrics().lineSpacing() * 5 + 12);
        return box;
    }
    case FormFieldKind::Check: {
        auto* box = new QCheckBox(label(field.caption));
        connect(box, &QCheckBox::toggled, this, [this, key] { changed(key); });
        return box;
    }
    case FormFieldKind::Radio: {
        auto* holder = new QWidget;
        // Buttons with long captions stand one under the other.
        std::size_t captionBytes = 0;
        for (const std::string& choice : field.choices)
            captionBytes += choice.size();
        QBoxLayout* layout = captionBytes > 60 ? static_cast<QBoxLayout*>(new QVBoxLayout(holder))
                                               : static_cast<QBoxLayout*>(new QHBoxLayout(holder));
        layout->setContentsMargins(0, 0, 0, 0);
        auto* group = new QButtonGroup(holder);
        for (std::size_t index = 0; index < field.choices.size(); ++index) {
            auto* button = new QRadioButton(label(field.choices[index]));
            button->setAccessibleName(captionText(field.choices[index]));
            button->setObjectName(QString::fromStdString(key + "." + std::to_string(index)));
            group->addButton(button, static_cast<int>(index));
            layout->addWidget(button);
        }
        if (captionBytes <= 60)
            layout->addStretch();
        radioGroups_[key] = group;
        connect(group, &QButtonGroup::idClicked, this, [this, key] { changed(key); });
        return holder;
    }
    case FormFieldKind::Choice:
    case FormFieldKind::FixedChoice: {
        auto* combo = new QComboBox;
        combo->setEditable(field.kind == FormFieldKind::Choice);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(field.maxLength > 0 ? std::min(field.maxLength, 12) : 12);
        std::vector<std::string> entries = model_.entries(key);
        if (entries.empty())
            for (const std::string& choice : field.choices)
                combo->addItem(label(choice));
        else
            for (const std::string& entry : entries)
                combo->addItem(fromLocal(entry));
        int widest = 0;
        for (int index = 0; index < combo->count(); ++index)
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(index)));
        if (entries.empty())
            combo->setMinimumWidth(widest + 40);
        if (combo->lineEdit()) {
            if (field.maxLength > 0)
                combo->lineEdit()->setMaxLength(field.maxLength);
            connect(combo->lineEdit(), &QLineEdit::editingFinished, this, [this, key] { changed(key); });
        }
        connect(combo, &QComboBox::activated, this, [this, key] { changed(key); });
        return combo;
    }
    case FormFieldKind::PickList: {
        auto* list = new QListWidget;
        for (const std::string& entry : model_.entries(key))
            list->addItem(fromLocal(entry));
        list->setMaximumHeight(110);
        list->setMinimumWidth(200);
        connect(list, &QListWidget::itemClicked, this, [this, key](QListWidgetItem* item) {
            model_.setValue(key, toLocal(item->text()));
            model_.fieldLeft(key, prompter_);
            refresh();
        });
        return list;
    }
    case FormFieldKind::ColorButton: {
        auto* button = new QPushButton(label(field.caption));
        connect(button, &QPushButton::clicked, this, [this, field] { chooseColour(field); });
        return button;
    }
    case FormFieldKind::Button: {
        auto* button = new QPushButton(label(field.caption));
        connect(button, &QPushButton::clicked, this, [this, key] {
            commitEdits();
            model_.buttonPressed(key, prompter_);
            refresh();
        });
        return button;
    }
    case FormFieldKind::Label:
        break;
    }
    auto* text = new QLabel(label(field.caption));
    text->setWordWrap(true);
    return text;
}

void FieldForm::chooseColour(const FormField& field)
{
    commitEdits();
    const QColor initial = toQColor(static_cast<ColorRef>(parseUnsignedAutoBase(model_.value(field.target))));
    const QColor chosen = QColorDialog::getColor(initial, this, label(field.caption));
    if (!chosen.isValid())
        return;
    model_.setValue(field.target, formatText("0x%06x", static_cast<unsigned>(fromQColor(chosen))));
    model_.fieldLeft(field.target, prompter_);
    refresh();
}

void FieldForm::changed(const std::string& key)
{
    if (refreshing_)
        return;
    commitEdits();
    model_.fieldLeft(key, prompter_);
    refresh();
}

void FieldForm::commitEdits()
{
    for (const FormField& field : fields_) {
        QWidget* control = controls_.at(field.key);
        if (editsText(field.kind)) {
            // The limits count bytes of code page 932, the edit field characters.
            std::string text = toLocal(static_cast<QLineEdit*>(control)->text());
            if (field.maxLength > 0)
                text = std::string(cutToBytes(text, static_cast<std::size_t>(field.maxLength)));
            model_.setValue(field.key, std::move(text));
        } else if (field.kind == FormFieldKind::Check) {
            model_.setValue(field.key, static_cast<QCheckBox*>(control)->isChecked() ? "1" : "0");
        } else if (field.kind == FormFieldKind::Radio) {
            const int checked = radioGroups_.at(field.key)->checkedId();
            if (checked >= 0)
                model_.setValue(field.key, std::to_string(checked));
        } else if (field.kind == FormFieldKind::Choice || field.kind == FormFieldKind::FixedChoice) {
            model_.setValue(field.key, toLocal(static_cast<QComboBox*>(control)->currentText()));
        }
    }
}

void FieldForm::refresh()
{
    refreshing_ = true;
    for (const FormField& field : fields_) {
        QWidget* control = controls_.at(field.key);
        control->setEnabled(model_.isEnabled(field.key));
        const QString text = fromLocal(model_.value(field.key));
        if (editsText(field.kind) || field.kind == FormFieldKind::Shown) {
            auto* edit = static_cast<QLineEdit*>(control);
            if (edit->text() != text)
                edit->setText(text);
            if (field.kind == FormFieldKind::ColorText) {
                QPalette palette = edit->palette();
                palette.setColor(QPalette::Text,
                                 toQColor(static_cast<ColorRef>(parseUnsignedAutoBase(model_.value(field.key)))));
                edit->setPalette(palette);
            }
        } else if (field.kind == FormFieldKind::ShownLines) {
            auto* box = static_cast<QPlainTextEdit*>(control);
            const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (box->toPlainText() != lines)
                box->setPlainText(lines);
        } else if (field.kind == FormFieldKind::PickList) {
            auto* list = static_cast<QListWidget*>(control);
            QStringList entries;
            for (const std::string& entry : model_.entries(field.key))
                entries.append(fromLocal(entry));
            QStringList shown;
            for (int index = 0; index < list->count(); ++index)
                shown.append(list->item(index)->text());
            if (shown != entries) {
                list->clear();
                list->addItems(entries);
            }
        } else if (field.kind == FormFieldKind::Check) {
            static_cast<QCheckBox*>(control)->setChecked(model_.value(field.key) == "1");
        } else if (field.kind == FormFieldKind::Radio) {
            QButtonGroup* group = radioGroups_.at(field.key);
            int index = 0;
            if (parseWholeNumber(model_.value(field.key), index) && group->button(index)) {
                group->button(index)->setChecked(true);
            } else if (QAbstractButton* checked = group->checkedButton()) {
                group->setExclusive(false);
                checked->setChecked(false);
                group->setExclusive(true);
            }
        } else if (field.kind == FormFieldKind::Choice || field.kind == FormFieldKind::FixedChoice) {
            auto* combo = static_cast<QComboBox*>(control);
            const int found = combo->findText(text, Qt::MatchExactly);
            if (combo->isEditable()) {
                if (combo->currentText() != text)
                    combo->setEditText(text);
            } else if (found >= 0) {
                combo->setCurrentIndex(found);
            }
        }
    }
    refreshing_ = false;
}

bool FieldForm::validate()
{
    commitEdits();
    const std::string invalid = model_.firstInvalidInteger(fields_, prompter_);
    if (invalid.empty())
        return true;
    QWidget* control = controls_.at(invalid);
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    return false;
}

QWidget* FieldForm::control(const std::string& key) const
{
    const auto found = controls_.find(key);
    return found == controls_.end() ? nullptr : found->second;
}

bool FieldForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const std::string key = watched->objectName().toStdString();
        commitEdits();
        model_.fieldEntered(key);
        refresh();
    }
    return QWidget::eventFilter(watched, event);
}

FieldFormDialog::FieldFormDialog(const QString& title, FieldModel& model, const std::vector<FormField>& fields,
                                 Prompter& prompter, QWidget* parent)
    : QDialog(parent), form_(new FieldForm(model, fields, prompter, this))
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    // The dialog is never made smaller than its controls need, even where
    // the screen is small.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(form_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FieldFormDialog::accept()
{
    if (!form_->validate())
        return;
    if (mayAccept && !mayAccept())
        return;
    QDialog::accept();
}

}  // namespace kolv
