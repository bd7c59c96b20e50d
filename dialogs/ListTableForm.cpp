#include "dialogs/ListTableForm.h"

#include "dialogs/DocumentTextEntry.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kolv {

namespace {

QString qt(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// A list cell on one line: the note's line breaks show as " / ".
QString cellText(const std::string& documentText)
{
    QString text = screenText(documentText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    text.replace(QChar('\n'), QStringLiteral(" / "));
    return text;
}

constexpr int cellEditorMargin = 3;

// Pick lists are as wide as their longest line, within these bounds.
constexpr int narrowestPickList = 110;
constexpr int widestPickList = 320;

bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

ListTableForm::ListTableForm(ListTableModel& model, const ListFormOptions& options, Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(model), options_(options), prompter_(prompter)
{
    const ListDialogTable& dialogTable = model.dialogTable();
    setWindowTitle(qt(dialogTable.caption));
    setAccessibleName(qt(dialogTable.caption));

    buildList();
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    if (!dialogTable.pickLists.empty())
        top->addWidget(buildPickLists());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildFields());
    layout->addWidget(buildButtons());
    status_ = new QLabel(this);
    status_->setAccessibleName(QStringLiteral("入力の案内"));
    layout->addWidget(status_);

    // Tab and Enter walk the fields of the row, then reach データ追加.
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (dialogTable.fields[i].role != FieldRole::Row)
            continue;
        if (previous)
            setTabOrder(previous, fields_[i].widget);
        previous = fields_[i].widget;
    }
    if (previous && addButton_)
        setTabOrder(previous, addButton_);

    refresh();
}

void ListTableForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // The list opens at its top, or, with the list-scroll option, with the
    // row after the last filled one at the bottom of the view.
    const int last = model_.lastFilledRow();
    if (options_.scrollToLastRow && last > 0)
        list_->scrollToItem(list_->item(std::min(last + 1, model_.capacity()) - 1, 0),
                            QAbstractItemView::EnsureVisible);
    else
        list_->scrollToTop();
}

void ListTableForm::buildList()
{
    const ListDialogTable& dialogTable = model_.dialogTable();
    list_ = new QTableWidget(model_.capacity(), model_.columnCount(), this);
    list_->setAccessibleName(QStringLiteral("データ一覧"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(true);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->horizontalHeader()->setHighlightSections(false);
    int width = list_->verticalHeader()->sizeHint().width() + 24;
    for (int c = 0; c < model_.columnCount(); ++c) {
        const ColumnEntry& column = dialogTable.columns[static_cast<std::size_t>(c)];
        auto* heading = new QTableWidgetItem(qt(column.heading));
        heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        list_->setHorizontalHeaderItem(c, heading);
        // The column widths were chosen for a 9-point system font; they grow
        // with the font so that the headings stay readable.
        const int pixels = std::max(column.width, list_->fontMetrics().horizontalAdvance(qt(column.heading)) + 10);
        list_->setColumnWidth(c, pixels);
        // A column of width 1 carries a value through without showing it.
        list_->setColumnHidden(c, column.width <= 1);
        if (column.width > 1)
            width += pixels;
    }
    for (int r = 0; r < model_.capacity(); ++r)
        for (int c = 0; c < model_.columnCount(); ++c)
            list_->setItem(r, c, new QTableWidgetItem);
    list_->setMinimumWidth(std::min(width, 980));
    list_->setMinimumHeight(list_->verticalHeader()->defaultSectionSize() * 16);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->installEventFilter(this);

    connect(list_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        // The release that ends a double-click reaches the list after the
        // editor opened on that very cell.
        if (cellEditor() && row + 1 == model_.inPlaceRow() && column + 1 == model_.inPlaceColumn())
            return;
        if (cellEditor())
            commitCellEditor();
        model_.clickRow(row + 1);
        refresh();
    });
    connect(list_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { openCellEditor(row + 1, column + 1); });

    editor_ = new QLineEdit(list_->viewport());
    editor_->setAccessibleName(QStringLiteral("セル編集"));
    editor_->setTextMargins(cellEditorMargin, 0, cellEditorMargin, 0);
    editor_->hide();
    editor_->installEventFilter(this);
}

QWidget* ListTableForm::buildFields()
{
    const ListDialogTable& dialogTable = model_.dialogTable();
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    fields_.resize(dialogTable.fields.size());
    std::vector<std::string> groups;
    for (const FieldEntry& field : dialogTable.fields)
        if (std::find(groups.begin(), groups.end(), field.group) == groups.end())
            groups.push_back(field.group);
    for (const std::string& group : groups) {
        auto* box = new QGroupBox(qt(group), area);
        box->setAccessibleName(qt(group));
        auto* form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (std::size_t i = 0; i < dialogTable.fields.size(); ++i) {
            const FieldEntry& field = dialogTable.fields[i];
            if (field.group != group)
                continue;
            QWidget* control = createField(static_cast<int>(i));
            QWidget* shown = control;
            if (!field.unit.empty()) {
                shown = new QWidget(box);
                auto* withUnit = new QHBoxLayout(shown);
                withUnit->setContentsMargins(0, 0, 0, 0);
                withUnit->addWidget(control, 1);
                withUnit->addWidget(new QLabel(qt(field.unit), shown));
            }
            if (field.kind == FieldKind::Check)
                form->addRow(QString(), shown);
            else
                form->addRow(qt(field.caption), shown);
        }
        row->addWidget(box, group.empty() ? 2 : 1);
    }
    if (!dialogTable.hints.empty()) {
        auto* hints = new QVBoxLayout;
        for (const std::string& hint : dialogTable.hints) {
            auto* label = new QLabel(qt(hint), area);
            label->setWordWrap(true);
            hints->addWidget(label);
        }
        hints->addStretch(1);
        row->addLayout(hints, 1);
    }
    return area;
}

QWidget* ListTableForm::createField(int index)
{
    const FieldEntry& field = model_.dialogTable().fields[static_cast<std::size_t>(index)];
    const QString caption = qt(field.caption);
    FieldControl& control = fields_[static_cast<std::size_t>(index)];
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Display: {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(field.kind == FieldKind::Display);
        connect(edit, &QLineEdit::textEdited, this, [this, index](const QString& text) { fieldTyped(index, text); });
        control.widget = edit;
        break;
    }
    case FieldKind::MultiLineText: {
        auto* edit = new QPlainTextEdit(this);
        edit->setTabChangesFocus(true);
        edit->setMinimumHeight(edit->fontMetrics().height() * 5);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, index, edit] {
            if (!refreshing_)
                fieldTyped(index, edit->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")));
        });
        control.widget = edit;
        break;
    }
    case FieldKind::Check: {
        auto* box = new QCheckBox(caption, this);
        connect(box, &QCheckBox::clicked, this, [this, index](bool on) { choiceMade(index, on ? "1" : "0"); });
        control.widget = box;
        break;
    }
    case FieldKind::Choice:
    case FieldKind::EditableChoice: {
        auto* combo = new QComboBox(this);
        combo->setEditable(field.kind == FieldKind::EditableChoice);
        for (const std::string& entry : field.entries)
            combo->addItem(qt(entry));
        connect(combo, &QComboBox::activated, this, [this, index, combo](int) {
            if (auto text = documentTextOf(combo->currentText(), prompter_))
                choiceMade(index, *text);
        });
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, index](const QString& text) { fieldTyped(index, text); });
        control.widget = combo;
        break;
    }
    case FieldKind::Radio: {
        auto* rowWidget = new QWidget(this);
        auto* radios = new QHBoxLayout(rowWidget);
        radios->setContentsMargins(0, 0, 0, 0);
        control.radios = new QButtonGroup(rowWidget);
        for (std::size_t i = 0; i < field.entries.size(); ++i) {
            auto* radio = new QRadioButton(qt(field.entries[i]), rowWidget);
            radio->setAccessibleName(qt(field.entries[i]));
            control.radios->addButton(radio, static_cast<int>(i));
            radios->addWidget(radio);
            radio->installEventFilter(this);
        }
        radios->addStretch(1);
        connect(control.radios, &QButtonGroup::idClicked, this,
                [this, index](int id) { choiceMade(index, std::to_string(id)); });
        control.widget = rowWidget;
        break;
    }
    }
    control.widget->setAccessibleName(caption);
    control.widget->setObjectName(caption);
    control.widget->installEventFilter(this);
    return control.widget;
}

