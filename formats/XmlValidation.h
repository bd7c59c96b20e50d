#pragma once
// Whether an XML file of a delivery is well-formed and valid against the
// document type it names, read from beside the file as the delivery carries
// it (the name compared without regard to case). Nothing is fetched from the
// network.
#include <string>
#include <vector>

namespace kolv {

struct XmlValidation {
    bool wellFormed = false;
    bool valid = false;   // against the document type, when it was found
    std::string dtdName;  // the document type's system name ("BED0300.DTD")
    bool dtdFound = false;
    std::string encodingProblem;      // a declaration that its bytes contradict
    std::vector<std::string> errors;  // "line N: what libxml2 says", at most a few dozen
};

XmlValidation validateXmlFile(const std::string& path);

}  // namespace kolv
