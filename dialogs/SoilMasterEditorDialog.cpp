#include "dialogs/SoilMasterEditorDialog.h"

#include "data/BoringData.h"
#include "data/Number.h"
#include "dialogs/DocumentTextEntry.h"
#include "platform/Cp932Codec.h"
#include "render/PatternPreview.h"
#include "render/QtColor.h"
#include "render/QtPainterDevice.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kolv {

namespace {

constexpr int soilPreviewSize = 64;
constexpr QSize tablePreviewSize{96, 64};
// The previews are drawn at the resolution the log is shown at first, so
// the figures' 10 mm spacing looks as it does on the screen.
constexpr int previewDotsPerMetre = 3780;  // 96 dots an inch
constexpr int visibleSoilRows = 18;
constexpr int visibleColorRows = 9;

QString qt(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// What was typed, in code page 932 as the masters hold it.
std::string typedText(const QString& text)
{
    return utf8ToCp932(text.toStdString());
}

// sample: the widest text a column shows, per column (may be empty).
QTableWidget* listTable(const std::vector<ColumnEntry>& columns, const std::vector<QString>& samples,
                        const QString& accessibleName, const char* objectName, int visibleRows, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    table->setObjectName(QString::fromLatin1(objectName));
    table->setAccessibleName(accessibleName);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    // Row numbers up to three digits.
    table->verticalHeader()->setMinimumWidth(table->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10);
    int width = table->verticalHeader()->minimumWidth() + table->frameWidth() * 2
        + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table) + 4;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const QString heading = qt(columns[c].heading.c_str());
        auto* item = new QTableWidgetItem(heading);
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->setHorizontalHeaderItem(static_cast<int>(c), item);
        // The widths were chosen for a 9-point system font; they grow with
        // the font so that the headings stay readable.
        const QString sample = c < samples.size() ? samples[c] : QString();
        const int pixels = std::max({columns[c].width, table->fontMetrics().horizontalAdvance(heading) + 12,
                                     table->fontMetrics().horizontalAdvance(sample) + 12});
        table->setColumnWidth(static_cast<int>(c), pixels);
        width += pixels;
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumWidth(width);
    table->setMinimumHeight(table->verticalHeader()->defaultSectionSize() * visibleRows
                            + table->horizontalHeader()->sizeHint().height());
    return table;
}

void fillRow(QTableWidget* table, int row, const std::vector<QString>& texts)
{
    for (int column = 0; column < table->columnCount(); ++column) {
        auto* item = new QTableWidgetItem(column < static_cast<int>(texts.size()) ? texts[column] : QString());
        table->setItem(row, column, item);
    }
}

void selectRow(QTableWidget* table, int row)
{
    const QSignalBlocker blocker(table);
    table->clearSelection();
    if (row < 1 || row > table->rowCount())
        return;
    table->selectRow(row - 1);
    table->setCurrentCell(row - 1, 0, QItemSelectionModel::NoUpdate);
}

QLabel* previewBox(QSize size, const QString& accessibleName, const char* objectName, QWidget* parent)
{
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setAccessibleName(accessibleName);
    box->setFrameShape(QFrame::Box);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedSize(size + QSize(2 * box->frameWidth(), 2 * box->frameWidth()));
    return box;
}

QPixmap drawPreview(const LogSettings& settings, PatternPreviewRequest request, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(previewDotsPerMetre);
    image.setDotsPerMeterY(previewDotsPerMetre);
    image.fill(Qt::white);
    if (request.number > 0) {
        QPainter painter(&image);
        QtPainterDevice device(painter);
        drawPatternPreview(device, settings, request.source, request.number, {0, 0, size.width(), size.height()});
    }
    return QPixmap::fromImage(image);
}

QRadioButton* radio(const QString& caption, const char* objectName, QButtonGroup* group, int id, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(caption);
    group->addButton(button, id);
    return button;
}

QCheckBox* checkBox(const QString& caption, const char* objectName, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setAccessibleName(caption);
    return box;
}

}  // namespace

