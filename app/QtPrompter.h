#pragma once
// Messages and questions as message boxes over the window, titled with the
// program's name.
#include "platform/Prompter.h"

class QWidget;

namespace kolv {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer show(int messageId, const std::string& text, MessageKind kind) override;

private:
    QWidget* parent_;
};

}  // namespace kolv
