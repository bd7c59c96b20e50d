#include "app/CommandTable.h"

#include "app/CommandIds.h"

#include <algorithm>
#include <array>

namespace kolv {

namespace {

using enum CommandMenu;
using enum CommandRoute;

constexpr std::array menus{
    MenuEntry{File, "ﾌｧｲﾙ(&F)"}, MenuEntry{Edit, "編集(&E)"},     MenuEntry{Data, "データ(&A)"},
    MenuEntry{View, "表示(&V)"}, MenuEntry{Settings, "設定(&S)"}, MenuEntry{Help, "ﾍﾙﾌﾟ(&H)"},
};

// The recent-file entry stands for the list of up to four files.
constexpr std::array commands{
    CommandEntry{command::newDocument, File, "新規作成(&N)\tCtrl+N", "Ctrl+N", "新規に柱状図を作成\n新規作成"},
    CommandEntry{command::open, File, "開く(&O)...\tCtrl+O", "Ctrl+O", "既存のファイルを開く\n開く"},
    CommandEntry{command::openDelivery, File, "電子納品フォルダを開く...", "",
                 "電子納品のBORINGフォルダを開き、ボーリングの一覧を表示\n電子納品フォルダを開く"},
    CommandEntry{command::save, File, "上書き保存(&S)\tCtrl+S", "Ctrl+S", "開いているファイルを上書き保存\n上書き保存"},
    CommandEntry{command::saveAs, File, "名前を付けて保存(&A)...", "", "ファイルに名前を付けて保存\n名前を付けて保存"},
    CommandEntry{command::exportXml, File, "交換用データ(XML)出力(&X)...", "",
                 "電子納品用のボーリング交換用データ(XML)を出力\nXML出力", Shell, true},
    CommandEntry{command::print, File, "印刷(&P)...\tCtrl+P", "Ctrl+P", "柱状図を印刷\n印刷", Shell, true},
    CommandEntry{command::printPreview, File, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)", "", "印刷イメージを表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
    CommandEntry{command::exportPdf, File, "PDFに出力(&D)...", "", "印刷と同じページをPDFファイルに出力\nPDF出力"},
    CommandEntry{command::exportDeliveryLogs, File, "柱状図PDFをすべて出力...", "",
                 "電子納品フォルダのすべてのボーリングの柱状図をPDFに出力\n柱状図PDFをすべて出力"},
    CommandEntry{command::printSetup, File, "ﾌﾟﾘﾝﾀの設定(&R)...", "", "プリンタと用紙を設定\nﾌﾟﾘﾝﾀの設定"},
    CommandEntry{command::paperDefaults, File, "用紙の初期設定(&Y)...", "", "印刷用紙の初期設定", SettingsDialog},
    CommandEntry{command::recentFile, File, "最新のﾌｧｲﾙ", "", "このファイルを開く\n開く"},
    CommandEntry{command::exit, File, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "", "アプリケーションを終了\n終了"},

    CommandEntry{command::undo, Edit, "元に戻す(&U)\tCtrl+Z", "Ctrl+Z", "直前の入力を取り消す\n元に戻す"},
    CommandEntry{command::redo, Edit, "やり直し(&R)\tCtrl+Y", "Ctrl+Y", "取り消した入力をやり直す\nやり直し"},

    CommandEntry{command::heading, Data, "見出し (&M)", "", "調査名、地点、標高などの見出しを入力\n見出し",
                 SettingsDialog},
    CommandEntry{command::geology, Data, "地質/色調 (&T)", "", "地層の深度、土質名、色調を入力\n地質/色調", DataDialog,
                 true},
    CommandEntry{command::nValue, Data, "Ｎ値 (&N)", "", "標準貫入試験のＮ値と打撃回数を入力\nＮ値", DataDialog},
    CommandEntry{command::notes, Data, "記事 (&K)", "", "観察記事を入力\n記事", DataDialog},
    CommandEntry{command::samples, Data, "試料(&E)", "", "試料の採取深度と試験を入力\n試料", DataDialog},
    CommandEntry{command::recovery, Data, "回収比ｑｕ(&Q)", "", "コア回収比と一軸圧縮強さを入力\n回収比ｑｕ",
                 DataDialog},
    CommandEntry{command::waterLevel, Data, "水位(&W)", "", "孔内水位を入力\n水位", DataDialog},
    CommandEntry{command::inSitu, Data, "原位置試験(&G)", "", "原位置試験を入力\n原位置試験", DataDialog},
    CommandEntry{command::drilling, Data, "削孔(&H)", "", "削孔の進捗(月日と深度)を入力\n削孔", DataDialog},
    CommandEntry{command::freeNotes, Data, "自由記事(&F)", "", "柱状図下部の自由記事を入力\n自由記事", DataDialog},
    CommandEntry{command::fullWidthCheck, Data, "全角英数字(&Z)", "", "全角の英数字が使われているか調べる\n全角英数字",
                 DataDialog, true},

    CommandEntry{command::toolBar, View, "ﾂｰﾙ ﾊﾞｰ(&T)", "", "ツール バーの表示/非表示\nﾂｰﾙ ﾊﾞｰ", Shell, false, true},
    CommandEntry{command::statusBar, View, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "", "ステータス バーの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰ", Shell, false,
                 true},
    CommandEntry{command::screenDrawing, View, "画面表示(&D)", "", "画面表示のＯＮ、ＯＦＦ\n画面表示", Shell, false,
                 true},
    CommandEntry{command::displayWidth, View, "表示幅(&W)", "", "各欄の表示幅を調整\n表示幅", SettingsDialog, true},
    CommandEntry{command::pageFooter, View, "ページ(&F)", "", "ページ番号の表示を設定\nページ", SettingsDialog},
    CommandEntry{command::previousPage, View, "前のページへ(&B)\tPage Up", "", "前のページへ\n前頁", Shell, true},
    CommandEntry{command::nextPage, View, "次のページへ(&N)\tPage Down", "", "次のページへ\n次頁"},
    CommandEntry{command::zoomIn, View, "拡大(&I)\tCtrl++", "Ctrl++", "画面の表示を拡大\n拡大", Shell, true},
    CommandEntry{command::zoomOut, View, "縮小(&O)\tCtrl+-", "Ctrl+-", "画面の表示を縮小\n縮小"},
    CommandEntry{command::fitWidth, View, "幅に合わせる(&G)", "", "柱状図の幅をウィンドウに合わせる\n幅に合わせる"},
    CommandEntry{command::actualSize, View, "等倍(&A)\tCtrl+0", "Ctrl+0", "実寸の倍率で表示\n等倍"},

    CommandEntry{command::scaleAndDepth, Settings, "縮尺と深度(&S)", "", "柱状図の縮尺と1頁の表示、印刷深度",
                 SettingsDialog},
    CommandEntry{command::logStyle, Settings, "柱状図様式(&Y)", "", "N値目盛り、柱状図枠の線種、マージンなど",
                 SettingsDialog},
    CommandEntry{command::soilNames, Settings, "編集 地質名と図模様(&P)", "",
                 "土質地質名の登録編集と柱状図パターンの対応設定", SettingsDialog, true},
    CommandEntry{command::shortTexts, Settings, "編集 技術者ほかの短文(&A)", "",
                 "色調、技術者などのマスタファイルの編集", SettingsDialog},
    CommandEntry{command::masterFileNames, Settings, "登録用マスタファイル名(&R)", "",
                 "マスタファイルと図模様フォルダの指定", SettingsDialog},
    CommandEntry{command::fonts, Settings, "フォント(&F)", "", "活字の書体とサイズ", SettingsDialog, true},
    CommandEntry{command::keyOptions, Settings, "キーの動作、入力画面オプション(&E)", "",
                 "Enterキーの動作とデータ入力画面のオプション", SettingsDialog},
    CommandEntry{command::setup, Settings, "セットアップ(&U)", "", "本システムのインストール場所の設定", SettingsDialog,
                 true},

    CommandEntry{command::help, Help, "操作＆ヘルプ(&H)", "", "操作の説明を表示\n操作＆ヘルプ", SettingsDialog},
    CommandEntry{command::about, Help, "ﾊﾞｰｼﾞｮﾝ情報(&A)", "", "プログラム情報、バージョンを表示\nﾊﾞｰｼﾞｮﾝ情報", Shell,
                 true},
};

constexpr std::array toolBar{
    command::newDocument,  command::open,    command::save, 0, command::print, command::about, 0,
    command::previousPage, command::nextPage};

}  // namespace

std::span<const MenuEntry> menuTitles()
{
    return menus;
}

std::span<const CommandEntry> commandTable()
{
    return commands;
}

const CommandEntry* findCommand(int id)
{
    const auto found =
        std::find_if(commands.begin(), commands.end(), [id](const CommandEntry& c) { return c.id == id; });
    return found == commands.end() ? nullptr : &*found;
}

std::span<const int> toolBarCommands()
{
    return toolBar;
}

std::string_view statusTextOf(std::string_view prompt)
{
    return prompt.substr(0, prompt.find('\n'));
}

std::string_view toolTipOf(std::string_view prompt)
{
    const std::size_t lineBreak = prompt.find('\n');
    return lineBreak == std::string_view::npos ? prompt : prompt.substr(lineBreak + 1);
}

}  // namespace kolv
