#include "render/BitmapTiling.h"

#include <algorithm>
#include <cstdint>

namespace kolv {

void tileBitmap(LogDevice& device, const DeviceRect& dest, const MonochromeBitmap& bitmap, RasterOperation operation)
{
    const int destWidth = dest.right - dest.left;
    const int destHeight = dest.bottom - dest.top;
    if (destWidth < 1 || destHeight < 1 || bitmap.width < 1 || bitmap.height < 1)
        return;
    const std::int64_t tileHeight = static_cast<std::int64_t>(destWidth) * bitmap.height / bitmap.width;
    if (tileHeight < 1)
        return;

    int top = dest.top;
    while (dest.bottom - top >= tileHeight) {
        const int tileBottom = static_cast<int>(top + tileHeight);
        device.stretchBitmap({dest.left, top, dest.right, tileBottom}, bitmap, 0, 0, bitmap.width, bitmap.height,
                             operation);
        top = tileBottom;
    }
    const int remaining = dest.bottom - top;
    if (remaining <= 0)
        return;
    const int rows = static_cast<int>(remaining * static_cast<std::int64_t>(bitmap.height) / tileHeight);
    device.stretchBitmap({dest.left, top, dest.right, dest.bottom}, bitmap, 0, 0, bitmap.width, std::max(rows, 1),
                         operation);
}

}  // namespace kolv