SoilMasterEditorDialog::SoilMasterEditorDialog(SoilMasterEditorModel& model, QWidget* parent)
    : QDialog(parent), model_(model)
{
    chooseColor = [](const QColor& initial, QWidget* owner) {
        return QColorDialog::getColor(initial, owner, QStringLiteral("色の設定"));
    };
    setWindowTitle(QStringLiteral("編集 土質地質名と柱状図模様"));
    setAccessibleName(windowTitle());

    auto* sides = new QHBoxLayout;
    sides->addWidget(buildSoilSide(), 1);
    sides->addWidget(buildPatternTable());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    for (QAbstractButton* each : buttons->buttons())
        each->setAccessibleName(each->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildPaths(), 1);
    bottom->addWidget(buttons, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides, 1);
    layout->addLayout(bottom);
    refresh();
}

QLineEdit* SoilMasterEditorDialog::lineEdit(const QString& accessibleName, const char* objectName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QPushButton* SoilMasterEditorDialog::button(const QString& caption, const char* objectName,
                                            void (SoilMasterEditorModel::*operation)())
{
    auto* push = new QPushButton(caption, this);
    push->setObjectName(QString::fromLatin1(objectName));
    push->setAccessibleName(caption);
    push->setAutoDefault(false);
    connect(push, &QPushButton::clicked, this, [this, operation] {
        (model_.*operation)();
        refresh();
    });
    return push;
}

QWidget* SoilMasterEditorDialog::buildSoilSide()
{
    auto* side = new QWidget(this);

    struct FieldRow {
        SoilField field;
        const char* caption;
        const char* objectName;
    };
    const FieldRow fieldRows[] = {
        {SoilField::Name, "地質名", "soilName"},
        {SoilField::Symbol, "記号\u3000", "soilSymbol"},
        {SoilField::VectorNumber, "線描", "vectorNumber"},
        {SoilField::BitmapNumber, "ビットマップ", "bitmapNumber"},
    };
    auto* fields = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const FieldRow& row = fieldRows[i];
        const QString caption = qt(row.caption);
        QLineEdit* edit = lineEdit(caption.trimmed(), row.objectName);
        soilFields_[static_cast<std::size_t>(row.field)] = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, field = row.field](const QString& text) { model_.setSoilField(field, typedText(text)); });
        auto* label = new QLabel(caption, side);
        label->setBuddy(edit);
        fields->addWidget(label, i / 2, (i % 2) * 2, Qt::AlignRight);
        fields->addWidget(edit, i / 2, (i % 2) * 2 + 1);
    }
    fields->setColumnStretch(1, 3);
    fields->setColumnStretch(3, 2);

    auto* marks = new QGroupBox(QStringLiteral("相対密度稠度印刷"), side);
    marks->setAccessibleName(marks->title());
    density_ = checkBox(QStringLiteral("密度"), "density", marks);
    consistency_ = checkBox(QStringLiteral("稠度"), "consistency", marks);
    connect(density_, &QCheckBox::toggled, this, [this](bool on) { model_.setDensity(on); });
    connect(consistency_, &QCheckBox::toggled, this, [this](bool on) { model_.setConsistency(on); });
    auto* markRow = new QHBoxLayout(marks);
    markRow->addWidget(density_);
    markRow->addWidget(consistency_);

    soilPreview_ =
        previewBox({soilPreviewSize, soilPreviewSize}, QStringLiteral("地質名のパターン"), "soilPreview", side);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(marks);
    top->addWidget(soilPreview_);

    auto* actions = new QHBoxLayout;
    actions->addWidget(button(QStringLiteral("↓挿入"), "insert", &SoilMasterEditorModel::insertRow));
    actions->addWidget(button(QStringLiteral("↓上書き"), "overwrite", &SoilMasterEditorModel::overwriteRow));
    actions->addWidget(button(QStringLiteral("↑編集"), "edit", &SoilMasterEditorModel::editRow));
    actions->addWidget(button(QStringLiteral("削除"), "delete", &SoilMasterEditorModel::deleteRow));
    actions->addStretch(1);
    QPushButton* up = button(QStringLiteral("↑"), "moveUp", &SoilMasterEditorModel::moveRowUp);
    QPushButton* down = button(QStringLiteral("↓"), "moveDown", &SoilMasterEditorModel::moveRowDown);
    for (QPushButton* move : {up, down})
        move->setFixedWidth(move->fontMetrics().horizontalAdvance(QStringLiteral("↓")) * 4);
    up->setAccessibleName(QStringLiteral("1行上へ"));
    down->setAccessibleName(QStringLiteral("1行下へ"));
    actions->addWidget(up);
    actions->addWidget(down);

    const QString listCaption = QStringLiteral("地質名マスタファイル （地質名とパターンNo）");
    soilList_ = listTable(soilListColumns(), {}, listCaption, "soilList", visibleSoilRows, side);
    // The row the buttons act on is the highlighted one, however it was
    // reached: by the mouse or by the arrow keys.
    const auto soilRowChosen = [this](int row) {
        model_.selectSoilRow(row + 1);
        refreshPreviews();
    };
    connect(soilList_, &QTableWidget::cellClicked, this, soilRowChosen);
    connect(soilList_, &QTableWidget::currentCellChanged, this, soilRowChosen);

    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(actions);
    layout->addWidget(new QLabel(listCaption, side));
    layout->addWidget(soilList_, 1);
    return side;
}

