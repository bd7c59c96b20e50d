#pragma once
// Store texts in the forms the exchange file gives numbers and dates. Every
// value that has to be changed on the way is reported through the writer.
#include "formats/XmlLineWriter.h"

#include <optional>
#include <string>
#include <string_view>

namespace kolv {

// A decimal number as stored, without the blanks around it. A text that
// only begins with a number ("12.5m", "0°") gives that number, one without
// any gives an empty value; both are reported.
std::string exportNumber(XmlLineWriter& writer, std::string_view text, const XmlCellPlace& place);

// The year of a date as the heading keeps it: a western year of four digits,
// or a year of the era named beside it ("令和", "平成", "昭和", "大正", "明治").
std::optional<int> westernYear(std::string_view year, std::string_view era);

// The survey start or end date "YYYY-MM-DD" from the heading's year, month,
// day and era; empty when the heading has none of them, reported and empty
// when it is no complete date. place names the year's line.
std::string exportSurveyDate(XmlLineWriter& writer, std::string_view year, std::string_view month, std::string_view day,
                             std::string_view era, const XmlCellPlace& place);

// The years of the survey, which the measuring dates "MM/DD" of water levels
// and drilling progress lack.
struct SurveyYears {
    std::optional<int> startYear;
    int startMonth = 0;
    std::optional<int> endYear;
};

// A measuring date "MM/DD" as "YYYY-MM-DD": the year of the survey start, or
// of its end for a month before the start month. Without a known year the
// year is written "0000" and reported; a text that is no month and day is
// reported and left empty.
std::string exportMeasuringDate(XmlLineWriter& writer, std::string_view date, const SurveyYears& years,
                                const XmlCellPlace& place);

}  // namespace kolv
