#include "data/Csv.h"

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

}  // namespace kolv