QWidget* ListTableForm::buildPickLists()
{
    const ListDialogTable& dialogTable = model_.dialogTable();
    auto* area = new QWidget(this);
    auto* columns = new QHBoxLayout(area);
    columns->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < dialogTable.pickLists.size(); ++i) {
        auto* column = new QVBoxLayout;
        auto* label = new QLabel(qt(dialogTable.pickLists[i].caption), area);
        auto* pickList = new QListWidget(area);
        pickList->setAccessibleName(qt(dialogTable.pickLists[i].caption));
        label->setBuddy(pickList);
        int widest = pickList->fontMetrics().horizontalAdvance(label->text());
        for (const std::string& line : model_.pickLines(static_cast<int>(i))) {
            pickList->addItem(screenText(line));
            widest = std::max(widest,
                              pickList->fontMetrics().horizontalAdvance(pickList->item(pickList->count() - 1)->text()));
        }
        // Room for the longest line, the frame and the scroll bar.
        const int width = widest + 2 * pickList->frameWidth() + pickList->verticalScrollBar()->sizeHint().width() + 12;
        pickList->setMinimumWidth(std::clamp(width, narrowestPickList, widestPickList));
        pickList->setMaximumWidth(std::max(std::clamp(width, narrowestPickList, widestPickList), 160));
        const int list = static_cast<int>(i);
        // A pick replaces; with Shift or Ctrl held it is appended.
        pickList->setToolTip(QStringLiteral("クリックで入力 (Shift または Ctrl を押しながらクリックで追記)"));
        connect(pickList, &QListWidget::itemClicked, this, [this, list, pickList](QListWidgetItem* item) {
            if (QApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
                model_.pickAppending(list, pickList->row(item));
            else
                model_.pick(list, pickList->row(item));
            refresh();
        });
        column->addWidget(label);
        column->addWidget(pickList, 1);
        columns->addLayout(column);
        pickLists_.push_back(pickList);
    }
    return area;
}