QWidget* SoilMasterEditorDialog::buildPatternTable()
{
    auto* group = new QGroupBox(QStringLiteral("パターン一覧表"), this);
    group->setAccessibleName(group->title());

    const QString colorSample = QStringLiteral("0x000000");
    colorList_ = listTable(colorListColumns(), {QString(), colorSample, colorSample},
                           QStringLiteral("線描パターンの色"), "colorList", visibleColorRows, group);
    const auto colorRowChosen = [this](int row) {
        model_.selectColorRow(row + 1);
        refreshFields();
        refreshPreviews();
    };
    connect(colorList_, &QTableWidget::cellClicked, this, colorRowChosen);
    connect(colorList_, &QTableWidget::currentCellChanged, this, colorRowChosen);
    pickList_ = new QListWidget(group);
    pickList_->setObjectName(QStringLiteral("bitmapPickList"));
    pickList_->setAccessibleName(QStringLiteral("ビットマップファイル"));
    pickList_->setFixedWidth(pickList_->fontMetrics().horizontalAdvance(QStringLiteral("J10000.BMP")) + 40);
    connect(pickList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.pickBitmap(pickList_->row(item) + 1);
        refreshFields();
        refreshPreviews();
    });

    auto* vectorColumn = new QVBoxLayout;
    vectorColumn->addWidget(new QLabel(QStringLiteral("線描"), group));
    vectorColumn->addWidget(colorList_, 1);
    auto* bitmapCaption = new QHBoxLayout;
    bitmapCaption->addWidget(new QLabel(QStringLiteral("ビットマップ"), group));
    monochromeMark_ = new QLabel(QStringLiteral("（白黒）"), group);
    bitmapCaption->addWidget(monochromeMark_);
    bitmapCaption->addStretch(1);
    auto* bitmapColumn = new QVBoxLayout;
    bitmapColumn->addLayout(bitmapCaption);
    bitmapColumn->addWidget(pickList_, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(vectorColumn, 1);
    lists->addLayout(bitmapColumn);

    patternNumber_ = lineEdit(QStringLiteral("パターンNo."), "patternNumber");
    connect(patternNumber_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setPatternNumberField(typedText(text)); });
    color_ = lineEdit(QStringLiteral("色コード"), "colorCode");
    connect(color_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setColorField(typedText(text));
        refreshFields();
    });
    colorSwatch_ = new QLabel(group);
    colorSwatch_->setAccessibleName(QStringLiteral("色見本"));
    colorSwatch_->setFixedSize(22, 22);
    colorSwatch_->setFrameShape(QFrame::Box);
    colorSwatch_->setAutoFillBackground(true);
    tablePreview_ = previewBox(tablePreviewSize, QStringLiteral("パターン"), "tablePreview", group);

    auto* chooseButton = new QPushButton(QStringLiteral("色設定"), group);
    chooseButton->setObjectName(QStringLiteral("chooseColor"));
    chooseButton->setAccessibleName(chooseButton->text());
    chooseButton->setAutoDefault(false);
    connect(chooseButton, &QPushButton::clicked, this, &SoilMasterEditorDialog::pickColor);
    QPushButton* overwrite =
        button(QStringLiteral("↑上書き"), "overwriteColor", &SoilMasterEditorModel::overwriteColor);
    QPushButton* defaultColor =
        button(QStringLiteral("既定色"), "defaultColor", &SoilMasterEditorModel::copyDefaultColor);
    QPushButton* allDefault =
        button(QStringLiteral("すべて既定色"), "allDefaultColors", &SoilMasterEditorModel::setAllDefaultColors);
    vectorOnlyButtons_ = {overwrite, defaultColor, allDefault};

    auto* pick = new QGridLayout;
    pick->addWidget(new QLabel(QStringLiteral("クリックで↑選択"), group), 0, 0, 1, 4);
    auto* numberLabel = new QLabel(QStringLiteral("パターンNo."), group);
    numberLabel->setBuddy(patternNumber_);
    pick->addWidget(numberLabel, 1, 0);
    pick->addWidget(patternNumber_, 1, 1);
    pick->addWidget(button(QStringLiteral("←適用"), "applyPatternNumber", &SoilMasterEditorModel::applyPatternNumber),
                    1, 2);
    auto* colorLabel = new QLabel(QStringLiteral("色"), group);
    colorLabel->setBuddy(color_);
    pick->addWidget(colorLabel, 2, 0);
    pick->addWidget(color_, 2, 1);
    pick->addWidget(colorSwatch_, 2, 2, Qt::AlignLeft);
    auto* colorButtons = new QHBoxLayout;
    colorButtons->addWidget(chooseButton);
    colorButtons->addWidget(overwrite);
    colorButtons->addWidget(defaultColor);
    colorButtons->addStretch(1);
    pick->addLayout(colorButtons, 3, 0, 1, 3);
    pick->addWidget(tablePreview_, 1, 3, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    pick->setColumnStretch(1, 1);

    auto* targetBox = new QGroupBox(QStringLiteral("← 編集パターンNo"), group);
    targetBox->setAccessibleName(targetBox->title());
    target_ = new QButtonGroup(this);
    auto* targetRow = new QHBoxLayout(targetBox);
    targetRow->addWidget(radio(QStringLiteral("線描"), "targetVector", target_, 0, targetBox));
    targetRow->addWidget(radio(QStringLiteral("ビットマップ"), "targetBitmap", target_, 1, targetBox));
    connect(target_, &QButtonGroup::idClicked, this, [this](int id) {
        model_.setTarget(id == 0 ? PatternTarget::Vector : PatternTarget::Bitmap);
        refresh();
    });

    auto* displayBox = new QGroupBox(QStringLiteral("ビットマップ表示"), group);
    displayBox->setAccessibleName(displayBox->title());
    bitmapMono_ = new QButtonGroup(this);
    auto* displayRow = new QHBoxLayout(displayBox);
    displayRow->addWidget(radio(QStringLiteral("カラー"), "bitmapColor", bitmapMono_, 0, displayBox));
    displayRow->addWidget(radio(QStringLiteral("白黒"), "bitmapMono", bitmapMono_, 1, displayBox));
    connect(bitmapMono_, &QButtonGroup::idClicked, this, [this](int id) {
        model_.setBitmapMono(id == 1);
        refresh();
    });

    auto* modeBox = new QGroupBox(QStringLiteral("使用パターン選択"), group);
    modeBox->setAccessibleName(modeBox->title());
    patternMode_ = new QButtonGroup(this);
    auto* modeGrid = new QGridLayout(modeBox);
    const char* modes[] = {"線描のみ使用", "線描優先", "ビットマップ優先", "ビットマップのみ"};
    for (int mode = 0; mode < 4; ++mode) {
        const std::string objectName = "patternMode." + std::to_string(mode);
        modeGrid->addWidget(radio(qt(modes[mode]), objectName.c_str(), patternMode_, mode, modeBox), mode / 2,
                            mode % 2);
    }
    connect(patternMode_, &QButtonGroup::idClicked, this, [this](int id) { model_.setPatternMode(id); });

    auto* vectorBox = new QGroupBox(QStringLiteral("線描パターン設定"), group);
    vectorBox->setAccessibleName(vectorBox->title());
    allBlack_ = checkBox(QStringLiteral("すべて黒色"), "patternAllBlack", vectorBox);
    mixMark_ = checkBox(QStringLiteral("混り／質"), "patternMixMark", vectorBox);
    lineWidth_ = new QComboBox(vectorBox);
    lineWidth_->setObjectName(QStringLiteral("patternLineWidth"));
    lineWidth_->setAccessibleName(QStringLiteral("線太さ"));
    lineWidth_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    connect(allBlack_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setPatternAllBlack(on);
        refreshPreviews();
    });
    connect(mixMark_, &QCheckBox::toggled, this, [this](bool on) { model_.setPatternMixMark(on); });
    connect(lineWidth_, &QComboBox::activated, this, [this](int index) {
        model_.setPatternLineWidth(index);
        refreshPreviews();
    });
    auto* widthLabel = new QLabel(QStringLiteral("線太さ"), vectorBox);
    widthLabel->setBuddy(lineWidth_);
    auto* vectorGrid = new QGridLayout(vectorBox);
    vectorGrid->addWidget(allDefault, 0, 0);
    vectorGrid->addWidget(allBlack_, 0, 1, 1, 2);
    vectorGrid->addWidget(widthLabel, 1, 0, Qt::AlignRight);
    vectorGrid->addWidget(lineWidth_, 1, 1);
    vectorGrid->addWidget(mixMark_, 1, 2);

    auto* options = new QGridLayout;
    options->addWidget(targetBox, 0, 0);
    options->addWidget(displayBox, 0, 1);
    options->addWidget(modeBox, 1, 0);
    options->addWidget(vectorBox, 1, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(lists, 1);
    layout->addLayout(pick);
    layout->addLayout(options);
    return group;
}

