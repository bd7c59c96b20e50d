#pragma once
// The Qt form of every list dialog, built from the dialog's ListDialogTable
// and bound to its model: the list, the field groups, the pick lists, the
// buttons and the in-place cell editor. The form only shows; every rule is
// the model's.
#include "dialogs/ListTableModel.h"

#include <QDialog>

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace kolv {

struct ListFormOptions {
    int enterKeyMode = 1;          // 0 OK, 1 next control, 2 nothing
    bool scrollToLastRow = false;  // open with the last filled row in view
};

class ListTableForm : public QDialog {
    Q_OBJECT

public:
    ListTableForm(ListTableModel& model, const ListFormOptions& options, Prompter& prompter, QWidget* parent = nullptr);

    QTableWidget* list() const { return list_; }
    // The line under the buttons that says what the user can do next.
    QString statusText() const;
    // The in-place editor while it is open, else nullptr.
    QLineEdit* cellEditor() const;

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct FieldControl {
        QWidget* widget = nullptr;  // the control itself (or the radio row)
        QButtonGroup* radios = nullptr;
    };

    void buildList();
    QWidget* buildFields();
    QWidget* buildPickLists();
    QWidget* buildButtons();
    QWidget* createField(int index);
    void refresh();
    void refreshRow(int row);
    void showField(int index);
    void applyRequests();
    void fieldTyped(int index, const QString& text);
    void choiceMade(int index, const std::string& value);
    void addRow();
    void leftKeyField();
    bool isLastRowControl(QWidget* widget) const;
    void openCellEditor(int row, int column);
    void commitCellEditor();
    bool cellEditorKey(QKeyEvent* event);
    void copySelectedRows();
    void pasteRows();
    int fieldOf(QObject* object) const;

    ListTableModel& model_;
    ListFormOptions options_;
    Prompter& prompter_;
    QTableWidget* list_ = nullptr;
    QLineEdit* editor_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<FieldControl> fields_;
    std::vector<QListWidget*> pickLists_;
    bool refreshing_ = false;
    bool shown_ = false;
    bool keyCheckPosted_ = false;
};

}  // namespace kolv
