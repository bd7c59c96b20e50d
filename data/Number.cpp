#include "data/Number.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kolv {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Parses with the C locale's "." whatever the process locale is.
double parseDecimalInC(const std::string& number)
{
    double value = 0.0;
    int consumed = 0;
    locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    if (cLocale) {
        locale_t previous = uselocale(cLocale);
        if (std::sscanf(number.c_str(), "%lf%n", &value, &consumed) != 1)
            value = 0.0;
        uselocale(previous);
        freelocale(cLocale);
    }
    return value;
}

}  // namespace

double parseLeadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (exponent < text.size() && isDigit(text[exponent])) {
            pos = exponent;
            while (pos < text.size() && isDigit(text[pos]))
                ++pos;
        }
    }
    const double value = parseDecimalInC(std::string(text.substr(start, pos - start)));
    return std::isfinite(value) ? value : 0.0;
}

long parseLeadingInteger(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > 2147483647LL)
            return 0;
    }
    return static_cast<long>(negative ? -value : value);
}

unsigned long parseUnsignedAutoBase(std::string_view text)
{
    const std::string copy(text);
    errno = 0;
    char* end = nullptr;
    const unsigned long value = std::strtoul(copy.c_str(), &end, 0);
    if (errno == ERANGE || value > 0xFFFFFFFFUL)
        return 0;
    return value;
}

std::string formatText(const char* format, ...)
{
    // The "C" numbers, made once and used by this thread for the call only.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    const locale_t previous = cLocale ? uselocale(cLocale) : static_cast<locale_t>(0);
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    // Nearly every text fits the buffer on the stack; a longer one is
    // formatted again at its length.
    char small[128];
    const int length = std::vsnprintf(small, sizeof small, format, arguments);
    va_end(arguments);
    std::string result;
    if (length > 0 && static_cast<std::size_t>(length) < sizeof small) {
        result.assign(small, static_cast<std::size_t>(length));
    } else if (length > 0) {
        result.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(result.data(), result.size(), format, copy);
        result.resize(static_cast<std::size_t>(length));
    }
    va_end(copy);
    if (cLocale)
        uselocale(previous);
    return result;
}

std::string formatDepth(double metres)
{
    return formatText("%.2f", metres);
}

std::string formatSignedDepth(double metres)
{
    return formatText("%+.2f", metres);
}

bool depthsEqual(double a, double b)
{
    return std::fabs(a - b) < 0.000001;
}

}  // namespace kolv
