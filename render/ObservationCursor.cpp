#include "render/ObservationCursor.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

// Space kept between two notes, and between a note's leader and its text.
constexpr double noteGap = 0.03;
constexpr double textBelowLeader = 0.1;
// A text that ends this little past a page bottom still counts as on the page.
constexpr double pageTolerance = 0.000001;
// Pages a note may move on before it is left where it is; a log has at most
// as many pages as this.
constexpr int pageMovesLimit = 1000;

}  // namespace

double ObservationCursor::bottomOfFirstPageAt(double depth) const
{
    if (!(pages_.step > 0.0))
        return depth;
    const double page =
        std::max(0.0, std::floor((depth - pages_.firstStart - pages_.depth) / pages_.step + pageTolerance) + 1.0);
    const double start = pages_.firstStart + pages_.step * page;
    return start <= depth + pageTolerance ? start + pages_.depth : depth;
}

NotePlacement ObservationCursor::begin(double upperDepth, double textHeight)
{
    position_ = std::max(position_ + noteGap, upperDepth);
    // A note taller than a page is cut wherever it stands; any other moves on
    // until a page holds it whole.
    const bool fitsAPage = textBelowLeader + textHeight <= pages_.depth + pageTolerance;
    for (int moves = 0; paged_ && fitsAPage && moves < pageMovesLimit; ++moves) {
        const double pageBottom = bottomOfFirstPageAt(position_);
        if (pageBottom <= position_ || position_ + textBelowLeader + textHeight <= pageBottom + pageTolerance)
            break;
        position_ = pageBottom;
    }
    textTop_ = position_ + textBelowLeader;
    return {position_, textTop_};
}

void ObservationCursor::end(double textHeight)
{
    position_ = textTop_ + std::max(textHeight, 0.0);
}

}  // namespace kolv
