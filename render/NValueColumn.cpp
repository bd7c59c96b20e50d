#include "render/NValueColumn.h"

namespace kolv {

void drawNValueGrid(DrawContext&)
{
}

void drawPenetrationTests(DrawContext&)
{
}

}  // namespace kolv
