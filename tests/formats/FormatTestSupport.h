#pragma once
// Shared by the format tests: a small soil-name master built in code and a
// way to feed a whole text through the line dispatcher.
#include "data/BoringData.h"
#include "formats/LineDispatch.h"
#include "settings/SoilNameMaster.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace kolv::test {

struct MasterEntry {
    int section;       // 1 names, 2 "混じり" modifiers, 3 "質" qualifiers
    const char* name;  // UTF-8
    const char* symbol;
    long vectorNumber;  // set 0; -1 for none
    long bitmapNumber;  // set 1
    int markDigit = 0;  // both sets
};

SoilNameMaster makeMaster(std::initializer_list<MasterEntry> entries);

// The master most format tests use: a few whole names, base names, modifiers
// and qualifiers with the numbering of the bundled reference data.
const SoilNameMaster& smallMaster();

// Dispatches every line of the text (code page 932) to a cleared store and
// runs the post-processing; issues (optional) receives what went wrong.
BoringData readText(std::string_view text, FormatCode formatCode, const SoilNameMaster& master = smallMaster(),
                    Issues* issues = nullptr);

// The format code of a number of the table of codes.
inline FormatCode formatCodeOf(int number)
{
    return static_cast<FormatCode>(number);
}

// Lines joined with CR LF, each line given in UTF-8 and converted.
std::string crLfLines(std::initializer_list<std::string_view> utf8Lines);

}  // namespace kolv::test
