#pragma once
// Whole store tables as rows of texts, for the dialogs that edit a copy.
#include "data/TextTable.h"

#include <string>
#include <vector>

namespace kolv {

template <int Rows, int Cells> std::vector<std::vector<std::string>> tableRows(const TextTable<Rows, Cells>& table)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(Rows);
    for (int r = 1; r <= Rows; ++r)
        rows.emplace_back(table.row(r).begin(), table.row(r).end());
    return rows;
}

// Writes the rows from row 1 on (cells past a row's size become empty) and
// empties every row after them. Rows past the capacity are not stored.
template <int Rows, int Cells>
void replaceTableRows(TextTable<Rows, Cells>& table, const std::vector<std::vector<std::string>>& rows)
{
    for (int r = 1; r <= Rows; ++r) {
        const std::vector<std::string>* source =
            r <= static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(r - 1)] : nullptr;
        for (int c = 1; c <= Cells; ++c) {
            const bool present = source && c <= static_cast<int>(source->size());
            table.setCell(r, c, present ? (*source)[static_cast<std::size_t>(c - 1)] : std::string());
        }
    }
}

}  // namespace kolv
