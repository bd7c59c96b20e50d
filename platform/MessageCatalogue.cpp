#include "platform/MessageCatalogue.h"

#include "platform/Cp932Codec.h"
#include "platform/Prompter.h"

#include <iterator>

namespace kolv {

namespace {

struct CatalogueEntry {
    Message message;
    int id;
    std::string_view utf8;
};

constexpr CatalogueEntry catalogue[] = {
    {Message::FileNotFound, 32790, "ファイルが見つかりません\n( %1 )"},
    {Message::CannotOpen, 32793, "このファイルは開けません"},
    {Message::SaveFailed, 4005, "保存できませんでした"},
    {Message::PathSaveFailed, 0, "%1\n保存できませんでした"},
    {Message::UnknownDtdVersion, 4010, "DTDバージョンが不明または未対応です."},
    {Message::TooManyCsv, 0, "too many csv"},
    {Message::CannotCreateFont, 0, "Can't create font"},
    {Message::SameData, 0, "同じデータがあります"},
    {Message::SameDataPair, 0, "%2d行目と%2d行目 [%s]\u3000%s"},
};

const CatalogueEntry& entryOf(Message message)
{
    return catalogue[static_cast<int>(message)];
}

static_assert([] {
    for (int index = 0; index < static_cast<int>(std::size(catalogue)); ++index)
        if (catalogue[index].message != static_cast<Message>(index))
            return false;
    return true;
}(), "catalogue listed in the order of Message");

}  // namespace

int messageId(Message message)
{
    return entryOf(message).id;
}

std::string messageText(Message message, const std::string& value)
{
    // "%1" is replaced after the conversion, so that a path keeps its bytes.
    return fillPlaceholder(utf8ToCp932(entryOf(message).utf8), value);
}

Issue issueOf(Message message, MessageKind kind, const std::string& value)
{
    return {messageId(message), messageText(message, value), kind};
}

}  // namespace kolv
