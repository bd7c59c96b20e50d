#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

// Lines of comma-separated sections longer than this are cut (with the
// message "too many csv") before their fields are taken.
inline constexpr std::size_t csvLineLimit = 2600;

// Field n (from 1) of a comma-separated line. Commas inside double quotes do
// not separate; the quotes themselves are dropped. A missing field is empty.
std::string splitCsvField(std::string_view line, int n);

// Fields 1 to count of a line in one pass, as splitCsvField gives each.
std::vector<std::string> splitCsvFields(std::string_view line, int count);

}  // namespace kolv
