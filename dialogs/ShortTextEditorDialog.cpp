#include "dialogs/ShortTextEditorDialog.h"

#include "dialogs/DocumentTextEntry.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kolv {

namespace {

constexpr int textColumnWidth = 220;
constexpr int markColumnWidth = 20;
constexpr int visibleRows = 20;

QLineEdit* displayField(const QString& name, const char* key, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAccessibleName(name);
    field->setObjectName(QLatin1String(key));
    return field;
}

}  // namespace

ShortTextEditorDialog::ShortTextEditorDialog(ShortTextEditorModel& model, Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(model), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("編集 技術者ほかの短文"));
    setAccessibleName(windowTitle());

    buildList();
    path_ = displayField(QStringLiteral("ファイル名"), "path", this);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    auto* pathRow = new QFormLayout;
    pathRow->addRow(QStringLiteral("ファイル名"), path_);
    left->addLayout(pathRow);

    auto* right = new QVBoxLayout;
    right->addWidget(buildFileChoice());
    right->addWidget(buildButtons());
    right->addStretch(1);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(right);
    refresh();
}

void ShortTextEditorDialog::buildList()
{
    list_ = new QTableWidget(ShortTextEditorModel::rowCount, 2, this);
    list_->setAccessibleName(QStringLiteral("短文一覧"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHorizontalHeaderLabels({QStringLiteral("短文 (登録語)"), QString()});
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    list_->setColumnWidth(0, textColumnWidth);
    list_->setColumnWidth(1, markColumnWidth);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int row = 0; row < ShortTextEditorModel::rowCount; ++row)
        for (int column = 0; column < 2; ++column)
            list_->setItem(row, column, new QTableWidgetItem);
    list_->setMinimumWidth(list_->verticalHeader()->sizeHint().width() + textColumnWidth + markColumnWidth
                           + list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * list_->frameWidth());
    list_->setMinimumHeight(list_->verticalHeader()->defaultSectionSize() * visibleRows);
    list_->installEventFilter(this);
    connect(list_, &QTableWidget::cellClicked, this,
            [this](int row, int column) { openCellEditor(row + 1, column + 1); });
    // The keys move the selection too; the model follows it.
    connect(list_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (refreshing_ || cellEditor())
            return;
        const QList<QTableWidgetSelectionRange> ranges = list_->selectedRanges();
        model_.selectRow(ranges.isEmpty() ? 0 : ranges.first().topRow() + 1);
    });

    editor_ = new QLineEdit(list_->viewport());
    editor_->setAccessibleName(QStringLiteral("セル編集"));
    editor_->hide();
    editor_->installEventFilter(this);
}

QWidget* ShortTextEditorDialog::buildFileChoice()
{
    auto* box = new QGroupBox(QStringLiteral("編集ファイル"), this);
    box->setAccessibleName(box->title());
    auto* column = new QVBoxLayout(box);
    files_ = new QButtonGroup(box);
    for (int index = 0; index < shortTextMasterCount; ++index) {
        const auto kind = static_cast<ShortTextMasterKind>(index);
        auto* radio = new QRadioButton(screenText(std::string(shortTextMasterInfo(kind).caption)), box);
        radio->setAccessibleName(radio->text());
        files_->addButton(radio, index);
        column->addWidget(radio);
    }
    connect(files_, &QButtonGroup::idClicked, this, [this](int index) {
        if (refreshing_)
            return;
        commitCellEditor();
        model_.chooseFile(static_cast<ShortTextMasterKind>(index));
        refresh();
        list_->scrollToTop();
        showSelectedRow();
    });
    fileNumber_ = displayField(QStringLiteral("ファイル番号"), "fileNumber", box);
    fileNumber_->setAlignment(Qt::AlignCenter);
    fileNumber_->setMaximumWidth(fileNumber_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    auto* number = new QFormLayout;
    number->addRow(QStringLiteral("ファイル番号"), fileNumber_);
    column->addLayout(number);
    return box;
}

QWidget* ShortTextEditorDialog::buildButtons()
{
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto button = [area](const QString& caption) {
        auto* push = new QPushButton(caption, area);
        push->setAccessibleName(caption);
        push->setAutoDefault(false);
        return push;
    };
    const auto listButton = [this, button](const QString& caption, void (ShortTextEditorModel::*operation)()) {
        QPushButton* push = button(caption);
        connect(push, &QPushButton::clicked, this, [this, operation] { run(operation); });
        return push;
    };
    grid->addWidget(listButton(QStringLiteral("挿入"), &ShortTextEditorModel::insertRow), 0, 0);
    grid->addWidget(listButton(QStringLiteral("削除"), &ShortTextEditorModel::deleteRow), 0, 1);
    grid->addWidget(listButton(QStringLiteral("↑"), &ShortTextEditorModel::moveUp), 1, 0);
    grid->addWidget(listButton(QStringLiteral("↓"), &ShortTextEditorModel::moveDown), 1, 1);
    grid->addWidget(listButton(QStringLiteral("全角英数字検査"), &ShortTextEditorModel::checkFullWidth), 2, 0, 1, 2);
    previousVersion_ = listButton(QStringLiteral("Ver.2"), &ShortTextEditorModel::mergePreviousVersion);
    previousVersion_->setToolTip(QStringLiteral("旧バージョンのマスタファイルから追加します"));
    grid->addWidget(previousVersion_, 3, 0, 1, 2);
    QPushButton* save = button(QStringLiteral("保存"));
    connect(save, &QPushButton::clicked, this, [this] {
        commitCellEditor();
        model_.save();
        refresh();
    });
    grid->addWidget(save, 4, 0, 1, 2);
    status_ = displayField(QStringLiteral("状態"), "status", area);
    status_->setFrame(false);
    status_->setAlignment(Qt::AlignCenter);
    QPalette quiet = status_->palette();
    quiet.setColor(QPalette::Base, quiet.color(QPalette::Window));
    status_->setPalette(quiet);
    grid->addWidget(status_, 5, 0, 1, 2);
    grid->setRowMinimumHeight(6, 12);
    QPushButton* ok = button(QStringLiteral("OK"));
    QPushButton* cancel = button(QStringLiteral("キャンセル"));
    connect(ok, &QPushButton::clicked, this, &ShortTextEditorDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ShortTextEditorDialog::reject);
    grid->addWidget(ok, 7, 0);
    grid->addWidget(cancel, 7, 1);
    return area;
}

void ShortTextEditorDialog::refresh()
{
    refreshing_ = true;
    for (int row = 1; row <= ShortTextEditorModel::rowCount; ++row) {
        list_->item(row - 1, 0)->setText(screenText(model_.text(row)));
        list_->item(row - 1, 1)->setText(screenText(model_.mark(row)));
    }
    if (QAbstractButton* radio = files_->button(model_.fileNumber() - 1))
        radio->setChecked(true);
    path_->setText(screenText(model_.path()));
    path_->setCursorPosition(0);
    fileNumber_->setText(QString::number(model_.fileNumber()));
    status_->setText(screenText(model_.status()));
    previousVersion_->setEnabled(model_.previousVersionAvailable());
    if (model_.selectedRow() > 0)
        list_->selectRow(model_.selectedRow() - 1);
    else
        list_->clearSelection();
    refreshing_ = false;
}

void ShortTextEditorDialog::showSelectedRow()
{
    if (model_.selectedRow() > 0)
        list_->scrollToItem(list_->item(model_.selectedRow() - 1, 0), QAbstractItemView::EnsureVisible);
}

void ShortTextEditorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A file opens at its top, the first empty row in view.
    list_->scrollToTop();
    showSelectedRow();
}

