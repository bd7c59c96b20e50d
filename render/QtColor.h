#pragma once
// Colours in the files are Windows COLORREF values (0x00BBGGRR): "0xff0000"
// is blue.
#include "render/LogDevice.h"

#include <QColor>

namespace kolv {

QColor toQColor(ColorRef color);
ColorRef fromQColor(const QColor& color);

}  // namespace kolv
