#pragma once
// The full-width alphanumeric check "全角英数字の有無": lists where the texts
// of the borehole hold full-width digits, letters or unit signs. It changes
// nothing.
#include "data/BoringData.h"

#include <QDialog>

class QPlainTextEdit;

namespace kolv {

class FullWidthCheckDialog : public QDialog {
    Q_OBJECT

public:
    explicit FullWidthCheckDialog(const BoringData& data, QWidget* parent = nullptr);
    QString report() const;

private:
    void check();

    const BoringData& data_;
    QPlainTextEdit* report_;
};

}  // namespace kolv
