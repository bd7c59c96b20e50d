#include "dialogs/RecoveryModel.h"

#include "data/Number.h"
#include "dialogs/StoreTable.h"
#include "platform/MessageCatalogue.h"

#include <algorithm>

namespace kolv {

namespace {

using F = RecoveryModel::Field;

const ListDialogTable& recoveryDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "回収比とqu";
        s.capacity = BoringData::RecoveryTable::capacity;
        s.storeCellCount = BoringData::RecoveryTable::cellCount;
        const std::string scale = "qu グラフ目盛り";
        s.fields = {
            {"深度 上", FieldKind::Text, {}, "", FieldRole::Row, "m"},
            {"深度 下", FieldKind::Text, {}, "", FieldRole::Row, "m"},
            {"回収比", FieldKind::Text},
            {"/", FieldKind::Display, {}, "", FieldRole::Row, "cm"},
            {"qu 1", FieldKind::Text},
            {"qu 2", FieldKind::Text},
            {"qu 3", FieldKind::Text},
            {"qu 4", FieldKind::Text},
            {"から", FieldKind::Text, {}, scale, FieldRole::Option},
            {"まで", FieldKind::Text, {}, scale, FieldRole::Option},
            {"きざみ", FieldKind::Text, {}, scale, FieldRole::Option},
            {"回収比凡例を表示", FieldKind::Check, {}, "", FieldRole::Option},
        };
        s.columns = {
            {"上", 58, F::Upper, 1, 1}, {"下", 58, F::Lower, 1, 2}, {"回収比", 60, F::Recovery, 1, 3},
            {"qu1", 48, F::Qu1, 1, 4},  {"qu2", 48, F::Qu2, 1, 5},  {"qu3", 48, F::Qu3, 1, 6},
            {"qu4", 48, F::Qu4, 1, 7},
        };
        s.pickLists = {{"試料深度\u3000→"}};
        return s;
    }();
    return dialogTable;
}

}  // namespace

RecoveryModel::RecoveryModel(const BoringData& data, int divisionCount, Prompter& prompter)
    : DataListModel(recoveryDialogTable(), prompter), divisionCount_(divisionCount)
{
    for (int r = 1; r <= BoringData::SampleTable::capacity && isNumericText(data.sampleRows.cell(r, 1)) > 0; ++r)
        if (isNumericText(data.sampleRows.cell(r, 2)) > 0)
            sampleDepths_.emplace_back(parseLeadingNumber(data.sampleRows.cell(r, 1)),
                                       parseLeadingNumber(data.sampleRows.cell(r, 2)));
    openWithStoreRows(tableRows(data.recoveryRows));
    const long to = parseLeadingInteger(data.documentOption(23).value);
    const long step = parseLeadingInteger(data.documentOption(24).value);
    fields()[ScaleFrom] = std::to_string(parseLeadingInteger(data.documentOption(22).value));
    fields()[ScaleTo] = to > 0 ? data.documentOption(23).value : "500";
    fields()[ScaleStep] = step > 0 ? data.documentOption(24).value : "100";
    fields()[Legend] = data.headingLine(71) == "1" ? "1" : "0";
}

void RecoveryModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.recoveryRows, storeRowsAfterAccept());
    data.documentOption(22).value = field(ScaleFrom);
    data.documentOption(23).value = field(ScaleTo);
    data.documentOption(24).value = field(ScaleStep);
    data.setHeadingLine(71, field(Legend) == "1" ? "1" : "0");
}

std::vector<std::string> RecoveryModel::pickLines(int list) const
{
    std::vector<std::string> lines;
    if (list == SampleDepths)
        for (const auto& [upper, lower] : sampleDepths_)
            lines.push_back(formatText("%6.2f ,%6.2f", upper, lower));
    return lines;
}

void RecoveryModel::pick(int list, int line)
{
    if (list != SampleDepths || line < 0 || line >= static_cast<int>(sampleDepths_.size()))
        return;
    fields()[Upper] = formatDepth(sampleDepths_[static_cast<std::size_t>(line)].first);
    fields()[Lower] = formatDepth(sampleDepths_[static_cast<std::size_t>(line)].second);
}

void RecoveryModel::enterField(int index)
{
    if ((index == Recovery || index == IntervalLength) && isNumericText(field(Upper)) > 0
        && isNumericText(field(Lower)) > 0)
        fields()[IntervalLength] =
            formatText("%.2f", (parseLeadingNumber(field(Lower)) - parseLeadingNumber(field(Upper))) * 100.0);
}

void RecoveryModel::leaveField(int index)
{
    if (index == ScaleTo) {
        // The qu scale is divided into the graph's divisions plus five.
        const long divisions = std::max(divisionCount_ + 5, 5);
        long to = parseLeadingInteger(field(ScaleTo));
        const long step = to / divisions;
        if (step <= 0) {
            showMessage(prompter(), Message::UnsuitableInput, MessageKind::Warning);
            fields()[ScaleTo] = "0";
        }
        fields()[ScaleStep] = std::to_string(std::max(step, 0L));
        return;
    }
    ListTableModel::leaveField(index);
}

}  // namespace kolv
