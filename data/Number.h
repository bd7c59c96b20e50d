#pragma once
// Numbers held as text are read by their leading number and written with
// fixed formats that always use "." whatever the locale.
#include <string>
#include <string_view>

namespace kolv {

// The leading decimal number of the text (atof rules without hex, "inf" or
// "nan"): optional white space, sign, digits, point, exponent. No number, an
// overflow or a non-finite result reads as 0.
double parseLeadingNumber(std::string_view text);

// A depth cell in metres: its leading number (0 when it has none).
inline double depthOf(std::string_view cell)
{
    return parseLeadingNumber(cell);
}

// The leading integer (atoi/atol rules); an overflow reads as 0.
long parseLeadingInteger(std::string_view text);

// strtoul with automatic base ("0x808080" hex, "0755" octal, else decimal),
// as colour texts are read; no number reads as 0.
unsigned long parseUnsignedAutoBase(std::string_view text);

// printf-style formatting in the "C" locale ("%.2f", "%+.2f", "%ld.%d", "%g").
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string formatDepth(double metres);        // "%.2f"
std::string formatSignedDepth(double metres);  // "%+.2f"

// Depths are equal when they differ by less than 0.000001.
bool depthsEqual(double a, double b);

}  // namespace kolv
