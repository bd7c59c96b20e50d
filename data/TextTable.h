#pragma once
#include <array>
#include <cassert>
#include <string>
#include <vector>

namespace kolv {

// A fixed-capacity table of text cells. Rows and cells are numbered from 1,
// as in the files, the import field numbers and the dialogs.
template <int RowCapacity, int CellCount> class TextTable {
public:
    static constexpr int capacity = RowCapacity;
    static constexpr int cellCount = CellCount;
    using Row = std::array<std::string, CellCount>;

    TextTable() : rows_(RowCapacity) {}

    const std::string& cell(int row, int cell) const
    {
        assert(row >= 1 && row <= RowCapacity && cell >= 1 && cell <= CellCount);
        return rows_[row - 1][cell - 1];
    }
    void setCell(int row, int cell, std::string text)
    {
        assert(row >= 1 && row <= RowCapacity && cell >= 1 && cell <= CellCount);
        rows_[row - 1][cell - 1] = std::move(text);
    }
    const Row& row(int row) const
    {
        assert(row >= 1 && row <= RowCapacity);
        return rows_[row - 1];
    }
    Row& row(int row)
    {
        assert(row >= 1 && row <= RowCapacity);
        return rows_[row - 1];
    }

    bool operator==(const TextTable&) const = default;

    void clear()
    {
        for (Row& r : rows_)
            for (std::string& c : r)
                c.clear();
    }

private:
    std::vector<Row> rows_;
};

}  // namespace kolv
