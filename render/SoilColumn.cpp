#include "render/SoilColumn.h"

namespace kolv {

void drawLayers(DrawContext&)
{
}

}  // namespace kolv
