#include "dialogs/ObservationNotesModel.h"

#include "data/Cp932Text.h"
#include "data/FullWidthCheck.h"
#include "data/Number.h"
#include "dialogs/MasterLines.h"
#include "dialogs/StoreTable.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

namespace kolv {

namespace {

using F = ObservationNotesModel::Field;

const ListDialogTable& notesDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "観察記事";
        s.capacity = BoringData::ObservationTable::capacity;
        s.storeCellCount = BoringData::ObservationTable::cellCount;
        s.fields = {
            {"深度 上 m", FieldKind::Text}, {"深度 下 m", FieldKind::Text},        {"記事", FieldKind::MultiLineText},
            {"下線", FieldKind::Check},     {"記事の右下の文字", FieldKind::Text},
        };
        s.columns = {
            {"上", 48, F::Upper, 1, 1},       {"下", 48, F::Lower, 1, 2}, {"記事", 200, F::Note, 0, 4},
            {"下線", 38, F::Underline, 2, 5}, {".", 8, F::Mark, -1, 3},
        };
        s.pickLists = {{"短文"}};
        s.actions = {{"全角英数字検査"}};
        s.hints = {"深度はリスト内ダブルクリックで編集可"};
        return s;
    }();
    return dialogTable;
}

const std::string crLf = "\r\n";

}  // namespace

std::vector<TextRow> notesSeededFromLayers(const BoringData& data)
{
    std::vector<TextRow> rows;
    std::string upper = "0.0";
    for (int r = 1; r <= BoringData::LayerTable::capacity && isNumericText(data.layerRows.cell(r, 1)) > 0; ++r) {
        const std::string& lower = data.layerRows.cell(r, 1);
        rows.push_back({upper, lower, "", "", "1"});
        upper = lower;
    }
    return rows;
}

ObservationNotesModel::ObservationNotesModel(const BoringData& data, const LogSettings& settings, Prompter& prompter)
    : DataListModel(notesDialogTable(), prompter)
{
    shortTexts_ = shortTextLines(settings, ShortTextMasterKind::Notes, prompter);
    // Without notes the rows start from the layers; they reach the store
    // only with OK, like every other change of the dialog.
    if (isNumericText(data.observationRows.cell(1, 1)) < 1)
        openWithStoreRows(notesSeededFromLayers(data));
    else
        openWithStoreRows(tableRows(data.observationRows));
}

void ObservationNotesModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.observationRows, storeRowsAfterAccept());
}

TextRow ObservationNotesModel::listRowFromStore(const TextRow& storeRow) const
{
    TextRow row = ListTableModel::listRowFromStore(storeRow);
    if (isNumericText(row[3]) < 1)
        row[3] = "0";
    return row;
}

TextRow ObservationNotesModel::storeRowFromList(const TextRow& listRow) const
{
    TextRow stored = ListTableModel::storeRowFromList(listRow);
    if (isNumericText(stored[1]) > 0)
        stored[1] = formatDepth(parseLeadingNumber(stored[1]));
    return stored;
}

bool ObservationNotesModel::checkFields(bool silent)
{
    return checkDepthFields(silent, true);
}

void ObservationNotesModel::fieldsToRow(TextRow& row) const
{
    ListTableModel::fieldsToRow(row);
    std::string& note = row[2];
    if (note.size() >= 4 && note.compare(note.size() - 4, 4, crLf + crLf) == 0)
        note.erase(note.size() - 2);
}

bool ObservationNotesModel::inPlaceAllowed(int column)
{
    if (column == 3) {
        showMessage(prompter(), Message::EditInField, MessageKind::Information);
        return false;
    }
    return column != 5;
}

std::vector<std::string> ObservationNotesModel::pickLines(int list) const
{
    return list == ShortTexts ? shortTexts_ : std::vector<std::string>();
}

void ObservationNotesModel::pick(int list, int line)
{
    if (list != ShortTexts || line < 0 || line >= static_cast<int>(shortTexts_.size()))
        return;
    fields()[Note] += shortTexts_[static_cast<std::size_t>(line)] + crLf;
    runLiveWriteBack();
}

void ObservationNotesModel::trigger(int action)
{
    if (action == FullWidthCheck)
        prompter().show(0, fullWidthReport(), MessageKind::Information);
}

std::string ObservationNotesModel::fullWidthReport() const
{
    std::string report = utf8ToCp932("全角英数字");
    int hits = 0;
    for (int r = 1; r <= lastNonEmptyRow(); ++r) {
        const std::string note = replaceAllText(cell(r, 3), crLf, "/");
        if (!containsFullWidthAlphanumeric(note))
            continue;
        ++hits;
        if (hits == 1)
            report += utf8ToCp932("が含まれています") + crLf;
        if (hits > 3) {
            report += "  - -" + crLf;
            break;
        }
        report += "( " + cell(r, 1) + "m - " + cell(r, 2) + "m ) " + std::string(cutToBytes(note, 30)) + "  " + crLf;
    }
    if (hits == 0)
        report += utf8ToCp932("\u3000無し");
    return report;
}

}  // namespace kolv