QWidget* SoilMasterEditorDialog::buildPaths()
{
    auto* area = new QWidget(this);
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);
    QLineEdit* master = lineEdit(QStringLiteral("地質名マスタファイル"), "soilMasterPath");
    master->setReadOnly(true);
    master->setText(screenText(model_.soilMasterPath()));
    QLineEdit* folder = lineEdit(QStringLiteral("カラービットマップのフォルダ"), "patternFolder");
    folder->setText(screenText(model_.options().patternFolder));
    connect(folder, &QLineEdit::editingFinished, this, [this, folder] {
        const std::string typed = typedText(folder->text());
        if (typed == model_.options().patternFolder)
            return;
        model_.setPatternFolder(typed);
        refresh();
    });
    monochromeFolder_ = lineEdit(QStringLiteral("白黒ビットマップのフォルダ"), "monochromeFolder");
    monochromeFolder_->setReadOnly(true);
    form->addRow(QStringLiteral("地質名マスタファイル"), master);
    form->addRow(QStringLiteral("カラービットマップ"), folder);
    form->addRow(QStringLiteral("白黒ビットマップ"), monochromeFolder_);
    return area;
}

void SoilMasterEditorDialog::refresh()
{
    refreshSoilList();
    refreshColorList();
    refreshPickList();
    refreshFields();
    refreshPreviews();
}