QLineEdit* ShortTextEditorDialog::cellEditor() const
{
    return editorRow_ > 0 ? editor_ : nullptr;
}

void ShortTextEditorDialog::openCellEditor(int row, int column)
{
    commitCellEditor();
    model_.selectRow(row);
    if (!model_.cellEditable(row, column)) {
        refresh();
        return;
    }
    refresh();
    QTableWidgetItem* item = list_->item(row - 1, column - 1);
    list_->scrollToItem(item);
    editorRow_ = row;
    editorColumn_ = column;
    // The row is not highlighted beside the cell being typed in.
    refreshing_ = true;
    list_->clearSelection();
    refreshing_ = false;
    editor_->setGeometry(list_->visualItemRect(item));
    editor_->setText(item->text());
    editor_->show();
    editor_->setFocus();
    editor_->selectAll();
}

void ShortTextEditorDialog::closeCellEditor()
{
    // Cleared first: hiding the editor takes its focus, which would commit again.
    editorRow_ = 0;
    editor_->hide();
    list_->setFocus();
}

void ShortTextEditorDialog::commitCellEditor()
{
    if (!cellEditor())
        return;
    const std::optional<std::string> text = documentTextOf(editor_->text(), prompter_);
    const int row = editorRow_;
    const int column = editorColumn_;
    closeCellEditor();
    if (text)
        model_.editCell(row, column, *text);
    refresh();
}

void ShortTextEditorDialog::run(void (ShortTextEditorModel::*operation)())
{
    commitCellEditor();
    (model_.*operation)();
    refresh();
    showSelectedRow();
}

bool ShortTextEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::KeyPress) {
        const int row = editorRow_;
        const int column = editorColumn_;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            commitCellEditor();
            if (row < ShortTextEditorModel::rowCount)
                openCellEditor(row + 1, column);
            return true;
        case Qt::Key_Up:
            commitCellEditor();
            if (row > 1)
                openCellEditor(row - 1, column);
            return true;
        case Qt::Key_Tab:
            commitCellEditor();
            return true;
        case Qt::Key_Escape:
            closeCellEditor();
            return true;
        default:
            break;
        }
    } else if (watched == editor_ && event->type() == QEvent::FocusOut && cellEditor()) {
        commitCellEditor();
    } else if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) && model_.selectedRow() > 0) {
            openCellEditor(model_.selectedRow(), ShortTextEditorModel::TextColumn);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ShortTextEditorDialog::accept()
{
    commitCellEditor();
    if (model_.accept())
        QDialog::accept();
    else
        refresh();
}

void ShortTextEditorDialog::reject()
{
    commitCellEditor();
    if (model_.cancel())
        QDialog::reject();
}

}  // namespace kolv
