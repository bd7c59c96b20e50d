#pragma once
// Message texts and ids shared by the settings dialogs (code page 932).
#include <string>
#include <string_view>

namespace kolv {

// Code page 932 text of a UTF-8 literal.
std::string localText(std::string_view utf8);

inline constexpr int abnormalNumberMessageId = 32777;   // "数値が異常です"
inline constexpr int unsuitableInputMessageId = 32791;  // "入力データが不適当です"
inline constexpr int discardChangesMessageId = 131;     // "データが変更されましたが、キャンセルしてよいのですか？"

std::string abnormalNumberMessage();
std::string unsuitableInputMessage();
std::string discardChangesMessage();
std::string noDataMessage();             // "データがありません"
std::string cannotHandleMoreMessage();   // "これ以上データを扱えません"
std::string specifyPositionMessage();    // "データの位置を指定して下さい"
std::string sameNameMessage();           // "同じ登録名があります"
std::string widthTooLargeMessage();      // "印刷横幅が大きすぎる値（＞270）です"

}  // namespace kolv
