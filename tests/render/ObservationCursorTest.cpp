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

TEST(ObservationCursor, ANoteThatWouldCrossAPageBottomMovesWholeToTheNextPage)
{
    struct Case {
        NotePages pages;
        double upper;
        double height;
        double leaderDepth;
    };
    const Case cases[] = {
        {{0.0, 10.0, 10.0}, 9.5, 1.0, 10.0},    // from page 1 to the top of page 2
        {{0.0, 10.0, 10.0}, 9.0, 0.8, 9.0},     // ends on page 1: stays
        {{0.0, 10.0, 10.0}, 9.5, 12.0, 9.5},    // taller than a page: stays where it is
        {{0.0, 8.0, 10.0}, 9.5, 1.0, 10.0},     // overlapping pages: below page 1's bottom
        {{5.0, 10.0, 10.0}, 2.0, 4.0, 2.0},     // above the first page: not moved
        {{0.0, 10.0, 10.0}, 19.95, 0.5, 20.0},  // and again at the bottom of page 2
    };
    for (const Case& c : cases) {
        ObservationCursor cursor(c.pages);
        const NotePlacement placement = cursor.begin(c.upper, c.height);
        EXPECT_DOUBLE_EQ(placement.leaderDepth, c.leaderDepth) << c.upper << " + " << c.height;
        cursor.end(c.height);
        EXPECT_DOUBLE_EQ(cursor.bottom(), placement.textTop + c.height);
    }
}
