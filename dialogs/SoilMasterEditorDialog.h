#pragma once
// The form of "編集 土質地質名と柱状図模様": the soil fields with their preview
// and buttons over the soil list on the left, the pattern table (colour list,
// bitmap pick list, pattern number, colour, preview and the pattern options)
// on the right, the paths at the bottom. The form only shows; every rule is
// the model's.
#include "dialogs/SoilMasterEditorModel.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace kolv {

class SoilMasterEditorDialog : public QDialog {
    Q_OBJECT

public:
    explicit SoilMasterEditorDialog(SoilMasterEditorModel& model, QWidget* parent = nullptr);

    // "色設定": the system's colour chooser, started on the current colour; an
    // invalid colour means it was cancelled. Tests put their own in its place.
    std::function<QColor(const QColor& initial, QWidget* parent)> chooseColor;

    void accept() override;
    void reject() override;

private:
    QWidget* buildSoilSide();
    QWidget* buildPatternTable();
    QWidget* buildPaths();
    QPushButton* button(const QString& caption, const char* objectName, void (SoilMasterEditorModel::*operation)());
    QLineEdit* lineEdit(const QString& accessibleName, const char* objectName);

    void refresh();
    void refreshSoilList();
    void refreshColorList();
    void refreshPickList();
    void refreshFields();
    void refreshPreviews();
    void pickColor();

    SoilMasterEditorModel& model_;

    std::array<QLineEdit*, 4> soilFields_{};
    QCheckBox* density_ = nullptr;
    QCheckBox* consistency_ = nullptr;
    QLabel* soilPreview_ = nullptr;
    QTableWidget* soilList_ = nullptr;

    QTableWidget* colorList_ = nullptr;
    QListWidget* pickList_ = nullptr;
    QLabel* monochromeMark_ = nullptr;
    QLineEdit* patternNumber_ = nullptr;
    QLineEdit* color_ = nullptr;
    QLabel* colorSwatch_ = nullptr;
    QLabel* tablePreview_ = nullptr;
    std::vector<QPushButton*> vectorOnlyButtons_;
    QButtonGroup* target_ = nullptr;
    QButtonGroup* patternMode_ = nullptr;
    QButtonGroup* bitmapMono_ = nullptr;
    QCheckBox* allBlack_ = nullptr;
    QComboBox* lineWidth_ = nullptr;
    QCheckBox* mixMark_ = nullptr;

    QLineEdit* monochromeFolder_ = nullptr;
};

}  // namespace kolv
