#include "render/QtColor.h"

namespace kolv {

QColor toQColor(ColorRef color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

ColorRef fromQColor(const QColor& color)
{
    return static_cast<ColorRef>(color.red()) | (static_cast<ColorRef>(color.green()) << 8)
        | (static_cast<ColorRef>(color.blue()) << 16);
}

}  // namespace kolv
