#include "dialogs/SampleModel.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "dialogs/MasterLines.h"
#include "dialogs/StoreTable.h"
#include "platform/MessageCatalogue.h"

#include <cmath>

namespace kolv {

namespace {

using F = SampleModel::Field;

const ListDialogTable& sampleDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "試料";
        s.capacity = BoringData::SampleTable::capacity;
        s.storeCellCount = BoringData::SampleTable::cellCount;
        s.fields = {
            {"深度 上", FieldKind::Text, {}, "", FieldRole::Row, "m"},
            {"深度 下", FieldKind::Text, {}, "", FieldRole::Row, "m"},
            {"試料番号", FieldKind::Text},
            {"採取方法", FieldKind::Choice, {"T", "D", "-", "F", "A", ""}},
            {"試料の種類", FieldKind::Radio, {"乱さない試料", "乱した試料"}},
            {"室内試験", FieldKind::Text},
            {"JACIC互換項目有効", FieldKind::Check, {}, "", FieldRole::Option},
        };
        s.columns = {
            {"上", 52, F::Upper, 1, 1},    {"下", 52, F::Lower, 1, 2},         {"試料番号", 86, F::Number, 1, 3},
            {"採取", 40, F::Method, 1, 4}, {"乱した", 40, F::Disturbed, 1, 6}, {"室内試験", 116, F::LabTests, 1, 5},
        };
        s.pickLists = {{"N値深度\u3000→"}, {"室内試験"}};
        s.actions = {{"全深度コピー →"}};
        return s;
    }();
    return dialogTable;
}

constexpr int sampleRowLimit = 200;

}  // namespace

SampleModel::SampleModel(const BoringData& data, const LogSettings& settings, Prompter& prompter)
    : DataListModel(sampleDialogTable(), prompter)
{
    for (int r = 1; r <= BoringData::SptTable::capacity && isNumericText(data.sptRows.cell(r, 1)) > 0; ++r) {
        const std::string& nText = data.sptRows.cell(r, 2);
        const std::size_t slash = findText(nText, "/");
        double penetration = 30.0;
        if (slash != textNotFound && isNumericText(nText.substr(slash + 1)) > 0)
            penetration = parseLeadingNumber(nText.substr(slash + 1));
        const double depth = parseLeadingNumber(data.sptRows.cell(r, 1));
        testDepths_.push_back({data.sptRows.cell(r, 1), depth, depth + penetration / 100.0});
    }
    labTests_ = shortTextLines(settings, ShortTextMasterKind::LabTest, prompter);
    openWithStoreRows(tableRows(data.sampleRows));
    // The heading's "only the items of the harbour log" switch, shown inverted.
    fields()[ExchangeItems] = data.documentOption(17).value == "1" ? "0" : "1";
}

void SampleModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.sampleRows, storeRowsAfterAccept());
    data.documentOption(17).value = field(ExchangeItems) == "1" ? "0" : "1";
}

TextRow SampleModel::listRowFromStore(const TextRow& storeRow) const
{
    TextRow row = ListTableModel::listRowFromStore(storeRow);
    if (isNumericText(row[4]) < 1)
        row[4] = "0";
    return row;
}

bool SampleModel::fieldEnabled(int index) const
{
    if (index == Method || index == LabTests || index == Disturbed)
        return field(ExchangeItems) == "1";
    return true;
}

bool SampleModel::checkFields(bool silent)
{
    return checkDepthFields(silent, true);
}

std::vector<std::string> SampleModel::pickLines(int list) const
{
    if (list == LabTestNames)
        return labTests_;
    std::vector<std::string> lines;
    if (list == TestDepths)
        for (const TestDepth& test : testDepths_)
            lines.push_back(formatText("%6.2f ,%6.2f", test.upper, test.lower));
    return lines;
}

void SampleModel::pick(int list, int line)
{
    if (list == TestDepths && line >= 0 && line < static_cast<int>(testDepths_.size())) {
        const TestDepth& test = testDepths_[static_cast<std::size_t>(line)];
        fields()[Upper] = formatDepth(test.upper);
        fields()[Lower] = formatDepth(test.lower);
        runLiveWriteBack();
    } else if (list == LabTestNames && line >= 0 && line < static_cast<int>(labTests_.size())) {
        fields()[LabTests] += labTests_[static_cast<std::size_t>(line)];
        runLiveWriteBack();
    }
}

void SampleModel::trigger(int action)
{
    if (action == CopyAllDepths)
        copyAllDepths();
}

void SampleModel::copyAllDepths()
{
    int last = lastNonEmptyRow();
    if (last >= sampleRowLimit) {
        showMessage(prompter(), Message::NoMoreRows, MessageKind::Warning);
        return;
    }
    for (const TestDepth& test : testDepths_) {
        if (last >= sampleRowLimit) {
            showMessage(prompter(), Message::NoMoreRows, MessageKind::Warning);
            break;
        }
        int same = 0;
        for (int r = 1; r <= last && same == 0; ++r)
            if (isNumericText(cell(r, 1)) > 0 && std::fabs(parseLeadingNumber(cell(r, 1)) - test.upper) < 0.0001)
                same = r;
        if (same != 0) {
            const Answer answer =
                showMessage(prompter(), Message::CopyDuplicateDepth, MessageKind::QuestionWithCancel, cell(same, 1));
            if (answer == Answer::Cancel)
                break;
            if (answer != Answer::Yes)
                continue;
        }
        insertRowAfterLast({test.depth, formatDepth(test.lower), "", "", "1", ""});
        last = lastNonEmptyRow();
    }
    requestFocus(FocusTarget::Field, Upper);
}

}  // namespace kolv
