#pragma once
// The form of the font dialog: one row per text font of the log with its
// button (the platform's font chooser), face, size, colour swatch and what
// the font is used for.
#include "dialogs/FontDialogModel.h"

#include <QDialog>

#include <array>

class QPushButton;
class QLineEdit;

namespace kolv {

class FontDialog : public QDialog {
    Q_OBJECT

public:
    FontDialog(FontDialogModel& model, Prompter& prompter, QWidget* parent = nullptr);

    void reject() override;
    // The chooser's result for a slot, as the font chooser gives it.
    void takeChosenFont(int slot, const QFont& font, const QColor& color);

private:
    void chooseFont(int slot);
    void chooseColour(int slot);
    void refresh();

    FontDialogModel& model_;
    Prompter& prompter_;
    std::array<QLineEdit*, fontSlotCount> faces_{};
    std::array<QLineEdit*, fontSlotCount> sizes_{};
    std::array<QPushButton*, fontSlotCount> swatches_{};
};

// The resolution the sizes are converted with: that of the screen the log is
// drawn on first, 96 dots an inch.
inline constexpr int fontDialogDotsPerInch = 96;

}  // namespace kolv