void SoilMasterEditorDialog::refreshSoilList()
{
    const QSignalBlocker blocker(soilList_);
    // One blank line after the rows: selecting it inserts at the end.
    soilList_->clearSpans();
    soilList_->setRowCount(model_.soilRowCount() + 1);
    for (int row = 1; row <= model_.soilRowCount(); ++row) {
        std::vector<QString> texts;
        for (int column = 1; column <= soilList_->columnCount(); ++column)
            texts.push_back(screenText(model_.soilCell(row, column)));
        fillRow(soilList_, row - 1, texts);
        // A section header or comment has only its name: it runs across the row.
        if (isSoilNameHeader(model_.soilRow(row).name))
            soilList_->setSpan(row - 1, 0, 1, soilList_->columnCount());
    }
    fillRow(soilList_, model_.soilRowCount(), {});
    selectRow(soilList_, model_.selectedSoilRow());
    if (model_.selectedSoilRow() > 0)
        soilList_->scrollToItem(soilList_->item(model_.selectedSoilRow() - 1, 0));
}

void SoilMasterEditorDialog::refreshColorList()
{
    const QSignalBlocker blocker(colorList_);
    colorList_->setRowCount(model_.colorRowCount() + 1);
    for (int row = 1; row <= model_.colorRowCount(); ++row) {
        std::vector<QString> texts;
        for (const std::string& field : model_.colorRow(row))
            texts.push_back(screenText(field));
        fillRow(colorList_, row - 1, texts);
    }
    fillRow(colorList_, model_.colorRowCount(), {});
    selectRow(colorList_, model_.selectedColorRow());
}

