#include "dialogs/SettingsDialogText.h"

#include "platform/Cp932Codec.h"

namespace kolv {

std::string localText(std::string_view utf8)
{
    return utf8ToCp932(utf8);
}

std::string abnormalNumberMessage()
{
    return localText("数値が異常です");
}

std::string unsuitableInputMessage()
{
    return localText("入力データが不適当です");
}

std::string discardChangesMessage()
{
    return localText("データが変更されましたが、キャンセルしてよいのですか？");
}

std::string noDataMessage()
{
    return localText("データがありません");
}

std::string cannotHandleMoreMessage()
{
    return localText("これ以上データを扱えません");
}

std::string specifyPositionMessage()
{
    return localText("データの位置を指定して下さい");
}

std::string sameNameMessage()
{
    return localText("同じ登録名があります");
}

std::string widthTooLargeMessage()
{
    return localText("印刷横幅が大きすぎる値（＞270）です");
}

}  // namespace kolv
