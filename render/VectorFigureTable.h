#pragma once
// The figure routines behind the vector pattern numbers, in three families.
#include "render/VectorFigurePlotter.h"

#include <span>

namespace kolv {

struct VectorFigureEntry {
    long number;
    void (*draw)(const FigurePlotter& plotter);
};

// Overlays (1-8, 10-50), soils and made ground (100-900, 4100-5200,
// 6100-6900, 10091-10093).
std::span<const VectorFigureEntry> soilFigures();
// Rocks (1100-3800, 8100-8700).
std::span<const VectorFigureEntry> rockFigures();
// The five boundary kinds of the special codes 10000-10004.
std::span<const VectorFigureEntry> specialFigures();

}  // namespace kolv