QWidget* ListTableForm::buildButtons()
{
    const ListDialogTable& dialogTable = model_.dialogTable();
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, area, row](const QString& caption) {
        auto* push = new QPushButton(caption, area);
        push->setAccessibleName(caption);
        push->setAutoDefault(false);
        row->addWidget(push);
        return push;
    };
    if (dialogTable.hasAddAndOverwrite) {
        addButton_ = button(QStringLiteral("データ追加"));
        addButton_->setToolTip(QStringLiteral("入力した行を追加します (Ctrl+Enter)"));
        connect(addButton_, &QPushButton::clicked, this, &ListTableForm::addRow);
        connect(button(QStringLiteral("上書き")), &QPushButton::clicked, this, [this] {
            model_.overwrite();
            refresh();
        });
    }
    connect(button(qt(dialogTable.deleteCaption)), &QPushButton::clicked, this, [this] {
        const QList<QTableWidgetSelectionRange> ranges = list_->selectedRanges();
        model_.deleteRow(ranges.isEmpty() ? 0 : ranges.first().topRow() + 1);
        refresh();
    });
    for (std::size_t i = 0; i < dialogTable.actions.size(); ++i) {
        const int action = static_cast<int>(i);
        connect(button(qt(dialogTable.actions[i].caption)), &QPushButton::clicked, this, [this, action] {
            model_.trigger(action);
            refresh();
        });
    }
    row->addStretch(1);
    auto* box = new QDialogButtonBox(area);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = box->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancelButton_ = cancel;
    for (QPushButton* push : {ok, cancel}) {
        push->setAutoDefault(false);
        push->setAccessibleName(push->text());
    }
    connect(box, &QDialogButtonBox::accepted, this, &ListTableForm::accept);
    connect(box, &QDialogButtonBox::rejected, this, &ListTableForm::reject);
    row->addWidget(box);
    return area;
}

