#pragma once
// The form of the short-text master editor: the file choice "編集ファイル",
// the list of 80 rows with its in-place cell editor, the path, file number
// and status fields and the buttons. Every rule is the model's.
#include "dialogs/ShortTextEditorModel.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kolv {

class ShortTextEditorDialog : public QDialog {
    Q_OBJECT

public:
    ShortTextEditorDialog(ShortTextEditorModel& model, Prompter& prompter, QWidget* parent = nullptr);

    QTableWidget* list() const { return list_; }
    // The in-place editor while it is open, else nullptr.
    QLineEdit* cellEditor() const;
    void openCellEditor(int row, int column);

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildFileChoice();
    QWidget* buildButtons();
    void buildList();
    void refresh();
    void showSelectedRow();
    void commitCellEditor();
    void closeCellEditor();
    // A button of the list: the open cell edit is taken first.
    void run(void (ShortTextEditorModel::*operation)());

    ShortTextEditorModel& model_;
    Prompter& prompter_;
    QTableWidget* list_ = nullptr;
    QLineEdit* editor_ = nullptr;
    int editorRow_ = 0;
    int editorColumn_ = 0;
    QButtonGroup* files_ = nullptr;
    QLineEdit* path_ = nullptr;
    QLineEdit* fileNumber_ = nullptr;
    QLineEdit* status_ = nullptr;
    QPushButton* previousVersion_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace kolv
