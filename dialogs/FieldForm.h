#pragma once
// The Qt form of a FieldModel: builds one control per FormField, in group
// boxes and columns, names each control after its caption (accessible name)
// and its key (object name), passes edits to the model and shows the model's
// values and enabled states again after every change.
#include "dialogs/FieldModel.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QButtonGroup;

namespace kolv {

class FieldForm : public QWidget {
    Q_OBJECT

public:
    FieldForm(FieldModel& model, const std::vector<FormField>& fields, Prompter& prompter, QWidget* parent = nullptr);

    // Takes the text of every edit field into the model (before OK).
    void commitEdits();
    // Shows the model's values and enabled states.
    void refresh();
    // Checks the number fields; focuses the first bad one. True when all are fine.
    bool validate();
    QWidget* control(const std::string& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* makeControl(const FormField& field);
    void changed(const std::string& key);
    void chooseColour(const FormField& field);

    FieldModel& model_;
    const std::vector<FormField>& fields_;
    Prompter& prompter_;
    std::map<std::string, QWidget*> controls_;
    std::map<std::string, QButtonGroup*> radioGroups_;
    bool refreshing_ = false;
};

// A modal dialog around one FieldForm with OK and Cancel. OK first commits
// the edits, checks the number fields and then asks mayAccept (if given);
// the dialog stays open when either refuses.
class FieldFormDialog : public QDialog {
    Q_OBJECT

public:
    FieldFormDialog(const QString& title, FieldModel& model, const std::vector<FormField>& fields, Prompter& prompter,
                    QWidget* parent = nullptr);
    FieldForm* form() const { return form_; }
    std::function<bool()> mayAccept;

    void accept() override;

private:
    FieldForm* form_;
};

// UTF-8 caption without the "&" of its keyboard shortcut.
QString captionText(const std::string& caption);

}  // namespace kolv
