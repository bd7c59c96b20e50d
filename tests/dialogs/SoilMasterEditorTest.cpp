// The soil-name and pattern master editor's model: the soil-row rules, the
// list operations and their limits, the colour list, and the two files as
// the editor writes them and the loaders read them back.
#include "SettingsDialogTestSupport.h"

#include "dialogs/SoilMasterEditorModel.h"
#include "platform/Cp932Codec.h"
#include "settings/PatternColorFile.h"
#include "settings/SoilNameMasterFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace kolv;
using kolv::test::readFile;
using kolv::test::SettingsInstallation;
using kolv::test::sjis;
using kolv::test::writeFile;

namespace {

// The lines of the bundled soil-name master, four of them section headers.
constexpr int bundledSoilLines = 126;
constexpr int bundledSoilHeaders = 4;

// The messages shown so far, in UTF-8, emptied.
std::vector<std::string> takeMessages(RecordingPrompter& prompter)
{
    std::vector<std::string> texts;
    for (const auto& message : prompter.messages)
        texts.push_back(cp932ToUtf8(message.text));
    prompter.messages.clear();
    return texts;
}

using Messages = std::vector<std::string>;

const std::string unsuitable = "入力データが不適当です";
const std::string abnormal = "数値が異常です";
const std::string noData = "データがありません";
const std::string goAhead = "データがありませんが強行しますか";
const std::string dataMissing = "データが不足しています";
const std::string sameName = "同じ登録名があります";
const std::string specifyPosition = "データの位置を指定して下さい";
const std::string cannotHandleMore = "これ以上データを扱えません";

struct Editor {
    SettingsInstallation install;
    RecordingPrompter prompter;
    std::unique_ptr<SoilMasterEditorModel> model;

    // With the bundled masters, or with the soil lines given (UTF-8, CR LF added).
    explicit Editor(const std::vector<std::string>& soilLines = {})
    {
        if (!soilLines.empty()) {
            std::string text;
            for (const std::string& line : soilLines)
                text += sjis(line) + "\r\n";
            writeFile(install.file("WdtvJCA.mst"), text);
        }
        open();
    }
    void open()
    {
        model = std::make_unique<SoilMasterEditorModel>(install.settings, prompter);
        model->open();
    }
    void type(const char* name, const char* vector, const char* bitmap = "300")
    {
        model->setSoilField(SoilField::Name, sjis(name));
        model->setSoilField(SoilField::Symbol, "S");
        model->setSoilField(SoilField::VectorNumber, vector);
        model->setSoilField(SoilField::BitmapNumber, bitmap);
    }
    int rowNamed(const char* name) const
    {
        for (int row = 1; row <= model->soilRowCount(); ++row)
            if (model->soilRow(row).name == sjis(name))
                return row;
        return 0;
    }
    std::string soilFile() const { return readFile(install.file("WdtvJCA.mst")); }
    std::string colorFile() const { return readFile(install.file("PtnvcJG.ndx")); }
};

std::vector<std::string> manyRows(int dataRows)
{
    std::vector<std::string> lines = {"[第1部 土質・岩石名], ,660,"};
    for (int row = 1; row <= dataRows; ++row)
        lines.push_back("土" + std::to_string(row) + ",S,300.1,300.1");
    return lines;
}

}  // namespace

TEST(SoilMasterEditor, OpensBothListsWithMarksAndHeaderRows)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    EXPECT_TRUE(editor.prompter.messages.empty());
    EXPECT_EQ(model.soilRowCount(), bundledSoilLines);
    EXPECT_EQ(model.soilCell(1, 1), sjis("[第1部 土質・岩石名]"));
    EXPECT_EQ(model.soilCell(1, 3), "") << "a header row keeps only its name";
    const int sand = editor.rowNamed("浚渫土");  // 10092.2: consistency only
    ASSERT_GT(sand, 0);
    EXPECT_EQ(model.soilCell(sand, 2), "Dr");
    EXPECT_EQ(model.soilCell(sand, 3), "-");
    EXPECT_EQ(model.soilCell(sand, 4), "o");
    EXPECT_EQ(model.soilCell(sand, 5), "10092");
    EXPECT_EQ(model.soilCell(model.soilRowCount(), 1), sjis("[終了]"));
    EXPECT_EQ(model.colorRowCount(), 79);
    EXPECT_EQ(model.colorRow(2)[0], "1");
    EXPECT_EQ(cp932ToUtf8(model.colorRow(2)[3]), "礫混じり");
    const std::vector<std::string>& picks = model.bitmapPickLines();
    EXPECT_TRUE(picks.empty() || picks.back() == "j10004");
}

