#pragma once
// Rows a reader dropped because their table was full. The tables keep their
// fixed capacity; the count is reported once the file is read, so that a log
// cut short at a table's end does not pass for the whole of it.
#include "data/TableDescriptor.h"
#include "platform/Issue.h"

#include <array>

namespace kolv {

struct RowsPastCapacity {
    std::array<int, tableKindCount> counts{};

    void add(TableKind kind) { ++counts[static_cast<int>(kind)]; }
    RowsPastCapacity& operator+=(const RowsPastCapacity& other);
};

// One warning for every table that dropped rows, naming it by its dialog and
// giving the count.
void reportRowsPastCapacity(const RowsPastCapacity& dropped, Issues& issues);

}  // namespace kolv
