#pragma once
// A PNG page drawn in horizontal bands: the page is drawn once per band into
// an image of the band's height and its rows are compressed as they come,
// so that a page at 1,200 dpi needs a band's memory rather than a whole
// page's (an A3 page there is 280 million pixels, over a gigabyte). The
// bands of every page drawn at the same time share one budget, so that files
// rendered side by side (-j) stay within it together.
#include <QByteArray>
#include <QPainter>

#include <cstddef>
#include <functional>

namespace kolv {

// The memory the bands of all pages drawn at once may take, and the most
// one band takes.
inline constexpr std::size_t bandMemoryBudget = std::size_t{256} << 20;
inline constexpr std::size_t largestBandBytes = std::size_t{32} << 20;

// The PNG (RGB, with the resolution recorded) of a page of width x height
// pixels that paint draws on a white ground in page pixels. Empty when the
// image cannot be made.
QByteArray bandedPng(int width, int height, int dotsPerInch, const std::function<void(QPainter&)>& paint);

}  // namespace kolv
