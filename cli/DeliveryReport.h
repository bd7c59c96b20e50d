#pragma once
// The report of a delivery's logs: one row per borehole of BORING.XML, as a
// text table on stdout and as an HTML page with a thumbnail of every log.
#include "formats/DeliveryFolder.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace kolv {

struct DeliveryLogRow {
    std::string serial;
    std::string name;          // UTF-8: the document's, else the entry's
    std::string exchangeFile;  // as BORING.XML names it
    std::string logFile;       // the PDF's name
    std::string outcome;       // "written", "kept", "failed"
    double depth = 0.0;
    int layers = 0;
    int tests = 0;
    int pages = 0;
    std::string thumbnailPng;
    std::vector<std::string> problems;
};

void printDeliveryReport(std::ostream& out, const std::vector<DeliveryLogRow>& rows);

// A page a browser shows: the delivery's folder and version, then the table
// with the thumbnails embedded, so the page stays whole when it is moved.
std::string deliveryReportHtml(const DeliveryFolder& delivery, const std::vector<DeliveryLogRow>& rows);

}  // namespace kolv
