#include "render/ColumnLayout.h"

#include "data/Number.h"

namespace kolv {

namespace {

struct ColumnWidth {
    double base;
    int widthSetting;  // DocumentOptions item - 1, or -1 for a fixed width
};

constexpr std::array<ColumnWidth, columnBoundaryCount> columnWidths{{
    {5, -1},                                       // left edge of the log
    {10, -1},                                      // depth scale
    {10, 0},                                       // depth below the works datum
    {10, 1},                                       // depth
    {10, 2},                                       // layer thickness
    {12, 3},                                       // soil symbol
    {20, 4},                                       // soil name
    {14, 5},                                       // colour tone
    {0, -1},  {0, -1},  {45, 6},                   // observation notes
    {0, -1},  {0, -1},  {0, -1}, {0, -1}, {9, 7},  // N value
    {7, 8},                                        // blows 0-10 cm
    {7, 8},                                        // blows 10-20 cm
    {7, 8},                                        // blows 20-30 cm
    {5, -1},                                       // margin before the graph
    {50, -1},                                      // N-value graph
    {5, -1},                                       // margin after the graph
    {0, -1},  {0, -1},  {19, 9},                   // sample number
    {4, 10},                                       // recovery-ratio bar
    {17, 11},                                      // sampling depth
    {0, -1},  {14, 12},                            // recovery ratio
}};

}  // namespace

ColumnPositions computeColumnX(const BoringData& data)
{
    ColumnPositions columnX{};
    double position = 0.0;
    for (int k = 0; k < columnBoundaryCount; ++k) {
        const ColumnWidth& width = columnWidths[k];
        double adjustment = 0.0;
        if (width.widthSetting >= 0)
            adjustment = 0.1 * parseLeadingInteger(data.documentOption(width.widthSetting + 1).value);
        position += width.base + adjustment;
        columnX[k] = position;
    }
    return columnX;
}

// The tolerance keeps a width summed from tenths (14 - 13.9) visible.
bool columnVisible(const ColumnPositions& columnX, int k)
{
    return k > 0 && k < columnBoundaryCount && columnX[k] - columnX[k - 1] >= hiddenColumnWidth - 1e-9;
}

}  // namespace kolv
