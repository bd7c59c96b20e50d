// The soil-name editor's preview: one pattern number filling a box, at the
// figures' 10 mm spacing, drawn by the soil column's own pattern step.
#include "PatternTestFolder.h"

#include "render/PatternPreview.h"
#include "render/RecordingDevice.h"

#include <gtest/gtest.h>

using namespace kolv;
using namespace kolv::test;

namespace {

constexpr DeviceRect box{0, 0, 96, 64};

bool inside(DevicePoint point)
{
    return point.x >= box.left && point.x <= box.right && point.y >= box.top && point.y <= box.bottom;
}

}  // namespace

TEST(PatternPreview, VectorFigureFillsTheBoxInItsColour)
{
    LogSettings settings;
    settings.patternColors.pairs = {{300, 0x28bee6}};
    RecordingDevice device;
    ASSERT_TRUE(drawPatternPreview(device, settings, PatternSource::Vector, 300, box));
    int marks = 0;
    for (const RecordedPrimitive& primitive : device.primitives) {
        if (primitive.kind == RecordedPrimitive::Kind::Clip || primitive.kind == RecordedPrimitive::Kind::ResetClip)
            continue;
        ++marks;
        EXPECT_EQ(primitive.pen.color, 0x28bee6u);
        for (DevicePoint point : primitive.points)
            EXPECT_TRUE(inside(point)) << point.x << "," << point.y;
    }
    EXPECT_GT(marks, 4) << "the figure repeats across the box";

    RecordingDevice empty;
    EXPECT_FALSE(drawPatternPreview(empty, settings, PatternSource::Vector, 12345, box));
    EXPECT_TRUE(empty.ofKind(RecordedPrimitive::Kind::Line).empty());
}

TEST(PatternPreview, BitmapIsTiledFromTheChosenFolder)
{
    LogSettings settings;
    PatternTestFolder folder(settings);
    folder.addSquare(300, 32);
    folder.addBitmap(300, squareBitmap(16), "01");
    for (const auto& [mono, side] : {std::pair{0, 32}, std::pair{1, 16}}) {
        settings.bitmapMono = mono;
        RecordingDevice device;
        ASSERT_TRUE(drawPatternPreview(device, settings, PatternSource::Bitmap, 300, box));
        const auto tiles = device.ofKind(RecordedPrimitive::Kind::Bitmap);
        ASSERT_FALSE(tiles.empty());
        EXPECT_EQ(tiles.front().bitmapWidth, side);
        EXPECT_EQ(tiles.front().rect.left, 1);
        EXPECT_EQ(tiles.front().rect.right, box.right);
    }
    RecordingDevice missing;
    EXPECT_FALSE(drawPatternPreview(missing, settings, PatternSource::Bitmap, 400, box));
}
