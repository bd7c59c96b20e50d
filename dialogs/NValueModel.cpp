#include "dialogs/NValueModel.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "dialogs/StoreTable.h"

#include <algorithm>

namespace kolv {

namespace {

const ListDialogTable& nValueDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "Ｎ値";
        s.capacity = BoringData::SptTable::capacity;
        s.storeCellCount = BoringData::SptTable::cellCount;
        s.fields = {
            {"深度m", FieldKind::Text},
            {"N値", FieldKind::Text},
            {"10cm", FieldKind::Text},
            {"20cm", FieldKind::Text},
            {"30cm", FieldKind::Text},
            {"前深度と結ばない", FieldKind::Check, {}, "グラフ折れ線\u3000"},
            {"Ｎ値種別", FieldKind::Radio, {"30cm", "10cm"}, "Ｎ値種別", FieldRole::Option},
            {"深度増分", FieldKind::Radio, {"1m", "0.75m", "0.5m", "なし"}, "深度増分", FieldRole::Option},
        };
        s.columns = {
            {"m", 50, NValueModel::Depth, 1, 1},     {"N値", 50, NValueModel::NValue, 1, 2},
            {"10cm", 50, NValueModel::Stage1, 1, 3}, {"20cm", 50, NValueModel::Stage2, 1, 4},
            {"30cm", 50, NValueModel::Stage3, 2, 5}, {"ｸﾞﾗﾌ", 40, NValueModel::NoJoin, 1, 6},
        };
        return s;
    }();
    return dialogTable;
}

constexpr double increments[] = {1.0, 0.75, 0.5, 0.0};

// The kind stays from one opening to the next while the program runs.
int rememberedKind = NValueModel::ThirtyCentimetre;

struct StageCount {
    long blows = 0;
    long penetration = 0;
};

StageCount stageCount(const std::string& text)
{
    const std::size_t slash = findText(text, "/");
    if (slash == textNotFound)
        return {parseLeadingInteger(text), 10};
    const std::string after = text.substr(slash + 1);
    return {parseLeadingInteger(text.substr(0, slash)), isNumericText(after) > 0 ? parseLeadingInteger(after) : 0};
}

}  // namespace

std::string nValueFromStages(const std::string& first, const std::string& second, const std::string& third)
{
    long blows = 0;
    long penetration = 0;
    bool any = false;
    for (const std::string* stage : {&first, &second, &third}) {
        if (isNumericText(*stage) < 1)
            continue;
        any = true;
        const StageCount count = stageCount(*stage);
        // Each stage is limited first so that no sum of typed numbers can overflow.
        blows += std::clamp(count.blows, -100000L, 100000L);
        penetration += std::clamp(count.penetration, -100000L, 100000L);
    }
    if (!any)
        return {};
    const int n = static_cast<int>(std::clamp(blows, -9L, 999L));
    return penetration == 30 ? formatText("%2d", n) : formatText("%2d/%ld", n, penetration);
}

NValueModel::NValueModel(const BoringData& data, Prompter& prompter) : DataListModel(nValueDialogTable(), prompter)
{
    openWithStoreRows(tableRows(data.sptRows));
    if (lastFilledRow() > 0) {
        int first = 1;
        while (isNumericText(cell(first, 1)) < 1)
            ++first;
        const bool stages =
            isNumericText(cell(first, 3)) > 0 || isNumericText(cell(first, 4)) > 0 || isNumericText(cell(first, 5)) > 0;
        rememberedKind = stages ? TenCentimetre : ThirtyCentimetre;
    }
    fields()[Kind] = std::to_string(rememberedKind);
    fields()[Increment] = "0";
}

void NValueModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.sptRows, storeRowsAfterAccept());
}

bool NValueModel::fieldEnabled(int index) const
{
    if (index == NValue)
        return !tenCentimetreKind();
    if (index == Stage1 || index == Stage2 || index == Stage3)
        return tenCentimetreKind();
    return true;
}

double NValueModel::increment() const
{
    const long choice = parseLeadingInteger(field(Increment));
    return choice >= 0 && choice < 4 ? increments[choice] : 0.0;
}

void NValueModel::fieldsToRow(TextRow& row) const
{
    ListTableModel::fieldsToRow(row);
    if (tenCentimetreKind()) {
        row[1] = nValueFromStages(field(Stage1), field(Stage2), field(Stage3));
    } else {
        row[2].clear();
        row[3].clear();
        row[4].clear();
    }
}

void NValueModel::rowClicked(int rowNumber)
{
    if (!tenCentimetreKind())
        return;
    const TextRow& clicked = row(rowNumber);
    fields()[NValue] = nValueFromStages(clicked[2], clicked[3], clicked[4]);
    setCell(rowNumber, 2, field(NValue));
}

void NValueModel::afterAdd(bool added)
{
    const std::string addedDepth = field(Depth);
    ListTableModel::afterAdd(added);
    if (added && increment() > 0) {
        fields()[Depth] = formatDepth(parseLeadingNumber(addedDepth) + increment());
        requestFocus(FocusTarget::Field, tenCentimetreKind() ? Stage1 : NValue);
    }
}

int NValueModel::navigation(int column) const
{
    // 10 cm kind: depth and the three stages; 30 cm kind: depth and N.
    if (tenCentimetreKind())
        return column == 1 || (column >= 3 && column <= 5) ? 1 : 0;
    return column <= 2 ? 1 : 0;
}

std::string NValueModel::inPlaceDefault(int rowNumber, int column) const
{
    if (column != 1 || rowNumber < 2 || increment() <= 0 || isNumericText(cell(rowNumber - 1, 1)) < 1)
        return {};
    return formatDepth(parseLeadingNumber(cell(rowNumber - 1, 1)) + increment());
}

void NValueModel::choiceMade(int index)
{
    if (index == Kind) {
        rememberedKind = tenCentimetreKind() ? TenCentimetre : ThirtyCentimetre;
        return;
    }
    if (index != Increment)
        ListTableModel::choiceMade(index);
}

}  // namespace kolv
