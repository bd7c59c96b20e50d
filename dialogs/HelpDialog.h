#pragma once
// "操作＆ヘルプ": the lines of Help.txt in a drop-down list, and
// "開いて印刷", which opens the file with the desktop's text viewer.
#include "platform/Prompter.h"
#include "settings/LogSettings.h"

#include <QDialog>

namespace kolv {

class HelpDialog : public QDialog {
    Q_OBJECT

public:
    HelpDialog(const LogSettings& settings, Prompter& prompter, QWidget* parent = nullptr);

private:
    void openHelpFile();

    const LogSettings& settings_;
    Prompter& prompter_;
};

}  // namespace kolv
