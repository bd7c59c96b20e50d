#pragma once
// The drawing surface of one vector figure: millimetres measured from the
// top-left corner of the cell the figure fills (x in x units of the log,
// y in millimetres of the sheet), mapped to device units and clipped to the
// cell. Figures repeat their marks on grids anchored at that corner; every
// spacing divides 12 mm, so a 12 mm tile of a figure repeats seamlessly (the
// generated pattern bitmaps rely on it).
#include "render/LogDevice.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace kolv {

// Where a figure lies on the device.
struct FigureFrame {
    double originX = 0.0;  // device position of the cell's top-left corner
    double originY = 0.0;
    double unitX = 1.0;  // device units per figure millimetre
    double unitY = 1.0;
    DeviceRect cell;  // the cell on the device; nothing is drawn outside
};

struct FigurePoint {
    double x = 0.0;
    double y = 0.0;
};

// A grid of mark positions: rows dy apart from offsetY, marks dx apart from
// offsetX; every other row shifted by dx / 2 when staggered.
struct FigureGrid {
    double dx = 1.0;
    double dy = 1.0;
    double offsetX = 0.0;
    double offsetY = 0.0;
    bool staggered = false;
};

class FigurePlotter {
public:
    // Clips the device to the cell until the plotter goes out of scope.
    FigurePlotter(LogDevice& device, const FigureFrame& frame, const Pen& pen);
    ~FigurePlotter();
    FigurePlotter(const FigurePlotter&) = delete;
    FigurePlotter& operator=(const FigurePlotter&) = delete;

    // The cell in figure millimetres.
    double width() const { return width_; }
    double height() const { return height_; }

    void line(double x1, double y1, double x2, double y2) const;
    void polyline(const std::vector<FigurePoint>& points) const;
    void polygon(const std::vector<FigurePoint>& points, bool filled) const;
    void circle(double x, double y, double radius) const;
    // A filled dot, at least one device unit in radius so it never vanishes.
    void dot(double x, double y, double radius) const;
    void ellipse(double x, double y, double radiusX, double radiusY, bool filled) const;
    // Counter-clockwise from startDegrees to endDegrees (0 = +x, 90 = up).
    void arc(double x, double y, double radius, double startDegrees, double endDegrees) const;
    void filledBox(double x1, double y1, double x2, double y2) const;

    // Lines across the cell.
    void horizontalLines(double spacing, double offset) const;
    // Dashed horizontal lines: dashes of `dash` separated by `gap`; every
    // other line shifted by `shift`.
    void horizontalDashes(double spacing, double offset, double dash, double gap, double shift) const;
    void verticalLines(double spacing, double offset) const;
    // Parallel lines at 45 degrees, `spacing` apart measured along x: rising
    // ("/") or falling ("\").
    void diagonalLines(double spacing, double offset, bool rising) const;
    // Sine waves across the cell, `spacing` apart.
    void waves(double spacing, double offset, double wavelength, double amplitude, double phase = 0.0) const;

    // Calls mark(x, y, column, row) for every grid point whose mark (reaching
    // `reach` around its point) can touch the visible part of the cell.
    void repeat(const FigureGrid& grid, double reach,
                const std::function<void(double x, double y, int column, int row)>& mark) const;

private:
    DevicePoint toDevice(double x, double y) const;
    bool hasVisiblePart() const { return visibleLeft_ < visibleRight_ && visibleTop_ < visibleBottom_; }

    LogDevice& device_;
    FigureFrame frame_;
    Pen pen_;
    double width_ = 0.0;
    double height_ = 0.0;
    // The part of the cell that can show on the device, figure millimetres.
    double visibleLeft_ = 0.0;
    double visibleTop_ = 0.0;
    double visibleRight_ = 0.0;
    double visibleBottom_ = 0.0;
};

}  // namespace kolv
