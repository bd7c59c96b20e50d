#include "platform/MessageCatalogue.h"

#include "platform/Cp932Codec.h"

#include <iterator>
#include <string_view>

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
    {Message::CannotOpenDeliveryFile, 32793,
     "このファイルは開けません\n電子納品の管理ファイル (BORING.XML) です. "
     "ファイルメニューの「電子納品フォルダを開く...」で開くか, kolv-cli delivery で柱状図を出力してください."},
    {Message::SaveFailed, 4005, "保存できませんでした"},
    {Message::PathSaveFailed, 0, "%1\n保存できませんでした"},
    {Message::UnknownDtdVersion, 4010, "DTDバージョンが不明または未対応です."},
    {Message::XmlEndsEarly, 0,
     "ファイルが最後の要素の閉じる前に終わっています. 柱状図が欠けているかもしれません.\n( %1 )"},
    {Message::XmlNotWellFormed, 0, "XMLの形が崩れています: %2. 読める所まで読み込みました.\n( %1 )"},
    {Message::RowsPastCapacity, 0, "%1 の行数を超えた %2 行を読み込みませんでした."},
    {Message::TooManyCsv, 0, "too many csv"},
    {Message::CannotCreateFont, 0, "Can't create font"},
    {Message::NotStandardExtension, 4007, "標準の拡張子ではありません"},

    {Message::SameData, 0, "同じデータがあります"},
    {Message::SameDataPair, 0, "%2d行目と%2d行目 [%s]\u3000%s"},
    {Message::SaveQuestion, 0, "保存しますか\u3000"},
    {Message::DeleteRowQuestion, 0, "1行削除します.\u3000"},
    {Message::CannotSpecify, 0, "指定できません"},
    {Message::PreviousVersionAdded, 0, "旧バージョンからの追加データ数=[ %1 ]\n%2"},
    {Message::PreviousVersionNothing, 0, "旧バージョンからの追加データはありませんでした"},
    {Message::GoAheadWithoutNumber, 0, "データがありませんが強行しますか"},
    {Message::DataMissing, 0, "データが不足しています"},
    {Message::DeleteSelectedRow, 0, "反転データの行を削除します"},
    {Message::BitmapNotFound, 0, "白黒ビットマップファイルは見つかりません\n( %1 )"},
    {Message::FirstRowNotSectionHeader, 0,
     "先頭の行が部の見出し ([第1部 …]) ではありません.\n見出しの行を先頭に移動してください."},

    {Message::CancelWithChanges, 131, "データが変更されましたが、キャンセルしてよいのですか？"},
    {Message::EditInField, 134, "エディットボックス内で編集してください\nリスト表内では編集できません."},
    {Message::CannotAdd, 901, "追加できません."},
    {Message::AtCapacity, 902, "最大行数です. 追加できません."},
    {Message::NoDataOrInvalid, 903, "データが無い、または不正です."},
    {Message::CannotOverwrite, 904, "上書きできません."},
    {Message::OverwriteOutOfRange, 905, "上書きできません. 指定行が範囲外です."},
    {Message::OverwriteNotFound, 907, "上書きできません、同じ %1 がありません."},
    {Message::DuplicateOnAdd, 908, "同じ %1データがあります.\n修正なら上書きしてください."},
    {Message::UnusualWaterLevel, 910, "水位が異常です.\u3000"},
    {Message::AllPatternsFound, 801, "ビットマップパターンはすべて見つかりました."},
    {Message::CopyDuplicateDepth, 3999, "同じ深度データがあります。（%1） \n追加しますか？"},
    {Message::InSituDuplicateDepth, 4000,
     "同じ深度データがあります. ｢上書き｣を選択して下さい\n[いいえ］はデータ追加強行. あとで どれか削除して下さい）"},
    {Message::NoMoreRows, 4001, "これ以上データを扱えません"},
    {Message::NotForAlternation, 4006, "互層には使用できません"},
    {Message::AbnormalNumber, 32777, "数値が異常です"},
    {Message::UnsuitableInput, 32791, "入力データが不適当です"},
    {Message::SameDepthHeader, 0, "同じ深度があります"},
    {Message::FrameHeightUnusual, 0, "記事欄枠データが異常です.\u3000"},
    {Message::MissingPatterns, 0, "見つからないビットマップパターンがあります."},
    {Message::CharacterNotAllowed, 0, "シフトJISにない文字 (%1) は入力できません."},
    {Message::ControlCharacterNotAllowed, 0, "制御文字 (%1) は入力できません."},
    {Message::PasteStopped, 0, "%1行目で貼り付けを中止しました."},
    {Message::PendingRow, 0, "入力中のデータがデータ一覧に入っていません.\n追加してから閉じますか？"},
    {Message::EmptySoilName, 0, "地質名が空の層があります ( %1 m ).\n地質名なしで上の層を分けてよいですか？"},
    {Message::NoData, 0, "データがありません"},
    {Message::SpecifyPosition, 0, "データの位置を指定して下さい"},
    {Message::SameName, 0, "同じ登録名があります"},
    {Message::WidthTooLarge, 0, "印刷横幅が大きすぎる値（＞270）です"},
    {Message::IntegerExpected, 61712, "整数を入力してください。"},
    {Message::IntegerRange, 61713, "%1 から %2 までの整数を入力してください。"},
    {Message::ScaleStartDepth, 4043,
     "標尺目盛りの深度表示を 整数位置にするには\nメニュー「設定」-「縮尺と深度」の印刷開始深度を\u3000\n"
     "整数(通常は0)にして下さい.\u3000\n"},
    {Message::ScaleStartElevation, 4042,
     "標尺目盛りの表示を 整数位置にするにはメニュー\n「設定」-「縮尺と深度」の印刷開始深度を調節して下さい.\u3000\n"},
    {Message::NoDrawingLength, 0, "作図長さがありません"},
    {Message::PageDepth, 0, "１ページの印刷深度は\n約 %1 (m)です"},
    {Message::PathAbnormal, 0, "パス名が異常です"},
    {Message::FooterOffPaper, 0, "フッタ表示位置が用紙外の可能性があります \n( %1 mm)"},
    {Message::ViewerNotStarted, 0, "ヘルプファイルを開くプログラムを起動できませんでした\n( %1 )"},

    {Message::CloseQuestion, 0, "データが変更されましたが、終了してよいのですか? "},
    {Message::DeliveryNotOpened, 0, "電子納品フォルダを開けません\n( %1 )\n%2"},
    {Message::DeliveryLogsExist, 0,
     "柱状図PDFが %1 個既にあります.\n上書きしますか\n(いいえ: 既にあるPDFはそのまま残します)"},
    {Message::DeliveryLogsNotWritten, 0, "次の柱状図PDFは出力できませんでした\n%1"},
    {Message::DiscardQuestion, 0, "データが変更されましたが、破棄してよいのですか? "},
    {Message::SaveHint, 0, "「名前を付けて保存」または「上書き保存」で保存して下さい. "},
    {Message::ExchangeFileIssues, 0, "このまま出力しますか. 次の値は交換用データに記録どおりには出力できません:"},
    {Message::ExchangeFileMoreIssues, 0, "\n… ほか %1 件"},
    {Message::ScreenDrawingOff, 0, "表示しません"},
    {Message::ScreenDrawingOn, 0, "表示します"},
};

