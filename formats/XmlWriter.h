#pragma once
// Writer of the public-works exchange file ("ボーリング情報" DTD 4.00): the
// heading particulars and the borehole's layers, colours, penetration
// tests, observation notes, samples, in-situ tests, geological ages, water
// levels and drilling progress, written so that the exchange-file import
// reads the same store back.
//
// What the format cannot carry, and so does not come back on import:
// - heading: the hammer drop device (line 21; the 4.00 format has no such
//   element), the elevation datum (12), the era of the survey dates (34, 35;
//   the years are written as western years, months and days with two
//   digits), the engineers' role captions (41-44), the sheet number, memo
//   and free codes (28-30, 33), the heading water level (31, 32), the
//   drawing switches and title (36, 38, 47-50, 70, 71), the page footer
//   (61-69) and the other lines the file has no element for; lines 58 and
//   59 only as far as line 27 ends with them; numbers in words or with a
//   unit (reported; "鉛直" as an angle is written as 0);
// - layers: the auxiliary name and its pattern, percentages and separator
//   (cells 3, 6, 9, 10, 11), the display-flag word (7); the pattern code of
//   the name (5) is looked up again from the name; layers come back in
//   depth order;
// - penetration tests: the graph switch (cell 6); a bare blow count comes
//   back as blows over 30 cm (N value) or 10 cm (interval), a penetration
//   in whole centimetres;
// - observation notes: the one-character field and the underline flag
//   (cells 3, 5); a lone CR or LF comes back as CR LF, a backslash before
//   "n" as a line break;
// - in-situ tests: the flag word, symbol and note position (cells 4-8);
//   tests come back in depth order, loading tests first at one depth;
// - samples: the disturbed flag (cell 6); a sampling method other than the
//   letters "-", "T", "D", "F" comes back as "A";
// - water levels: the display bits (cell 4); the level comes back written
//   "%+.2f"; a level of +99.99 comes back as no row, since the files write
//   -99.99 for "no level measured" (reported);
// - drilling progress: a row without a date (the import keeps only dated
//   rows); measuring dates come back with two-digit months and days;
// - characters that code page 932 holds twice (NEC and IBM extensions):
//   they come back under the code that the conversion prefers;
// - recovery ratio and qu, free notes and their frame, the document options
//   (column widths, drawing start) and everything of the settings (fonts,
//   colours, styles).
#include "data/BoringData.h"
#include "formats/XmlExportIssue.h"

#include <string>

namespace kolv {

struct XmlExport {
    std::string bytes;       // the whole file
    XmlExportIssues issues;  // values written otherwise than stored
};

XmlExport writeXmlFile(const BoringData& data);

// The path proposed for the exchange file of a document: the document's
// path with its extension replaced by ".XML", as deliveries name them.
std::string exchangeFilePath(const std::string& documentPath);

}  // namespace kolv
