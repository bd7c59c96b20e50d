#include "render/ObservationCursor.h"

#include <gtest/gtest.h>

using namespace kolv;

TEST(ObservationCursor, NotesStartAtTheirDepthUnlessPushedDown)
{
    ObservationCursor cursor;
    NotePlacement first = cursor.begin(1.00);
    EXPECT_DOUBLE_EQ(first.leaderDepth, 1.00);
    EXPECT_DOUBLE_EQ(first.textTop, 1.10);
    cursor.end(0.5);

    // The second note at 1.02 starts 0.03 below the first note's text.
    NotePlacement second = cursor.begin(1.02);
    EXPECT_DOUBLE_EQ(second.leaderDepth, 1.63);
    EXPECT_DOUBLE_EQ(second.textTop, 1.73);
    cursor.end(0.2);

    // A note well below the text above starts at its own depth.
    NotePlacement third = cursor.begin(5.0);
    EXPECT_DOUBLE_EQ(third.leaderDepth, 5.0);
    cursor.end(-3.0);
    EXPECT_DOUBLE_EQ(cursor.begin(5.0).leaderDepth, 5.13);
}

TEST(ObservationCursor, NotesNeverOverlapWhateverTheirOrder)
{
    ObservationCursor cursor;
    const double depths[] = {3.0, 1.0, 1.0, 2.0, -4.0, 2.5};
    double previousBottom = -1e9;
    for (double depth : depths) {
        const NotePlacement placement = cursor.begin(depth);
        EXPECT_GE(placement.leaderDepth, depth);
        EXPECT_GT(placement.leaderDepth, previousBottom);
        cursor.end(0.4);
        previousBottom = placement.textTop + 0.4;
    }
}
