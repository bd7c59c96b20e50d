#include "dialogs/DocumentTextEntry.h"

#include "dialogs/DataDialogMessages.h"
#include "platform/Cp932Codec.h"

#include <QList>

namespace kolv {

std::optional<std::string> documentTextOf(const QString& text, Prompter& prompter)
{
    const QByteArray utf8 = text.toUtf8();
    int replaced = 0;
    std::string converted = utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                                        &replaced);
    if (replaced == 0)
        return converted;
    for (const uint codePoint : text.toUcs4()) {
        const QByteArray one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1).toUtf8();
        int missing = 0;
        utf8ToCp932(std::string_view(one.constData(), static_cast<std::size_t>(one.size())), &missing);
        if (missing > 0) {
            const std::string name =
                (QStringLiteral("U+") + QString::number(static_cast<uint>(codePoint), 16).toUpper().rightJustified(4, '0'))
                    .toStdString();
            showDialogMessage(prompter, DataDialogMessage::characterNotAllowed, MessageKind::Warning, name);
            return std::nullopt;
        }
    }
    showDialogMessage(prompter, DataDialogMessage::characterNotAllowed, MessageKind::Warning, "?");
    return std::nullopt;
}

QString screenText(const std::string& documentText)
{
    return QString::fromStdString(cp932ToUtf8(documentText));
}

}  // namespace kolv
