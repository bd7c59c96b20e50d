#pragma once
// The 29 column boundaries of the log body, in x units (millimetres at
// 1:100): a running sum of fixed base widths and the document's width
// adjustments (DocumentOptions items 1-13, tenths of a millimetre).
#include "data/BoringData.h"

#include <array>

namespace kolv {

inline constexpr int columnBoundaryCount = 29;
using ColumnPositions = std::array<double, columnBoundaryCount>;

// Boundaries of the well-known columns (the column lies between k - 1 and k).
namespace Column {
inline constexpr int LogLeft = 0;
inline constexpr int DepthScale = 1;
inline constexpr int DatumDepth = 2;
inline constexpr int Depth = 3;
inline constexpr int Thickness = 4;
inline constexpr int SoilSymbol = 5;
inline constexpr int SoilName = 6;
inline constexpr int ColorTone = 7;
inline constexpr int ObservationNotes = 10;
inline constexpr int NValue = 15;
inline constexpr int Blows10 = 16;
inline constexpr int Blows20 = 17;
inline constexpr int Blows30 = 18;
inline constexpr int GraphLeftMargin = 19;
inline constexpr int Graph = 20;
inline constexpr int GraphRightMargin = 21;
inline constexpr int SampleNumber = 24;
inline constexpr int RecoveryBar = 25;
inline constexpr int SampleDepth = 26;
inline constexpr int RecoveryRatio = 28;
inline constexpr int LogRight = 28;
}  // namespace Column

// A column narrower than this is hidden: no rule at its right boundary.
inline constexpr double hiddenColumnWidth = 0.1;

ColumnPositions computeColumnX(const BoringData& data);

// True when the column between boundary k - 1 and k is at least 0.1 wide.
bool columnVisible(const ColumnPositions& columnX, int k);

}  // namespace kolv
