#pragma once
// The window's own messages and questions (UTF-8 here, code page 932 bytes
// on their way to the Prompter).
#include "platform/Issue.h"
#include "platform/Prompter.h"

#include <string>
#include <string_view>

namespace kolv {

struct ShellMessage {
    int id;                 // string-table id, 0 for texts without one
    std::string_view text;  // UTF-8
};

namespace shellMessage {
inline constexpr ShellMessage closeQuestion{0, "データが変更されましたが、終了してよいのですか? "};
// New and open ask the same three-answer question before the changes go.
inline constexpr ShellMessage discardQuestion{0, "データが変更されましたが、破棄してよいのですか? "};
inline constexpr ShellMessage saveHint{0, "「名前を付けて保存」または「上書き保存」で保存して下さい. "};
inline constexpr ShellMessage notStandardExtension{4007, "標準の拡張子ではありません"};
inline constexpr ShellMessage saveFailed{4005, "保存できませんでした"};
inline constexpr ShellMessage exchangeFileIssues{
    0, "交換用データを出力しました. 次の値は記録どおりには出力できませんでした:"};
inline constexpr ShellMessage screenDrawingOff{0, "表示しません"};
inline constexpr ShellMessage screenDrawingOn{0, "表示します"};
}  // namespace shellMessage

// Shows a message through the prompter (the text converted to code page 932).
Answer showShellMessage(Prompter& prompter, const ShellMessage& message, MessageKind kind);

// Shows every issue a reader, a saver or the after-change step handed back.
void showIssues(Prompter& prompter, const Issues& issues);

}  // namespace kolv
