#pragma once
// What an exchange file says that the document does not keep: its DTD
// version and the geodetic datum of its position.
#include <string>

namespace kolv {

struct ExchangeFileFacts {
    std::string dtdVersion;  // "3.00"; empty when the root element gives none
    std::string datumCode;   // the text of <測地系>; empty when absent
};

// Reads the file's bytes; both are empty for a file that cannot be read or
// is no exchange file.
ExchangeFileFacts readExchangeFileFacts(const std::string& path);

}  // namespace kolv
