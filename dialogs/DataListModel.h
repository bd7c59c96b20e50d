#pragma once
// A list dialog over a table of the boring data store: after OK it writes
// its rows, and the switches and heading lines it edits with them, into a
// copy of the store that the document takes as one undo step.
#include "dialogs/ListTableModel.h"

namespace kolv {

class DataListModel : public ListTableModel {
public:
    using ListTableModel::ListTableModel;
    // The working copy into the store (after accept returned true).
    virtual void storeInto(BoringData& data) const = 0;
};

}  // namespace kolv
