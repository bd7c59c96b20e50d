#pragma once
// The free notes dialog "自由記事 柱状図下部に表示": notes printed in the
// frame at the foot of the log, keyed by page and position, typed into the
// list cells only, and the height of that frame.
#include "dialogs/DataListModel.h"

namespace kolv {

class FreeNotesModel : public DataListModel {
public:
    enum Field { FrameHeight };

    FreeNotesModel(const BoringData& data, Prompter& prompter);
    void storeInto(BoringData& data) const override;

protected:
    std::vector<TextRow> orderedRowsForStore() override;
    bool readyToStore() override;
    TextRow storeRowFromList(const TextRow& listRow) const override;
};

}  // namespace kolv
