#pragma once
// Tiling a pattern bitmap down a part of the soil symbol column.
#include "render/LogDevice.h"

namespace kolv {

// Fills dest with the bitmap stretched to dest's width, keeping its aspect:
// tile height = trunc(dest width / bitmap width x bitmap height). Whole tiles
// are stacked from the top while they fit; the strip left at the bottom gets
// the matching upper part of one more tile. A destination narrower than one
// device unit, or a tile less than one unit high, draws nothing: stacking
// tiles of no height would never reach the bottom.
void tileBitmap(LogDevice& device, const DeviceRect& dest, const MonochromeBitmap& bitmap, RasterOperation operation);

}  // namespace kolv
