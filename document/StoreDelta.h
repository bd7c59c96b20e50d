#pragma once
// The texts one undo step changed in the store, before and after, so that a
// step costs what it changed rather than two copies of the whole store.
#include "data/BoringData.h"

#include <string>
#include <vector>

namespace kolv {

class StoreDelta {
public:
    StoreDelta() = default;
    // The texts in which after differs from before.
    StoreDelta(const BoringData& before, const BoringData& after);

    // Puts the changed texts of data back to what they were before the step,
    // or to what the step made them.
    void undo(BoringData& data) const { apply(data, false); }
    void redo(BoringData& data) const { apply(data, true); }

private:
    void apply(BoringData& data, bool after) const;

    struct Cell {
        int index;
        std::string before;
        std::string after;
    };
    std::vector<Cell> cells_;
};

}  // namespace kolv
