#pragma once
// The checks of an electronic delivery before it is handed over: every
// exchange file well-formed and valid against the DTD the delivery carries,
// its values in the ranges a borehole can have, its log texts free of
// full-width letters and digits, in agreement with BORING.XML, and the files
// BORING.XML names present and the exchange files and logs present named.
#include "data/BoringData.h"
#include "formats/DeliveryFolder.h"
#include "settings/SoilNameMaster.h"

#include <string>
#include <vector>

namespace kolv {

struct DeliveryFinding {
    std::string file;  // the path of the file concerned
    std::string text;  // UTF-8
};

// The values of one exchange file, read as the Open command does, that no
// borehole can have: a position outside Japan, depths below the drilled
// length or out of order, penetration tests and water levels out of range.
std::vector<std::string> valueProblems(const BoringData& data);

// The full-width check's findings as one sentence per row; empty when clean.
std::vector<std::string> fullWidthProblems(const BoringData& data);

// Every finding of the delivery, file by file in the order of BORING.XML.
std::vector<DeliveryFinding> checkDelivery(const DeliveryFolder& delivery, const SoilNameMaster& master);

}  // namespace kolv
