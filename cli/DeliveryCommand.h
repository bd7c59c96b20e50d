#pragma once
// kolv-cli delivery FOLDER [--out DIR] [-j N] [--force]
// kolv-cli delivery FOLDER --check
//
// An electronic delivery's BORING folder: the log of every borehole its
// BORING.XML lists, drawn as render draws it and written as a PDF under the
// name the delivery gives (LOG/BRG0001.PDF), with a report per borehole on
// stdout and as report.html beside the PDFs; or, with --check, the findings
// of the delivery's checks without writing anything.
#include <string>
#include <vector>

namespace kolv {

// arguments: everything after "delivery".
int runDeliveryCommand(const std::vector<std::string>& arguments);

}  // namespace kolv