void SoilMasterEditorDialog::refreshPickList()
{
    const QSignalBlocker blocker(pickList_);
    pickList_->clear();
    for (const std::string& name : model_.bitmapPickLines())
        pickList_->addItem(screenText(name));
    const bool monochrome = model_.options().bitmapMono != 0;
    monochromeMark_->setVisible(monochrome);
    monochromeFolder_->setText(screenText(model_.monochromeFolder()));
}

void SoilMasterEditorDialog::refreshFields()
{
    for (std::size_t field = 0; field < soilFields_.size(); ++field) {
        const QString text = screenText(model_.soilField(static_cast<SoilField>(field)));
        if (soilFields_[field]->text() != text)
            soilFields_[field]->setText(text);
    }
    {
        const QSignalBlocker densityBlocker(density_);
        const QSignalBlocker consistencyBlocker(consistency_);
        density_->setChecked(model_.density());
        consistency_->setChecked(model_.consistency());
    }
    if (patternNumber_->text() != screenText(model_.patternNumberField()))
        patternNumber_->setText(screenText(model_.patternNumberField()));
    if (color_->text() != screenText(model_.colorField()))
        color_->setText(screenText(model_.colorField()));
    QPalette palette = colorSwatch_->palette();
    const bool hasColor = isNumericText(model_.colorField()) > 0;
    palette.setColor(QPalette::Window,
                     hasColor ? toQColor(static_cast<ColorRef>(parseUnsignedAutoBase(model_.colorField())))
                              : palette.color(QPalette::Base));
    colorSwatch_->setPalette(palette);

    const bool vector = model_.target() == PatternTarget::Vector;
    for (QPushButton* each : vectorOnlyButtons_)
        each->setEnabled(vector);
    pickList_->setEnabled(!vector);
    const QSignalBlocker targetBlocker(target_);
    target_->button(vector ? 0 : 1)->setChecked(true);
    const PatternOptions& options = model_.options();
    const QSignalBlocker modeBlocker(patternMode_);
    if (QAbstractButton* mode = patternMode_->button(options.patternMode))
        mode->setChecked(true);
    const QSignalBlocker monoBlocker(bitmapMono_);
    bitmapMono_->button(options.bitmapMono != 0 ? 1 : 0)->setChecked(true);
    const QSignalBlocker blackBlocker(allBlack_);
    allBlack_->setChecked(options.patternAllBlack != 0);
    const QSignalBlocker mixBlocker(mixMark_);
    mixMark_->setChecked(options.patternMixMark != 0);
    const QSignalBlocker widthBlocker(lineWidth_);
    lineWidth_->setCurrentIndex(options.patternLineWidth);
}

void SoilMasterEditorDialog::refreshPreviews()
{
    const LogSettings settings = model_.previewSettings();
    soilPreview_->setPixmap(drawPreview(settings, model_.soilPreview(), {soilPreviewSize, soilPreviewSize}));
    tablePreview_->setPixmap(drawPreview(settings, model_.tablePreview(), tablePreviewSize));
}

void SoilMasterEditorDialog::pickColor()
{
    const QColor initial = toQColor(static_cast<ColorRef>(parseUnsignedAutoBase(model_.colorField())));
    const QColor chosen = chooseColor(initial, this);
    if (!chosen.isValid())
        return;
    model_.takeChosenColor(fromQColor(chosen));
    refreshFields();
}

void SoilMasterEditorDialog::accept()
{
    if (model_.accept())
        QDialog::accept();
}

void SoilMasterEditorDialog::reject()
{
    if (model_.mayCancel())
        QDialog::reject();
}

}  // namespace kolv
