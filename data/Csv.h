#pragma once
#include <string>
#include <string_view>

namespace kolv {

// Lines of comma-separated sections longer than this are cut (with the
// message "too many csv") before their fields are taken.
inline constexpr std::size_t csvLineLimit = 2600;

// Field n (from 1) of a comma-separated line. Commas inside double quotes do
// not separate; the quotes themselves are dropped. A missing field is empty.
std::string splitCsvField(std::string_view line, int n);

}  // namespace kolv
