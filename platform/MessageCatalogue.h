#pragma once
// Every message the libraries hand back, with its string-table id and its
// text, in one place. Texts are the system's own; "%1" stands for a value
// filled in when the message is made (a file path).
#include "platform/Issue.h"

#include <string>
#include <string_view>

namespace kolv {

enum class Message {
    FileNotFound,       // 32790 "ファイルが見つかりません\n( %1 )"
    CannotOpen,         // 32793 "このファイルは開けません"
    SaveFailed,         // 4005 "保存できませんでした"
    PathSaveFailed,     // "%1\n保存できませんでした" (a master file named by its path)
    UnknownDtdVersion,  // 4010 "DTDバージョンが不明または未対応です."
    TooManyCsv,         // "too many csv": a line longer than the sister programs read
    CannotCreateFont,   // "Can't create font"
    SameData,           // "同じデータがあります" (a master file with equal entries)
    SameDataPair,       // "%2d行目と%2d行目 [%s]\u3000%s": two rows, the text and the mark
};

// The string-table id of a message; 0 for a message without one.
int messageId(Message message);

// The text (code page 932) with "%1" replaced by value.
std::string messageText(Message message, const std::string& value = {});

// The message as an issue of the given kind.
Issue issueOf(Message message, MessageKind kind, const std::string& value = {});

}  // namespace kolv