TEST(SoilMasterEditor, MissingFilesAreReportedAndLeaveEmptyLists)
{
    Editor editor;
    std::filesystem::remove(editor.install.file("WdtvJCA.mst"));
    std::filesystem::remove(editor.install.file("PtnvcJG.ndx"));
    editor.open();
    const Messages messages = takeMessages(editor.prompter);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "ファイルが見つかりません\n( C:\\Ostrand\\Qelm3\\WdtvJCA.mst )");
    EXPECT_EQ(editor.model->soilRowCount(), 0);
    EXPECT_EQ(editor.model->colorRowCount(), 0);
}

TEST(SoilMasterEditor, SoilRowRulesRefuseWithTheFirstFailingRule)
{
    struct Case {
        const char* name;
        const char* number;  // of the edit target ("線描")
        Answer answer;       // to a question
        Messages messages;
        bool inserted;
    };
    const Case cases[] = {
        {"泥質", "5", Answer::Yes, {unsuitable}, false},
        {"泥質", "10", Answer::Yes, {}, true},
        {"泥質", "90", Answer::Yes, {}, true},
        {"泥質", "91", Answer::Yes, {unsuitable}, false},
        {"礫混り", "12", Answer::Yes, {unsuitable}, false},
        {"礫混り", "3", Answer::Yes, {}, true},
        {"[第4部", "100", Answer::Yes, {unsuitable}, false},
        {"{注", "100", Answer::Yes, {unsuitable}, false},
        {"", "100", Answer::Yes, {noData}, false},
        {"新土", "", Answer::No, {goAhead}, false},
        {"新土", "", Answer::Yes, {goAhead, dataMissing}, true},
        {"新土", "abc", Answer::Yes, {unsuitable}, false},
        {"新土", "-1", Answer::Yes, {abnormal}, false},
        {"新土", "1000000", Answer::Yes, {abnormal}, false},
        {"新土", "999999", Answer::Yes, {}, true},
        {"[第4部", "", Answer::Yes, {unsuitable}, false},
        {"", "", Answer::Yes, {noData}, false},
    };
    for (const Case& c : cases) {
        Editor editor;
        SoilMasterEditorModel& model = *editor.model;
        model.selectSoilRow(2);
        editor.type(c.name, c.number);
        editor.prompter.scriptedAnswers = {c.answer};
        model.insertRow();
        const std::string label = std::string(c.name) + " " + c.number;
        EXPECT_EQ(takeMessages(editor.prompter), c.messages) << label;
        EXPECT_EQ(model.soilRowCount(), c.inserted ? bundledSoilLines + 1 : bundledSoilLines) << label;
        EXPECT_EQ(model.soilModified(), c.inserted) << label;
        if (c.inserted) {
            EXPECT_EQ(model.soilRow(2).name, sjis(c.name)) << label;
            EXPECT_EQ(model.soilField(SoilField::Name), "") << "fields cleared: " << label;
        } else {
            EXPECT_EQ(model.soilField(SoilField::Name), sjis(c.name)) << "fields kept: " << label;
        }
    }
}

TEST(SoilMasterEditor, TheRulesApplyToTheNumberOfTheEditTarget)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    model.selectSoilRow(2);
    model.setTarget(PatternTarget::Bitmap);
    editor.type("泥質", "5", "20");
    model.insertRow();
    EXPECT_TRUE(takeMessages(editor.prompter).empty());
    editor.type("土質", "20", "5");
    model.insertRow();
    EXPECT_EQ(takeMessages(editor.prompter), Messages{unsuitable});
}