QLineEdit* ListTableForm::cellEditor() const
{
    return editor_->isVisible() ? editor_ : nullptr;
}

void ListTableForm::refreshRow(int row)
{
    for (int c = 1; c <= model_.columnCount(); ++c) {
        QTableWidgetItem* item = list_->item(row - 1, c - 1);
        const QString text = cellText(model_.cell(row, c));
        if (item->text() != text)
            item->setText(text);
    }
}

void ListTableForm::showField(int index)
{
    const FieldEntry& field = model_.dialogTable().fields[static_cast<std::size_t>(index)];
    const FieldControl& control = fields_[static_cast<std::size_t>(index)];
    const std::string& value = model_.field(index);
    control.widget->setEnabled(model_.fieldEnabled(index));
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::Display:
        if (auto* edit = qobject_cast<QLineEdit*>(control.widget); edit->text() != screenText(value))
            edit->setText(screenText(value));
        break;
    case FieldKind::MultiLineText: {
        auto* edit = qobject_cast<QPlainTextEdit*>(control.widget);
        QString text = screenText(value);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
        break;
    }
    case FieldKind::Check:
        qobject_cast<QCheckBox*>(control.widget)->setChecked(value == "1");
        break;
    case FieldKind::Choice:
    case FieldKind::EditableChoice: {
        auto* combo = qobject_cast<QComboBox*>(control.widget);
        const int entry = combo->findText(screenText(value), Qt::MatchExactly);
        if (entry >= 0)
            combo->setCurrentIndex(entry);
        else if (combo->isEditable())
            combo->setEditText(screenText(value));
        else
            combo->setCurrentIndex(-1);
        break;
    }
    case FieldKind::Radio:
        if (QAbstractButton* radio = control.radios->button(std::atoi(value.c_str())))
            radio->setChecked(true);
        break;
    }
}

void ListTableForm::refresh()
{
    refreshing_ = true;
    for (int r = 1; r <= model_.capacity(); ++r)
        refreshRow(r);
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i)
        showField(i);
    if (addButton_)
        addButton_->setEnabled(model_.addEnabled());
    status_->setText(statusText());
    if (model_.currentRow() > 0 && !cellEditor())
        list_->selectRow(model_.currentRow() - 1);
    else if (model_.currentRow() == 0)
        list_->clearSelection();
    refreshing_ = false;
    applyRequests();
}

void ListTableForm::applyRequests()
{
    if (const int row = model_.takeScrollRequest(); row > 0)
        list_->scrollToItem(list_->item(row - 1, 0));
    int field = -1;
    switch (model_.takeFocusRequest(&field)) {
    case FocusTarget::List:
        list_->setFocus();
        break;
    case FocusTarget::Field:
        if (field >= 0 && field < static_cast<int>(fields_.size()))
            fields_[static_cast<std::size_t>(field)].widget->setFocus();
        break;
    case FocusTarget::None:
        break;
    }
}

QString ListTableForm::statusText() const
{
    const QString row = QString::number(model_.currentRow());
    switch (model_.entryState()) {
    case EntryState::CellsOnly:
        return QStringLiteral("セルをダブルクリックして入力します. Enter で次のセルへ進みます.");
    case EntryState::NewRow:
        if (model_.currentRow() == 0)
            return QStringLiteral("入力してデータ追加 (Ctrl+Enter) で行を追加します.");
        return QStringLiteral("%1行目に新しい行を入力中: データ追加 (Ctrl+Enter) で追加し、次の行へ進みます.").arg(row);
    case EntryState::EditingRow:
        return QStringLiteral("%1行目を修正中: 入力はこの行に入ります. 新しい行は空いている行をクリックします.")
            .arg(row);
    case EntryState::DepthChanged:
        return QStringLiteral("%1行目と深度が違います: データ追加で新しい行として追加、上書きでこの行 "
                              "(同じ深度の行があればその行) を書き換えます.")
            .arg(row);
    case EntryState::Full:
        return QStringLiteral("最大行数です. 行を削除してから追加します.");
    }
    return {};
}

