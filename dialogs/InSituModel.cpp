#include "dialogs/InSituModel.h"

#include "data/Number.h"
#include "dialogs/MasterLines.h"
#include "dialogs/StoreTable.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

namespace kolv {

namespace {

using F = InSituModel::Field;

const ListDialogTable& inSituDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "原位置試験";
        s.capacity = BoringData::InSituTable::capacity;
        s.storeCellCount = BoringData::InSituTable::cellCount;
        s.fields = {
            {"深度 m", FieldKind::Text, {}, "深度"},
            {"深度 下線", FieldKind::Check, {}, "深度"},
            {"深度 表示", FieldKind::Check, {}, "深度"},
            {"記事1 名称", FieldKind::Text, {}, "記事"},
            {"記事 下線", FieldKind::Check, {}, "記事"},
            {"記事2 結果", FieldKind::Text, {}, "記事"},
            {"断面図用記号", FieldKind::Choice, {"○", "●", "◎", "▽", "▼", "◇", "◆", "□", "■", "△", "▲"}},
            {"表示位置", FieldKind::Radio, {"深度線の上", "深度線が中心", "深度線の下"}},
            {"属性", FieldKind::Display},
            {"記事欄", FieldKind::Check, {}, "記事"},
            {"深度下 m", FieldKind::Display, {}, "深度"},
        };
        s.columns = {
            {"m", 60, F::Depth, 1, 1},     {"_", 20, F::DepthLine, 1, 0},   {"表示", 32, F::DepthShown, 1, 0},
            {"記事1", 120, F::Name, 1, 2}, {"_", 20, F::NoteLine, 1, 0},    {"記事2", 120, F::Result, 1, 3},
            {"記号", 40, F::Symbol, 1, 5}, {"位置", 40, F::Position, 1, 0}, {"属性", 40, F::Word, 1, 4},
        };
        s.pickLists = {{"記事1"}, {"記事2"}};
        s.hints = {"記事1 は下.線 の上に表示", "記事2 は下.線 の下に表示"};
        return s;
    }();
    return dialogTable;
}

// The word's bits and the check boxes they show.
struct FlagBit {
    F field;
    int bit;
};
constexpr FlagBit flagBits[] = {{F::DepthLine, 1}, {F::DepthShown, 2}, {F::NoteLine, 4}, {F::NotesColumn, 8}};

const std::vector<std::string>& positionTexts()
{
    static const std::vector<std::string> texts = {utf8ToCp932("上"), utf8ToCp932("中"), utf8ToCp932("下")};
    return texts;
}

constexpr int centredPosition = 1;

int positionIndex(const std::string& cellText)
{
    for (std::size_t i = 0; i < positionTexts().size(); ++i)
        if (positionTexts()[i] == cellText)
            return static_cast<int>(i);
    return centredPosition;
}

}  // namespace

InSituModel::InSituModel(const BoringData& data, const LogSettings& settings, Prompter& prompter)
    : DataListModel(inSituDialogTable(), prompter)
{
    testNames_ = shortTextLines(settings, ShortTextMasterKind::Insitu, prompter);
    openWithStoreRows(tableRows(data.inSituRows));
}

void InSituModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.inSituRows, storeRowsAfterAccept());
}

TextRow InSituModel::listRowFromStore(const TextRow& storeRow) const
{
    TextRow row = ListTableModel::listRowFromStore(storeRow);
    const long word = isNumericText(storeRow[3]) > 0 ? parseLeadingInteger(storeRow[3]) : defaultWord;
    row[1] = (word & 1) != 0 ? "_" : ".";
    row[2] = (word & 2) != 0 ? "o" : ".";
    row[4] = (word & 4) != 0 ? "_" : ".";
    const long position = isNumericText(storeRow[5]) > 0 ? parseLeadingInteger(storeRow[5]) : centredPosition;
    row[7] = positionTexts()[static_cast<std::size_t>(position >= 0 && position <= 2 ? position : centredPosition)];
    row[8] = std::to_string(word);
    return row;
}

TextRow InSituModel::storeRowFromList(const TextRow& listRow) const
{
    const std::string depth = formatDepth(parseLeadingNumber(listRow[0]));
    return {depth, listRow[3], listRow[5], listRow[8], listRow[6], std::to_string(positionIndex(listRow[7])),
            depth, ""};
}

void InSituModel::setFlagBoxes(long word)
{
    for (const FlagBit& flag : flagBits)
        fields()[flag.field] = (word & flag.bit) != 0 ? "1" : "0";
    fields()[Word] = std::to_string(word);
}

void InSituModel::rowToFields(const TextRow& row)
{
    ListTableModel::rowToFields(row);
    setFlagBoxes(isNumericText(row[8]) > 0 ? parseLeadingInteger(row[8]) : defaultWord);
    fields()[Position] = std::to_string(positionIndex(row[7]));
    fields()[DepthBelow] = field(Depth);
}

void InSituModel::fieldsToRow(TextRow& row) const
{
    ListTableModel::fieldsToRow(row);
    int word = 0;
    for (const FlagBit& flag : flagBits)
        if (field(flag.field) == "1")
            word |= flag.bit;
    row[1] = (word & 1) != 0 ? "_" : ".";
    row[2] = (word & 2) != 0 ? "o" : ".";
    row[4] = (word & 4) != 0 ? "_" : ".";
    const long position = parseLeadingInteger(field(Position));
    row[7] = positionTexts()[static_cast<std::size_t>(position >= 0 && position <= 2 ? position : centredPosition)];
    row[8] = std::to_string(word);
}

void InSituModel::clearFields()
{
    ListTableModel::clearFields();
    setFlagBoxes(defaultWord);
    fields()[Position] = std::to_string(centredPosition);
}

bool InSituModel::addDuplicate(int)
{
    // Yes: the user is to overwrite instead; No: a second test at that depth.
    return showMessage(prompter(), Message::InSituDuplicateDepth, MessageKind::Question) == Answer::No;
}

std::vector<std::string> InSituModel::pickLines(int list) const
{
    return list == NameTexts || list == ResultTexts ? testNames_ : std::vector<std::string>();
}

void InSituModel::pick(int list, int line)
{
    if (line < 0 || line >= static_cast<int>(testNames_.size()))
        return;
    if (list == NameTexts)
        fields()[Name] += testNames_[static_cast<std::size_t>(line)];
    else if (list == ResultTexts)
        fields()[Result] += testNames_[static_cast<std::size_t>(line)];
    runLiveWriteBack();
}

void InSituModel::leaveField(int index)
{
    if (index == Depth)
        fields()[DepthBelow] = field(Depth);
    ListTableModel::leaveField(index);
}

void InSituModel::choiceMade(int index)
{
    if (index == Symbol)
        fields()[DepthBelow] = field(Depth);
    else if (index == DepthLine || index == DepthShown || index == NoteLine || index == NotesColumn) {
        int word = 0;
        for (const FlagBit& flag : flagBits)
            if (field(flag.field) == "1")
                word |= flag.bit;
        fields()[Word] = std::to_string(word);
    }
    ListTableModel::choiceMade(index);
}

}  // namespace kolv
