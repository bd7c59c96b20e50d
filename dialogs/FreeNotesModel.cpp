#include "dialogs/FreeNotesModel.h"

#include "data/Cp932Text.h"
#include "data/Fields.h"
#include "data/Number.h"
#include "dialogs/StoreTable.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

namespace kolv {

namespace {

const ListDialogTable& freeNotesDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "自由記事 柱状図下部に表示";
        s.capacity = BoringData::FreeNoteTable::capacity;
        s.storeCellCount = BoringData::FreeNoteTable::cellCount;
        s.fields = {{"自由記事欄枠", FieldKind::Text, {}, "", FieldRole::Option, "mm"}};
        s.columns = {
            {"表示頁", 50, -1, 1, 1}, {"X", 50, -1, 1, 2},     {".", 1, -1, 0, 3},
            {"Y", 50, -1, 1, 4},      {"記事", 392, -1, 2, 5},
        };
        s.hasAddAndOverwrite = false;
        s.hints = {"表示頁0 ：全頁に表示", "X Yは記事表示開始位置", "記事欄枠左上からの距離"};
        return s;
    }();
    return dialogTable;
}

}  // namespace

FreeNotesModel::FreeNotesModel(const BoringData& data, Prompter& prompter)
    : DataListModel(freeNotesDialogTable(), prompter)
{
    openWithStoreRows(tableRows(data.freeNoteRows));
    fields()[FrameHeight] = data.freeNoteHeaderCell(FreeNoteHeaderCell::FrameSize);
}

void FreeNotesModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.freeNoteRows, storeRowsAfterAccept());
    data.setFreeNoteHeaderCell(FreeNoteHeaderCell::FrameSize, field(FrameHeight));
    data.freeNoteFrameSize = static_cast<int>(parseLeadingInteger(field(FrameHeight)));
}

bool FreeNotesModel::readyToStore()
{
    // Notes in a frame without a height would not print: the height is
    // mended before the notes are stored.
    const std::string& height = field(FrameHeight);
    if (lastNonEmptyRow() >= 1 && (isNumericText(height) < 1 || parseLeadingNumber(height) < 1)) {
        refuseField(FrameHeight, Message::FrameHeightUnusual);
        requestFocus(FocusTarget::Field, FrameHeight);
        return false;
    }
    return true;
}

std::vector<TextRow> FreeNotesModel::orderedRowsForStore()
{
    // By page, then by Y; the first of equal ones first. A row without a
    // numeric page would end the packed table, so it is not stored.
    std::vector<TextRow> remaining;
    for (int r = 1; r <= lastNonEmptyRow(); ++r)
        if (isNumericText(cell(r, 1)) > 0)
            remaining.push_back(row(r));
    std::vector<TextRow> ordered;
    while (!remaining.empty()) {
        std::size_t taken = 0;
        for (std::size_t i = 1; i < remaining.size(); ++i) {
            const long page = parseLeadingInteger(remaining[i][0]);
            const long takenPage = parseLeadingInteger(remaining[taken][0]);
            if (page < takenPage
                || (page == takenPage && parseLeadingNumber(remaining[i][3]) < parseLeadingNumber(remaining[taken][3])))
                taken = i;
        }
        ordered.push_back(remaining[taken]);
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(taken));
    }
    return ordered;
}

TextRow FreeNotesModel::storeRowFromList(const TextRow& listRow) const
{
    TextRow stored = ListTableModel::storeRowFromList(listRow);
    // A comma would split the note in the comma-separated document.
    std::string& text = stored[FreeNoteCell::Text - 1];
    text = replaceAllText(text, ",", utf8ToCp932("，"));
    return stored;
}

}  // namespace kolv