void ListTableForm::addRow()
{
    // The field being typed in is written back before the row is added.
    if (const int field = fieldOf(focusWidget()); field >= 0)
        model_.leaveField(field);
    model_.add();
    refresh();
}

void ListTableForm::leftKeyField()
{
    // After the focus has settled: a refused depth brings it back.
    keyCheckPosted_ = false;
    if (!isVisible() || !model_.refuseKeyField())
        return;
    refresh();
    const int key = model_.dialogTable().columns.front().field;
    if (auto* edit = qobject_cast<QLineEdit*>(fields_[static_cast<std::size_t>(key)].widget))
        edit->selectAll();
}

bool ListTableForm::isLastRowControl(QWidget* widget) const
{
    const ListDialogTable& dialogTable = model_.dialogTable();
    for (std::size_t i = fields_.size(); i-- > 0;)
        if (dialogTable.fields[i].role == FieldRole::Row)
            return fields_[i].widget == widget || fields_[i].widget->isAncestorOf(widget);
    return false;
}

void ListTableForm::fieldTyped(int index, const QString& text)
{
    if (refreshing_)
        return;
    if (auto converted = documentTextOf(text, prompter_)) {
        model_.setField(index, *converted);
        return;
    }
    refreshing_ = true;
    showField(index);
    refreshing_ = false;
}

void ListTableForm::choiceMade(int index, const std::string& value)
{
    if (refreshing_)
        return;
    model_.setField(index, value);
    model_.choiceMade(index);
    refresh();
}

int ListTableForm::fieldOf(QObject* object) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QWidget* widget = fields_[i].widget;
        if (object == widget || (widget && widget->isAncestorOf(qobject_cast<QWidget*>(object))))
            return static_cast<int>(i);
    }
    return -1;
}

void ListTableForm::openCellEditor(int row, int column)
{
    if (cellEditor())
        commitCellEditor();
    if (!model_.openInPlace(row, column)) {
        refresh();
        return;
    }
    list_->clearSelection();
    QTableWidgetItem* item = list_->item(row - 1, column - 1);
    list_->scrollToItem(item);
    QRect rect = list_->visualItemRect(item);
    const int right = list_->viewport()->width() - cellEditorMargin;
    rect.setRight(std::min(rect.right(), right));
    if (rect.width() < 5) {
        model_.commitInPlace(model_.cell(row, column));
        refresh();
        return;
    }
    editor_->setGeometry(rect);
    editor_->setText(screenText(model_.inPlaceText()));
    editor_->show();
    editor_->setFocus();
    editor_->end(false);
    refresh();
}

void ListTableForm::commitCellEditor()
{
    if (!editor_->isVisible())
        return;
    const std::optional<std::string> text = documentTextOf(editor_->text(), prompter_);
    editor_->hide();
    model_.commitInPlace(text ? *text : model_.cell(model_.inPlaceRow(), model_.inPlaceColumn()));
    refresh();
}

bool ListTableForm::cellEditorKey(QKeyEvent* event)
{
    InPlaceKey key;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = InPlaceKey::Enter;
        break;
    case Qt::Key_Up:
        key = InPlaceKey::Up;
        break;
    case Qt::Key_Down:
        key = InPlaceKey::Down;
        break;
    case Qt::Key_Tab:
        key = InPlaceKey::Tab;
        break;
    case Qt::Key_Escape:
        key = InPlaceKey::Escape;
        break;
    default:
        return false;
    }
    const std::optional<std::string> text = documentTextOf(editor_->text(), prompter_);
    if (!text)
        return true;
    if (model_.inPlaceKey(key, *text)) {
        const int row = model_.inPlaceRow();
        const int column = model_.inPlaceColumn();
        QTableWidgetItem* item = list_->item(row - 1, column - 1);
        list_->scrollToItem(item);
        QRect rect = list_->visualItemRect(item);
        rect.setRight(std::min(rect.right(), list_->viewport()->width() - cellEditorMargin));
        editor_->setGeometry(rect);
        editor_->setText(screenText(model_.inPlaceText()));
        editor_->end(false);
        refresh();
        return true;
    }
    editor_->hide();
    refresh();
    if (key == InPlaceKey::Tab)
        focusNextChild();
    else if (key == InPlaceKey::Escape)
        reject();
    return true;
}

