#pragma once
// "バージョン情報": the program's icon, three lines about the product and an
// OK button.
#include <QDialog>

namespace kolv {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

// The program's icon (the drawn log in the bundled SVG).
QIcon applicationIcon();

}  // namespace kolv
