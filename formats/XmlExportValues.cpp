#include "formats/XmlExportValues.h"

#include "data/Cp932Text.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"

#include <cctype>

namespace kolv {

namespace {

constexpr std::string_view fullWidthSpace = "\x81\x40";

std::string_view trimBlanks(std::string_view text)
{
    text = skipLeadingBlanks(text);
    while (!text.empty()) {
        if (text.back() == ' ' || text.back() == '\t')
            text.remove_suffix(1);
        else if (endsWithText(text, fullWidthSpace))
            text.remove_suffix(fullWidthSpace.size());
        else
            break;
    }
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of the decimal number at the start of text: sign, digits,
// point, digits, at least one digit; 0 when there is none.
std::size_t numberLength(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fraction = 0;
        while (pos + 1 + fraction < text.size() && isDigit(text[pos + 1 + fraction]))
            ++fraction;
        if (digits + fraction > 0)
            pos += 1 + fraction;
        digits += fraction;
    }
    return digits > 0 ? pos : 0;
}

// A whole number of at most maxDigits digits, nothing else.
std::optional<int> wholeNumber(std::string_view text, std::size_t maxDigits)
{
    text = trimBlanks(text);
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
    }
    return static_cast<int>(parseLeadingInteger(text));
}

struct Era {
    const char* name;  // UTF-8
    int yearBeforeFirst;
};

constexpr Era eras[] = {
    {"令和", 2018}, {"平成", 1988}, {"昭和", 1925}, {"大正", 1911}, {"明治", 1867},
};

std::string isoDate(int year, int month, int day)
{
    return formatText("%04d-%02d-%02d", year, month, day);
}

bool isMonthAndDay(std::optional<int> month, std::optional<int> day)
{
    return month && day && *month >= 1 && *month <= 12 && *day >= 1 && *day <= 31;
}

}  // namespace

std::string exportNumber(XmlLineWriter& writer, std::string_view text, const XmlCellPlace& place)
{
    const std::string_view trimmed = trimBlanks(text);
    const std::size_t length = numberLength(trimmed);
    if (length == trimmed.size())
        return std::string(trimmed);
    if (length == 0) {
        writer.report(place, text, "数値ではありません. 空欄で出力しました.");
        return {};
    }
    const std::string number(trimmed.substr(0, length));
    writer.report(place, text, "数値ではありません. 先頭の数値「" + number + "」を出力しました.");
    return number;
}

std::optional<int> westernYear(std::string_view year, std::string_view era)
{
    const std::optional<int> number = wholeNumber(year, 4);
    if (!number)
        return std::nullopt;
    const std::string_view eraName = trimBlanks(era);
    if (!eraName.empty()) {
        for (const Era& known : eras) {
            if (eraName == utf8ToCp932(known.name))
                return *number >= 1 && *number < 100 ? std::optional<int>(known.yearBeforeFirst + *number)
                                                     : std::nullopt;
        }
    }
    return trimBlanks(year).size() == 4 ? number : std::nullopt;
}

std::string exportSurveyDate(XmlLineWriter& writer, std::string_view year, std::string_view month, std::string_view day,
                             std::string_view era, const XmlCellPlace& place)
{
    if (trimBlanks(year).empty() && trimBlanks(month).empty() && trimBlanks(day).empty())
        return {};
    const std::optional<int> western = westernYear(year, era);
    const std::optional<int> monthNumber = wholeNumber(month, 2);
    const std::optional<int> dayNumber = wholeNumber(day, 2);
    if (!western || !isMonthAndDay(monthNumber, dayNumber)) {
        const std::string stored =
            std::string(era) + std::string(year) + "/" + std::string(month) + "/" + std::string(day);
        writer.report(place, stored, "年月日になっていません. 空欄で出力しました.");
        return {};
    }
    return isoDate(*western, *monthNumber, *dayNumber);
}

std::string exportMeasuringDate(XmlLineWriter& writer, std::string_view date, const SurveyYears& years,
                                const XmlCellPlace& place)
{
    const std::string_view trimmed = trimBlanks(date);
    if (trimmed.empty())
        return {};
    const std::size_t slash = trimmed.find('/');
    const std::optional<int> month =
        slash == std::string_view::npos ? std::nullopt : wholeNumber(trimmed.substr(0, slash), 2);
    const std::optional<int> day =
        slash == std::string_view::npos ? std::nullopt : wholeNumber(trimmed.substr(slash + 1), 2);
    if (!isMonthAndDay(month, day)) {
        writer.report(place, date, "月/日になっていません. 空欄で出力しました.");
        return {};
    }
    std::optional<int> year = years.startYear;
    if (years.endYear && (!year || *month < years.startMonth))
        year = years.endYear;
    if (!year) {
        writer.report(place, date, "調査期間の年がありません. 年を0000として出力しました.");
        return isoDate(0, *month, *day);
    }
    return isoDate(*year, *month, *day);
}

}  // namespace kolv
