#pragma once
// The N value of a standard penetration test and the decisions of its
// drawing that depend only on the numbers: the counts as fractions, the
// length of the test interval, the N-value text and the plot marks.
#include <string>
#include <string_view>

namespace kolv {

// N of a test that could not be driven (a penetration of 0) or that is
// beyond any sensible figure.
inline constexpr double nValueCap = 2999.99;

// A count as typed: a number of blows, or blows "/" penetration in cm.
struct BlowCount {
    bool present = false;   // something besides blanks was typed
    bool fraction = false;  // written blows "/" cm
    long blows = 0;
    long penetration = 0;  // the cm after "/"; 0 when nothing numeric follows
};

BlowCount parseBlowCount(std::string_view text);

struct NValue {
    double value = 0.0;
    long blows = 0;         // capped at 999
    long penetration = 30;  // cm the blows were counted over
};

// N = 30 / penetration × blows; a bare number is blows for 30 cm, and so is a
// total with nothing numeric after "/". A penetration of 0 or less, or an N
// above the cap, gives the cap.
NValue nValue(std::string_view total);

// The N value as printed beside the graph: "- " for a test that could not be
// driven, "%d " for a whole number, else "%.1f".
std::string nValueText(double n);

// The length in metres of the test interval drawn for a penetration in cm,
// kept between 0.03 and 0.9 so that every test has a visible mark.
double nValueIntervalLength(long penetration);

// Full scale of the graph: 50 or 60 blows by the "最高打撃回数" choice.
int graphMaxN(int maxBlowsChoice);

// What the plot of one test consists of.
struct NPlotMarks {
    bool circle = false;
    bool filledCircle = false;
    bool overRangeArrow = false;       // at the right edge, pointing right
    bool zeroLine = false;             // a short stroke to the right of the point
    bool zeroText = false;             // the "０回以下の時" text right of the point
    bool cannotPenetrateText = false;  // the "分母が０の時" text left of the point
};

// plotSymbol: 0 "○", 1 "－,→", 2 "－,→と○". blackDot: "●黒丸にする", which
// fills the circle of a test that is off the scale (0 or fewer blows or
// beyond the full scale).
NPlotMarks nPlotMarks(const NValue& n, int graphMax, int plotSymbol, bool blackDot);

// x of the plot point in graph units (0 at the graph's left edge, graphWidth
// at its right edge); N below 0 stays on the graph.
double nPlotOffset(double n, int graphMax, double graphWidth);

}  // namespace kolv
