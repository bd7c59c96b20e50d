#include "dialogs/WaterLevelModel.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "dialogs/StoreTable.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

#include <utility>

namespace kolv {

namespace {

using F = WaterLevelModel::Field;

const ListDialogTable& waterLevelDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "孔内水位";
        s.capacity = BoringData::WaterLevelTable::capacity;
        s.storeCellCount = BoringData::WaterLevelTable::cellCount;
        const std::string hidden = "柱状図には表示しません";
        const std::string heading = "見出し部分に表示する水位データ";
        s.fields = {
            {"水位", FieldKind::Text, {}, "", FieldRole::Row, "m"},
            {"水位 表示", FieldKind::Check},
            {"月/日", FieldKind::Text},
            {"月日 表示", FieldKind::Check},
            {"記事", FieldKind::EditableChoice, {"認められず", "無し", "無水掘", "洗浄回復", ""}, hidden},
            {"配置", FieldKind::Radio, {"標準", "深度の左上", "▽の左下"}, hidden},
            {"深度", FieldKind::Text, {}, heading, FieldRole::Option, "m"},
            {"見出しの月日", FieldKind::Text, {}, heading, FieldRole::Option},
            {"標高", FieldKind::Display, {}, heading, FieldRole::Option, "m"},
            {"標高表示", FieldKind::Check, {}, heading, FieldRole::Option},
            {"孔口標高", FieldKind::Display, {}, heading, FieldRole::Option},
        };
        s.columns = {
            {"m", 60, F::Level, 1, 1},        {"表示", 38, F::LevelShown, 1, 0}, {"月日", 72, F::Date, 1, 2},
            {"表示", 38, F::DateShown, 1, 0}, {"記事", 84, F::Remark, 1, 3},     {"配置", 40, F::Placement, 1, 0},
        };
        s.actions = {{"↑"}, {"↓"}};
        s.hints = {"水位：地中は -x.xxm", "月日：mm/dd",
                   "←カーソルをここにセットして、上の表から表示したい水位をクリックして下さい"};
        return s;
    }();
    return dialogTable;
}

constexpr double highestLevel = 50.0;
constexpr double lowestLevel = -1000.0;
constexpr int placementBits[] = {4, 8, 16};

std::string shownText(bool on)
{
    return on ? "o" : ".";
}

}  // namespace

int WaterLevelModel::flagWord(bool levelShown, bool dateShown, int placement)
{
    return (levelShown ? 1 : 0) + (dateShown ? 2 : 0) + placementBits[placement >= 0 && placement <= 2 ? placement : 0];
}

WaterLevelModel::WaterLevelModel(const BoringData& data, Prompter& prompter)
    : DataListModel(waterLevelDialogTable(), prompter), collarElevation_(data.headingLine(13))
{
    openWithStoreRows(tableRows(data.waterLevelRows));
    fields()[HeadingLevel] = data.headingLine(31);
    fields()[HeadingDate] = data.headingLine(32);
    fields()[ElevationShown] = data.headingLine(49) == "1" ? "1" : "0";
    fields()[CollarElevation] = collarElevation_ + " m";
    updateElevation();
}

void WaterLevelModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.waterLevelRows, storeRowsAfterAccept());
    data.setHeadingLine(31, field(HeadingLevel));
    data.setHeadingLine(32, field(HeadingDate));
    data.setHeadingLine(49, field(ElevationShown) == "1" ? "1" : "0");
}

TextRow WaterLevelModel::listRowFromStore(const TextRow& storeRow) const
{
    TextRow row = ListTableModel::listRowFromStore(storeRow);
    const long word = isNumericText(storeRow[3]) > 0 ? parseLeadingInteger(storeRow[3]) : 3;
    row[1] = shownText((word & 1) != 0);
    row[3] = shownText((word & 2) != 0);
    int placement = 0;
    if (word > 3)
        placement = (word & 8) != 0 ? 1 : (word & 16) != 0 ? 2 : 0;
    row[5] = std::to_string(placement);
    return row;
}

TextRow WaterLevelModel::storeRowFromList(const TextRow& listRow) const
{
    TextRow stored = ListTableModel::storeRowFromList(listRow);
    if (typedDecimals(listRow[0]) <= 2)
        stored[0] = formatSignedDepth(parseLeadingNumber(listRow[0]));
    stored[3] = std::to_string(
        flagWord(listRow[1] == "o", listRow[3] == "o", static_cast<int>(parseLeadingInteger(listRow[5]))));
    return stored;
}