TEST(SoilMasterEditor, InsertRefusesDuplicatesMissingPositionAndAFullList)
{
    {
        Editor editor;
        SoilMasterEditorModel& model = *editor.model;
        editor.type("新土", "300");
        model.insertRow();
        EXPECT_EQ(takeMessages(editor.prompter), Messages{specifyPosition});
        model.selectSoilRow(5);
        editor.type("砂", "300");
        model.insertRow();
        EXPECT_EQ(takeMessages(editor.prompter), Messages{sameName});
        EXPECT_FALSE(model.soilModified());
        // Rows inserted one after another keep their order before the selected row.
        const std::string fifth = model.soilRow(5).name;
        editor.type("新土A", "300");
        model.insertRow();
        editor.type("新土B", "300");
        model.insertRow();
        EXPECT_EQ(model.soilRow(5).name, sjis("新土A"));
        EXPECT_EQ(model.soilRow(6).name, sjis("新土B"));
        EXPECT_EQ(model.soilRow(7).name, fifth);
        // The blank line after the last row inserts at the end.
        model.selectSoilRow(model.soilRowCount() + 1);
        editor.type("新土C", "300");
        model.insertRow();
        EXPECT_EQ(model.soilRow(model.soilRowCount()).name, sjis("新土C"));
        EXPECT_TRUE(takeMessages(editor.prompter).empty());
    }
    for (const auto& [rows, accepted] : {std::pair{253, true}, std::pair{254, false}}) {
        Editor editor(manyRows(rows));
        editor.model->selectSoilRow(2);
        editor.type("新土", "300");
        editor.model->insertRow();
        EXPECT_EQ(takeMessages(editor.prompter), accepted ? Messages{} : Messages{cannotHandleMore}) << rows;
        EXPECT_EQ(editor.model->soilRowCount(), rows + 1 + (accepted ? 1 : 0));
    }
}

TEST(SoilMasterEditor, OverwriteKeepsItsOwnNameAndRefusesAnotherRowsName)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    const int sand = editor.rowNamed("砂");
    editor.type("砂", "300");
    model.overwriteRow();
    EXPECT_EQ(takeMessages(editor.prompter), Messages{specifyPosition});

    model.selectSoilRow(sand);
    model.editRow();
    EXPECT_EQ(model.soilField(SoilField::VectorNumber), "300");
    EXPECT_TRUE(model.density());
    model.setSoilField(SoilField::Symbol, "Sa");
    model.overwriteRow();
    EXPECT_TRUE(takeMessages(editor.prompter).empty());
    EXPECT_EQ(model.soilRow(sand).symbol, "Sa");
    EXPECT_TRUE(model.soilRow(sand).density) << "the check box came with the row";
    EXPECT_FALSE(model.density()) << "fields cleared";

    editor.type("粘土", "500");
    model.overwriteRow();
    EXPECT_EQ(takeMessages(editor.prompter), Messages{sameName});
    EXPECT_EQ(model.soilRow(sand).name, sjis("砂"));
}

TEST(SoilMasterEditor, DeleteAsksAndMovesKeepTheSelection)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    const std::string second = model.soilRow(2).name;
    const std::string third = model.soilRow(3).name;
    model.selectSoilRow(2);
    editor.prompter.scriptedAnswers = {Answer::No};
    model.deleteRow();
    EXPECT_EQ(takeMessages(editor.prompter), Messages{"反転データの行を削除します"});
    EXPECT_EQ(model.soilRow(2).name, second);
    EXPECT_FALSE(model.soilModified());

    model.moveRowDown();
    EXPECT_EQ(model.selectedSoilRow(), 3);
    EXPECT_EQ(model.soilRow(3).name, second);
    EXPECT_EQ(model.soilRow(2).name, third);
    model.moveRowUp();
    model.moveRowUp();
    EXPECT_EQ(model.selectedSoilRow(), 1);
    EXPECT_EQ(model.soilRow(1).name, second);
    EXPECT_TRUE(model.soilModified());

    editor.prompter.scriptedAnswers = {Answer::Yes};
    model.deleteRow();
    EXPECT_EQ(model.soilRowCount(), bundledSoilLines - 1);
    EXPECT_EQ(model.selectedSoilRow(), 0);
}

