#pragma once
// The codes of the exchange files that the store keeps as names or letters,
// one table for both directions: the import turns a code into what the log
// shows, the export writes the code back.
#include <string>
#include <string_view>

namespace kolv {

// The sampling-method letter of a sample for the method code of the file:
// 100 "-", 250 "T", 300 "D", 507 "F", any other code "A".
std::string samplingMethodLetter(std::string_view code);

// The method code for a letter of the table above; "A" (any other method)
// becomes 999, the code of a method described in words. Empty when the
// letter is none of the table's.
std::string samplingMethodCode(std::string_view letter);

// The name an imported loading test carries in the in-situ table, code page
// 932; the export writes rows of this name back as loading tests.
const std::string& loadingTestName();

}  // namespace kolv
