#include "render/NValue.h"

#include "data/BoringData.h"
#include "data/Cp932Text.h"
#include "data/Number.h"

#include <algorithm>
#include <cmath>

namespace kolv {

namespace {

// Texts above this N come from a penetration of 0 (or a nonsense count) and
// are printed as "- " and with the "分母が０の時" text.
constexpr double undrivenTextThreshold = 2100.0;
constexpr double cannotPenetrateThreshold = 2200.0;

}  // namespace

BlowCount parseBlowCount(std::string_view text)
{
    BlowCount count;
    count.present = isNumericText(text) >= 0;
    if (!count.present)
        return count;
    const std::size_t slash = findText(text, "/");
    count.fraction = slash != textNotFound;
    count.blows = parseLeadingInteger(count.fraction ? text.substr(0, slash) : text);
    if (count.fraction)
        count.penetration = parseLeadingInteger(text.substr(slash + 1));
    return count;
}

NValue nValue(std::string_view total)
{
    NValue n;
    const std::size_t slash = findText(total, "/");
    n.blows = std::min(parseLeadingInteger(slash == textNotFound ? total : total.substr(0, slash)), 999L);
    if (slash != textNotFound) {
        const std::string_view after = total.substr(slash + 1);
        if (isNumericText(after) > 0)
            n.penetration = parseLeadingInteger(after);
    }
    n.value = n.penetration > 0 ? 30.0 / static_cast<double>(n.penetration) * static_cast<double>(n.blows) : nValueCap;
    if (n.value > nValueCap)
        n.value = nValueCap;
    return n;
}

std::string nValueText(double n)
{
    if (n > undrivenTextThreshold)
        return "- ";
    const double whole = std::round(n);
    if (std::fabs(n - whole) < 0.001)
        return formatText("%d ", static_cast<int>(whole));
    return formatText("%.1f", n);
}

double nValueIntervalLength(long penetration)
{
    return std::clamp(static_cast<double>(penetration) * 0.01, 0.03, 0.9);
}

int graphMaxN(int maxBlowsChoice)
{
    return maxBlowsChoice == 1 ? 60 : 50;
}

NPlotMarks nPlotMarks(const NValue& n, int graphMax, int plotSymbol, bool blackDot)
{
    NPlotMarks marks;
    const bool zero = n.value <= 0.0;
    const bool over = n.value > graphMax;
    marks.zeroText = zero;
    marks.cannotPenetrateText = n.value > cannotPenetrateThreshold;

    bool markIsCircle = true;
    if (over) {
        markIsCircle = false;
        marks.overRangeArrow = plotSymbol != 0;
    } else if (zero && n.penetration >= 30) {
        markIsCircle = false;
        marks.zeroLine = plotSymbol != 0;
    }
    marks.circle = plotSymbol == 0 || plotSymbol == 2 || markIsCircle;
    marks.filledCircle = marks.circle && blackDot && (zero || over);
    return marks;
}

double nPlotOffset(double n, int graphMax, double graphWidth)
{
    if (graphMax <= 0)
        return 0.0;
    return std::clamp(n, 0.0, static_cast<double>(graphMax)) * graphWidth / graphMax;
}

}  // namespace kolv