TEST(SoilMasterEditor, ColourListOverwriteAddsUpTo111Rows)
{
    Editor editor;
    std::string colors = sjis("[柱状図パターン色] ﾊﾟﾀｰﾝNo,色コード,既定色,略表示,地質例") + "\r\n";
    for (int row = 1; row <= 109; ++row)
        colors += std::to_string(row * 10) + ",0x000000,0x0000ff,a,b\r\n";
    writeFile(editor.install.file("PtnvcJG.ndx"), colors);
    editor.open();
    SoilMasterEditorModel& model = *editor.model;
    ASSERT_EQ(model.colorRowCount(), 110);

    model.selectColorRow(3);
    EXPECT_EQ(model.patternNumberField(), "20");
    EXPECT_EQ(model.colorField(), "0x000000");
    EXPECT_EQ(model.defaultColorField(), "0x0000ff");
    model.copyDefaultColor();
    EXPECT_EQ(model.colorField(), "0x0000ff");

    struct Case {
        int row;
        const char* number;
        const char* color;
        Messages messages;
    };
    const Case cases[] = {
        {3, "20", "", {noData}},
        {3, "20", "red", {unsuitable}},
        {3, "", "0x00ff00", {noData}},
        {0, "20", "0x00ff00", {specifyPosition}},
        {3, "30", "0x00ff00", {sameName}},
        {3, "20", "0x00ff00", {}},      // its own number
        {111, "5555", "0xff0000", {}},  // the 111th row
        {112, "6666", "0xff0000", {cannotHandleMore}},
    };
    for (const Case& c : cases) {
        model.selectColorRow(c.row);
        model.setPatternNumberField(c.number);
        model.setColorField(c.color);
        model.overwriteColor();
        EXPECT_EQ(takeMessages(editor.prompter), c.messages) << c.row << " " << c.number << " " << c.color;
    }
    EXPECT_EQ(model.colorRowCount(), 111);
    EXPECT_EQ(model.colorRow(3)[1], "0x00ff00");
    EXPECT_EQ(model.colorRow(111)[0], "5555");
    EXPECT_TRUE(model.colorModified());

    model.setAllDefaultColors();
    EXPECT_EQ(model.colorRow(3)[1], "0x0000ff");
    EXPECT_EQ(model.colorRow(1)[1], sjis("色コード")) << "the title line is no pattern";

    model.takeChosenColor(0x00a0b0c0);
    EXPECT_EQ(model.colorField(), "0xa0b0c0");
}

TEST(SoilMasterEditor, BitmapModeLeavesTheColourListAlone)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    model.setTarget(PatternTarget::Bitmap);
    model.selectColorRow(15);
    EXPECT_EQ(model.patternNumberField(), "");
    model.setPatternNumberField("300");
    model.setColorField("0x123456");
    model.overwriteColor();
    model.setAllDefaultColors();
    EXPECT_FALSE(model.colorModified());
    model.applyPatternNumber();
    EXPECT_EQ(model.soilField(SoilField::BitmapNumber), "300");
    EXPECT_EQ(model.soilField(SoilField::VectorNumber), "");
    model.setPatternNumberField("x");
    model.applyPatternNumber();
    EXPECT_EQ(takeMessages(editor.prompter), Messages{unsuitable});
}