bool WaterLevelModel::checkFields(bool silent)
{
    std::string& level = fields()[Level];
    if (!anyRowFieldFilled() || isNumericText(level) < 1) {
        if (!silent)
            showMessage(prompter(), Message::NoDataOrInvalid, MessageKind::Warning);
        return false;
    }
    // A level typed without a sign lies below the ground.
    const std::string_view rest = skipLeadingBlanks(level);
    if (rest.front() != '+' && rest.front() != '-')
        level = "-" + std::string(rest);
    const double value = parseLeadingNumber(level);
    if (value > highestLevel || value < lowestLevel)
        showMessage(prompter(), Message::UnusualWaterLevel, MessageKind::Warning);
    return true;
}

bool WaterLevelModel::keyFieldAcceptable(bool silent)
{
    // Any numeric level is taken; an unusual one only warns when it is stored.
    const std::string& level = field(Level);
    if (skipLeadingBlanks(level).empty() || isNumericText(level) > 0)
        return true;
    if (!silent)
        refuseField(Level, Message::NoDataOrInvalid);
    return false;
}

void WaterLevelModel::formatKeyField()
{
    fields()[Level] = formatSignedDepth(parseLeadingNumber(field(Level)));
}

void WaterLevelModel::fieldsToRow(TextRow& row) const
{
    ListTableModel::fieldsToRow(row);
    row[1] = shownText(field(LevelShown) == "1");
    row[3] = shownText(field(DateShown) == "1");
}

void WaterLevelModel::rowToFields(const TextRow& row)
{
    ListTableModel::rowToFields(row);
    fields()[LevelShown] = row[1] == "o" ? "1" : "0";
    fields()[DateShown] = row[3] == "o" ? "1" : "0";
}

void WaterLevelModel::clearFields()
{
    ListTableModel::clearFields();
    fields()[LevelShown] = "1";
    fields()[DateShown] = "1";
    fields()[Placement] = "0";
}

void WaterLevelModel::rowClicked(int rowNumber)
{
    // With the cursor set in the heading's level, a click on the list picks
    // that row's level for the title block.
    if (lastEnteredField_ == HeadingLevel) {
        fields()[HeadingLevel] = cell(rowNumber, 1);
        updateElevation();
    }
}

void WaterLevelModel::enterField(int index)
{
    lastEnteredField_ = index;
}

void WaterLevelModel::leaveField(int index)
{
    if (index == HeadingLevel)
        updateElevation();
    ListTableModel::leaveField(index);
}

void WaterLevelModel::updateElevation()
{
    const std::string& level = field(HeadingLevel);
    fields()[Elevation] = isNumericText(level) > 0 && isNumericText(collarElevation_) > 0
        ? formatDepth(parseLeadingNumber(level) + parseLeadingNumber(collarElevation_))
        : std::string();
}

void WaterLevelModel::trigger(int action)
{
    moveRow(action == MoveUp ? -1 : 1);
}

void WaterLevelModel::moveRow(int by)
{
    const int from = currentRow();
    const int to = from + by;
    if (from < 1 || to < 1 || from > lastNonEmptyRow() || to > lastNonEmptyRow())
        return;
    const TextRow moving = row(from);
    writeRow(from, row(to));
    writeRow(to, moving);
    clickRow(to);
    requestScroll(to);
    setModified();
}

std::vector<TextRow> WaterLevelModel::orderedRowsForStore()
{
    std::vector<TextRow> ordered;
    std::vector<int> rowNumbers;
    std::string message = messageText(Message::SameDepthHeader) + "\r\n";
    int duplicates = 0;
    for (int r = 1; r <= lastNonEmptyRow(); ++r) {
        const TextRow& current = row(r);
        if (isNumericText(current[0]) < 1)
            continue;
        for (std::size_t i = 0; i < ordered.size(); ++i) {
            if (ordered[i][0] == current[0] && ordered[i][2] == current[2]) {
                ++duplicates;
                if (duplicates <= 6)
                    message += formatText("%2d", r) + utf8ToCp932("行目と") + formatText("%2d", rowNumbers[i])
                        + utf8ToCp932("行目 [") + current[0] + utf8ToCp932("]\u3000") + "\r\n";
                break;
            }
        }
        ordered.push_back(current);
        rowNumbers.push_back(r);
    }
    if (duplicates > 0)
        prompter().show(0, message, MessageKind::Information);
    return ordered;
}

}  // namespace kolv
