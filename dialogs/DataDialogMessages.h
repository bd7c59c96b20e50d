#pragma once
// The messages and questions of the data-entry dialogs: string-table id and
// text. Texts are UTF-8 here and reach the Prompter as code page 932.
#include "platform/Prompter.h"

#include <string>
#include <string_view>

namespace kolv {

struct DialogMessage {
    int id;
    std::string_view text;  // UTF-8
};

namespace DataDialogMessage {
inline constexpr DialogMessage cancelWithChanges{131, "データが変更されましたが、キャンセルしてよいのですか？"};
inline constexpr DialogMessage editInField{134, "エディットボックス内で編集してください\nリスト表内では編集できません."};
inline constexpr DialogMessage cannotAdd{901, "追加できません."};
inline constexpr DialogMessage atCapacity{902, "最大行数です. 追加できません."};
inline constexpr DialogMessage noData{903, "データが無い、または不正です."};
inline constexpr DialogMessage cannotOverwrite{904, "上書きできません."};
inline constexpr DialogMessage overwriteOutOfRange{905, "上書きできません. 指定行が範囲外です."};
inline constexpr DialogMessage overwriteNotFound{907, "上書きできません、同じ %1 がありません."};
inline constexpr DialogMessage duplicateOnAdd{908, "同じ %1データがあります.\n修正なら上書きしてください."};
inline constexpr DialogMessage unusualWaterLevel{910, "水位が異常です.\u3000"};
inline constexpr DialogMessage allPatternsFound{801, "ビットマップパターンはすべて見つかりました."};
inline constexpr DialogMessage copyDuplicateDepth{3999, "同じ深度データがあります。（%1） \n追加しますか？"};
inline constexpr DialogMessage inSituDuplicateDepth{
    4000, "同じ深度データがあります. ｢上書き｣を選択して下さい\n[いいえ］はデータ追加強行. あとで どれか削除して下さい）"};
inline constexpr DialogMessage noMoreRows{4001, "これ以上データを扱えません"};
inline constexpr DialogMessage notForAlternation{4006, "互層には使用できません"};
inline constexpr DialogMessage valueOutOfRange{32777, "数値が異常です"};
inline constexpr DialogMessage fileNotFound{32790, "ファイルが見つかりません\n( %1 )"};
inline constexpr DialogMessage unsuitableInput{32791, "入力データが不適当です"};
// Messages of this system without a string-table entry.
inline constexpr DialogMessage sameDepthHeader{0, "同じ深度があります"};
inline constexpr DialogMessage frameHeightUnusual{0, "記事欄枠データが異常です.\u3000"};
inline constexpr DialogMessage missingPatterns{0, "見つからないビットマップパターンがあります."};
inline constexpr DialogMessage characterNotAllowed{0, "シフトJISにない文字 (%1) は入力できません."};
inline constexpr DialogMessage controlCharacterNotAllowed{0, "制御文字 (%1) は入力できません."};
inline constexpr DialogMessage pasteStopped{0, "%1行目で貼り付けを中止しました."};
}  // namespace DataDialogMessage

// The key name of messages 907 and 908.
inline constexpr std::string_view depthKeyName = "深度";

// Code page 932 of a UTF-8 text of this program.
std::string documentText(std::string_view utf8);

// Shows the message (its "%1" filled with value, code page 932) and returns the answer.
Answer showDialogMessage(Prompter& prompter, const DialogMessage& message, MessageKind kind = MessageKind::Information,
                         const std::string& value = {});

}  // namespace kolv