TEST(SoilMasterEditor, OkWritesBothFilesThatTheLoadersReadBack)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    model.selectSoilRow(2);
    editor.type("新土", "300", "abc");
    model.setDensity(true);
    model.setConsistency(true);
    model.insertRow();
    editor.type("新土2", "400", "10400");
    model.setConsistency(true);
    model.insertRow();
    model.selectColorRow(model.colorRowCount() + 1);
    model.setPatternNumberField("9100");
    model.setColorField("0x0000ff");
    model.overwriteColor();
    ASSERT_TRUE(model.accept());

    const std::string soil = editor.soilFile();
    EXPECT_EQ(soil.substr(0, soil.find("\r\n") + 2), sjis("[第1部 土質・岩石名], ,660,\r\n"));
    EXPECT_NE(soil.find(sjis("\r\n新土,S,300.3,\r\n新土2,S,400.2,10400.2\r\n")), std::string::npos);
    EXPECT_NE(soil.find(sjis("\r\n[第2部 混じり]\r\n")), std::string::npos);
    EXPECT_EQ(soil.substr(soil.size() - 2), "\r\n");
    for (const std::string& file : {soil, editor.colorFile()}) {
        std::size_t bareLineFeeds = 0;
        for (std::size_t i = 0; i < file.size(); ++i)
            bareLineFeeds += file[i] == '\n' && (i == 0 || file[i - 1] != '\r');
        EXPECT_EQ(bareLineFeeds, 0u);
    }
    EXPECT_NE(editor.colorFile().find("\r\n9100,0x0000ff,0x0000ff,,\r\n"), std::string::npos);

    LogSettings loaded = editor.install.settings;
    Issues issues;
    EXPECT_EQ(loadSoilNameMaster(loaded, loaded.soilMasterPath, 0, issues), 660);
    EXPECT_EQ(loadSoilNameMaster(loaded, loaded.soilMasterPath, 1, issues), 660);
    ASSERT_TRUE(loadPatternColors(loaded, loaded.patternColorPath, issues));
    EXPECT_TRUE(issues.empty());
    const SoilNameRow& added = loaded.soilNameMaster.rows[0];
    EXPECT_EQ(added.name, sjis("新土"));
    EXPECT_EQ(added.patternNumber[0], 300);
    EXPECT_EQ(added.markDigit[0], 3);
    EXPECT_EQ(added.patternNumber[1], -1);
    EXPECT_EQ(loaded.soilNameMaster.rows[1].markDigit[1], 2);
    // The two rows typed in join the data rows.
    EXPECT_EQ(loaded.soilNameMaster.rows.size(), static_cast<std::size_t>(bundledSoilLines - bundledSoilHeaders + 2));
    EXPECT_EQ(loaded.patternColors.colorOf(9100), 0x0000ffu);
}

TEST(SoilMasterEditor, OkWritesOnlyTheChangedList)
{
    Editor editor;
    const std::string colors = editor.colorFile();
    const std::string soil = editor.soilFile();
    writeFile(editor.install.file("PtnvcJG.ndx"), colors + "x");  // would lose its last byte on a rewrite
    editor.open();
    ASSERT_TRUE(editor.model->accept());
    EXPECT_EQ(editor.colorFile(), colors + "x");
    EXPECT_EQ(editor.soilFile(), soil);
}

// The version is written after the very first line only: a list that starts
// with a data row would be written without one and load as no master at all.
TEST(SoilMasterEditor, OkRefusesASoilListThatDoesNotStartWithItsSectionHeader)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    const std::string before = editor.soilFile();
    model.selectSoilRow(1);
    model.moveRowDown();
    EXPECT_FALSE(model.accept());
    const Messages messages = takeMessages(editor.prompter);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "先頭の行が部の見出し ([第1部 …]) ではありません.\n見出しの行を先頭に移動してください.");
    EXPECT_EQ(editor.soilFile(), before);

    model.moveRowUp();
    EXPECT_TRUE(model.accept());
    LogSettings loaded = editor.install.settings;
    Issues issues;
    EXPECT_EQ(loadSoilNameMaster(loaded, loaded.soilMasterPath, 0, issues), 660);
}

// A master longer than the list fills (more names than the editor adds) is
// shown and written back whole.
TEST(SoilMasterEditor, ALongerMasterIsWrittenBackWhole)
{
    Editor editor(manyRows(299));
    SoilMasterEditorModel& model = *editor.model;
    ASSERT_EQ(model.soilRowCount(), 300);
    model.selectSoilRow(300);
    model.moveRowUp();
    ASSERT_TRUE(model.accept());
    const std::string soil = editor.soilFile();
    EXPECT_EQ(std::count(soil.begin(), soil.end(), '\n'), 300);
    EXPECT_NE(soil.find(sjis("土299,S,300.1,300.1\r\n土298,")), std::string::npos);
}

TEST(SoilMasterEditor, CancelAsksOnlyAfterChanges)
{
    Editor editor;
    SoilMasterEditorModel& model = *editor.model;
    EXPECT_TRUE(model.mayCancel());
    EXPECT_TRUE(editor.prompter.messages.empty());
    model.selectSoilRow(3);
    model.moveRowUp();
    for (const auto& [answer, closes] : {std::pair{Answer::No, false}, std::pair{Answer::Yes, true}}) {
        editor.prompter.scriptedAnswers = {answer};
        EXPECT_EQ(model.mayCancel(), closes);
        EXPECT_EQ(takeMessages(editor.prompter), Messages{"データが変更されましたが、キャンセルしてよいのですか？"});
    }
}