const CatalogueEntry& entryOf(Message message)
{
    return catalogue[static_cast<int>(message)];
}

static_assert(
    [] {
        for (int index = 0; index < static_cast<int>(std::size(catalogue)); ++index)
            if (catalogue[index].message != static_cast<Message>(index))
                return false;
        return true;
    }(),
    "catalogue listed in the order of Message");

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

std::string messageText(Message message, const std::string& value, const std::string& secondValue)
{
    // The placeholders are replaced after the conversion, so that a path
    // keeps its bytes, and in one pass, so that a value that itself reads
    // "%2" stays as it is. "%" is never the second byte of a double-byte
    // character, so a byte search is exact.
    const std::string text = utf8ToCp932(entryOf(message).utf8);
    std::string result;
    std::size_t from = 0;
    std::size_t at = text.find('%');
    while (at != std::string::npos && at + 1 < text.size()) {
        const char digit = text[at + 1];
        if (digit != '1' && digit != '2') {
            at = text.find('%', at + 1);
            continue;
        }
        result.append(text, from, at - from);
        result += digit == '1' ? value : secondValue;
        from = at + 2;
        at = text.find('%', from);
    }
    result.append(text, from, std::string::npos);
    return result;
}

Issue issueOf(Message message, MessageKind kind, const std::string& value)
{
    return {messageId(message), messageText(message, value), kind};
}

Issue issueOf(Message message, MessageKind kind, const std::string& value, const std::string& secondValue)
{
    return {messageId(message), messageText(message, value, secondValue), kind};
}

Answer showMessage(Prompter& prompter, Message message, MessageKind kind, const std::string& value)
{
    return prompter.show(messageId(message), messageText(message, value), kind);
}

Answer showMessage(Prompter& prompter, Message message, MessageKind kind, const std::string& value,
                   const std::string& secondValue)
{
    return prompter.show(messageId(message), messageText(message, value, secondValue), kind);
}

}  // namespace kolv
