#pragma once
// The tabbed form of the log style sheet: one FieldForm per page over one
// StyleSheetModel, with OK, Cancel and "適用" (apply without closing).
#include "dialogs/StyleSheetModel.h"

#include <QDialog>

#include <array>
#include <functional>

class QTabWidget;

namespace kolv {

class FieldForm;

class StyleSheetDialog : public QDialog {
    Q_OBJECT

public:
    StyleSheetDialog(StyleSheetModel& model, Prompter& prompter, QWidget* parent = nullptr);

    // Called by OK and "適用" once every page is valid.
    std::function<void()> apply;

    void accept() override;
    QTabWidget* tabs() const { return tabs_; }

private:
    // Leaves the shown page: its number fields must be valid (else the page
    // stays) and page 4 warns about the width.
    bool leavePage(int page);
    bool validateAll();

    StyleSheetModel& model_;
    Prompter& prompter_;
    QTabWidget* tabs_;
    std::array<FieldForm*, styleSheetPageCount> forms_{};
    int shownPage_ = 1;
};

}  // namespace kolv