void ListTableForm::copySelectedRows()
{
    std::vector<int> rows;
    for (const QTableWidgetSelectionRange& range : list_->selectedRanges())
        for (int r = range.topRow(); r <= range.bottomRow(); ++r)
            rows.push_back(r + 1);
    if (!rows.empty())
        QApplication::clipboard()->setText(screenText(model_.copyRows(rows)));
}

void ListTableForm::pasteRows()
{
    const std::optional<std::string> text = documentTextOf(QApplication::clipboard()->text(), prompter_);
    if (!text)
        return;
    const QList<QTableWidgetSelectionRange> ranges = list_->selectedRanges();
    const int from = ranges.isEmpty() ? std::max(model_.currentRow(), 1) : ranges.first().topRow() + 1;
    model_.pasteRows(from, *text);
    refresh();
}

bool ListTableForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress && cellEditorKey(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::FocusOut && editor_->isVisible())
            commitCellEditor();
        return QDialog::eventFilter(watched, event);
    }
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelectedRows();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            pasteRows();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            model_.keyDownInList();
            refreshing_ = true;
            for (int i = 0; i < static_cast<int>(fields_.size()); ++i)
                showField(i);
            refreshing_ = false;
        }
        return QDialog::eventFilter(watched, event);
    }
    const int field = fieldOf(watched);
    if (field >= 0 && !refreshing_) {
        if (event->type() == QEvent::FocusIn) {
            model_.enterField(field);
            refresh();
        } else if (event->type() == QEvent::FocusOut) {
            model_.leaveField(field);
            refresh();
            // The depth is checked when the user moves on within the dialog;
            // not when the window loses the focus, nor on the way to Cancel.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool movedOn = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
            if (field == model_.dialogTable().columns.front().field && movedOn
                && QApplication::focusWidget() != cancelButton_ && !keyCheckPosted_) {
                keyCheckPosted_ = true;
                QMetaObject::invokeMethod(this, &ListTableForm::leftKeyField, Qt::QueuedConnection);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ListTableForm::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(event)) {
        QWidget* focus = focusWidget();
        // Enter on a button presses it; Ctrl+Enter, or Enter on the last
        // control of the row when Enter moves on, adds the row.
        if (auto* push = qobject_cast<QPushButton*>(focus); push && push->isEnabled()) {
            push->click();
            return;
        }
        const bool addKey =
            (event->modifiers() & Qt::ControlModifier) || (options_.enterKeyMode == 1 && isLastRowControl(focus));
        if (addButton_ && addKey && fieldOf(focus) >= 0) {
            if (addButton_->isEnabled())
                addRow();
            return;
        }
        switch (options_.enterKeyMode) {
        case 0:
            accept();
            break;
        case 1:
            focusNextChild();
            break;
        default:
            break;
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void ListTableForm::accept()
{
    if (cellEditor()) {
        // OK while a cell is edited only ends the edit.
        commitCellEditor();
        return;
    }
    // The field being typed in is written back before the rows are stored.
    if (const int field = fieldOf(focusWidget()); field >= 0)
        model_.leaveField(field);
    if (model_.accept())
        QDialog::accept();
    else
        refresh();
}

void ListTableForm::reject()
{
    if (cellEditor()) {
        commitCellEditor();
        return;
    }
    if (model_.cancel())
        QDialog::reject();
}

}  // namespace kolv
