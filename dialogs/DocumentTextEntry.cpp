#include "dialogs/DocumentTextEntry.h"

#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

#include <QList>

namespace kolv {

namespace {

// "U+D55C": how a message names a character that it cannot show.
std::string codePointName(uint codePoint)
{
    return (QStringLiteral("U+") + QString::number(codePoint, 16).toUpper().rightJustified(4, '0')).toStdString();
}

}  // namespace

std::optional<std::string> documentTextOf(const QString& text, Prompter& prompter)
{
    // Control characters would break the lines of the document file; tabs
    // and line breaks are the separators of pasted rows and notes.
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if ((code < 0x20 && code != '\t' && code != '\r' && code != '\n') || code == 0x7F) {
            showMessage(prompter, Message::ControlCharacterNotAllowed, MessageKind::Warning, codePointName(code));
            return std::nullopt;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    int replaced = 0;
    std::string converted =
        utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), &replaced);
    if (replaced == 0)
        return converted;
    for (const uint codePoint : text.toUcs4()) {
        const QByteArray one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1).toUtf8();
        int missing = 0;
        utf8ToCp932(std::string_view(one.constData(), static_cast<std::size_t>(one.size())), &missing);
        if (missing > 0) {
            showMessage(prompter, Message::CharacterNotAllowed, MessageKind::Warning, codePointName(codePoint));
            return std::nullopt;
        }
    }
    showMessage(prompter, Message::CharacterNotAllowed, MessageKind::Warning, "?");
    return std::nullopt;
}

QString screenText(const std::string& documentText)
{
    return QString::fromStdString(cp932ToUtf8(documentText));
}

}  // namespace kolv
