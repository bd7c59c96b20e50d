#include "render/ObservationCursor.h"

#include <algorithm>

namespace kolv {

namespace {

// Space kept between two notes, and between a note's leader and its text.
constexpr double noteGap = 0.03;
constexpr double textBelowLeader = 0.1;

}  // namespace

NotePlacement ObservationCursor::begin(double upperDepth)
{
    position_ = std::max(position_ + noteGap, upperDepth);
    textTop_ = position_ + textBelowLeader;
    return {position_, textTop_};
}

void ObservationCursor::end(double textHeight)
{
    position_ = textTop_ + std::max(textHeight, 0.0);
}

}  // namespace kolv
