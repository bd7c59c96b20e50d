#pragma once
// A page drawn on the recording device at 254 dpi (10 device units per
// millimetre, 100 per metre of depth at 1:100) with no margins, the settings'
// defaults and the body fonts at 8 points (28 device units).
#include "data/BoringData.h"
#include "platform/Issue.h"
#include "render/DrawContext.h"
#include "render/RecordingDevice.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace kolv::test {

struct PageFixture {
    RecordingDevice device{254};
    LogMapping mapping;
    BoringData data;
    LogSettings settings;
    Issues issues;
    DrawContext context{device, mapping, data, settings};

    PageFixture()
    {
        clear(data);
        applySettingsDefaults(settings);
        settings.leftMargin = 0;
        settings.topMargin = 0;
        settings.depthPerPage = 10;
        for (FontSlot& slot : settings.fontSlots) {
            slot.size = 8.0;
            slot.face = "font";
        }
    }

    // The body of the page starting at start, numbered page.
    void prepare(double start = 0.0, int page = 1)
    {
        preparePage(context, start, page);
        mapping.useBody(start);
        device.primitives.clear();
    }

    double column(int k) const { return context.columnX[k]; }
    int deviceX(double x) const { return mapping.toDeviceX(x); }
    int deviceY(double y) const { return mapping.toDeviceY(y); }

    std::vector<RecordedPrimitive> texts(const std::string& text) const { return device.textsEqualTo(text); }

    // Lines whose ends both lie within one device unit of the given points.
    std::vector<RecordedPrimitive> linesBetween(double x1, double y1, double x2, double y2) const
    {
        std::vector<RecordedPrimitive> found;
        const auto near = [](DevicePoint p, int x, int y) { return std::abs(p.x - x) <= 1 && std::abs(p.y - y) <= 1; };
        for (const RecordedPrimitive& line : device.ofKind(RecordedPrimitive::Kind::Line)) {
            const DevicePoint a = line.points[0];
            const DevicePoint b = line.points[1];
            if ((near(a, deviceX(x1), deviceY(y1)) && near(b, deviceX(x2), deviceY(y2)))
                || (near(b, deviceX(x1), deviceY(y1)) && near(a, deviceX(x2), deviceY(y2))))
                found.push_back(line);
        }
        return found;
    }

    // Lines lying wholly between two x positions.
    std::vector<RecordedPrimitive> linesWithin(double x1, double x2) const
    {
        std::vector<RecordedPrimitive> found;
        for (const RecordedPrimitive& line : device.ofKind(RecordedPrimitive::Kind::Line)) {
            const int left = std::min(line.points[0].x, line.points[1].x);
            const int right = std::max(line.points[0].x, line.points[1].x);
            if (left >= deviceX(x1) && right <= deviceX(x2))
                found.push_back(line);
        }
        return found;
    }

    void addRow(auto& table, std::vector<std::string> cells)
    {
        const int row = occupiedRowCount(table) + 1;
        for (std::size_t cell = 0; cell < cells.size(); ++cell)
            table.setCell(row, static_cast<int>(cell) + 1, cells[cell]);
    }
};

// A text drawn once at the given device point with the given alignment.
inline void expectTextAt(const PageFixture& page, const std::string& text, int x, int y, TextAlign align)
{
    const auto found = page.texts(text);
    ASSERT_EQ(found.size(), 1u) << text;
    EXPECT_EQ(found[0].points[0].x, x) << text;
    EXPECT_EQ(found[0].points[0].y, y) << text;
    EXPECT_EQ(found[0].align, align) << text;
}

}  // namespace kolv::test
