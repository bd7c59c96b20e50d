#include "dialogs/DrillingModel.h"

#include "dialogs/StoreTable.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

namespace kolv {

namespace {

const ListDialogTable& drillingDialogTable()
{
    static const ListDialogTable dialogTable = [] {
        ListDialogTable s;
        s.caption = "削孔";
        s.capacity = BoringData::DrillingTable::capacity;
        s.storeCellCount = BoringData::DrillingTable::cellCount;
        s.fields = {
            {"柱状図に表示", FieldKind::Check, {}, "", FieldRole::Option},
            {"表示の説明", FieldKind::Display, {}, "", FieldRole::Option},
        };
        s.columns = {{"深度", 70, -1, 1, 1}, {"月/日", 100, -1, 1, 2}};
        s.hasAddAndOverwrite = false;
        s.deleteCaption = "削除";
        return s;
    }();
    return dialogTable;
}

}  // namespace

DrillingModel::DrillingModel(const BoringData& data, Prompter& prompter)
    : DataListModel(drillingDialogTable(), prompter)
{
    openWithStoreRows(tableRows(data.drillingRows));
    fields()[ShowInLog] = data.documentOption(18).value == "1" ? "1" : "0";
    updateHint();
}

void DrillingModel::storeInto(BoringData& data) const
{
    replaceTableRows(data.drillingRows, storeRowsAfterAccept());
    data.documentOption(18).value = field(ShowInLog) == "1" ? "1" : "0";
}

void DrillingModel::choiceMade(int index)
{
    if (index == ShowInLog)
        updateHint();
}

void DrillingModel::updateHint()
{
    fields()[Hint] = field(ShowInLog) == "1" ? std::string() : utf8ToCp932("チェックONで柱状図の標尺欄に表示");
}

}  // namespace kolv
