#include "data/Csv.h"

#include <algorithm>

namespace kolv {

std::string splitCsvField(std::string_view line, int n)
{
    // Trail bytes of double-byte characters are 0x40 and above, so they never
    // equal the comma or the double quote: a byte scan is exact here.
    std::string field;
    int current = 1;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c == ',' && !quoted) {
            if (current == n)
                return field;
            ++current;
            continue;
        }
        if (current == n)
            field.push_back(c);
    }
    return current == n ? field : std::string();
}

std::vector<std::string> splitCsvFields(std::string_view line, int count)
{
    std::vector<std::string> fields(static_cast<std::size_t>(std::max(count, 0)));
    std::size_t current = 0;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c == ',' && !quoted) {
            if (++current >= fields.size())
                break;
            continue;
        }
        if (current < fields.size())
            fields[current].push_back(c);
    }
    return fields;
}

}  // namespace kolv
