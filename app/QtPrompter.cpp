#include "app/QtPrompter.h"

#include "platform/Cp932Codec.h"

#include <QMessageBox>

namespace kolv {

Answer QtPrompter::show(int, const std::string& text, MessageKind kind)
{
    const QString title = QStringLiteral("港湾柱状図");
    const QString message = QString::fromStdString(cp932ToUtf8(text));
    switch (kind) {
    case MessageKind::Question:
        return QMessageBox::question(parent_, title, message, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
                == QMessageBox::Yes
            ? Answer::Yes
            : Answer::No;
    case MessageKind::QuestionWithCancel: {
        const QMessageBox::StandardButton button = QMessageBox::question(
            parent_, title, message, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
        return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
    }
    case MessageKind::Warning:
        QMessageBox::warning(parent_, title, message);
        return Answer::Ok;
    case MessageKind::Error:
        QMessageBox::critical(parent_, title, message);
        return Answer::Ok;
    case MessageKind::Information:
        break;
    }
    QMessageBox::information(parent_, title, message);
    return Answer::Ok;
}

}  // namespace kolv
