#pragma once
// Printing, the print preview and the PDF export: each page of a range drawn
// by the one drawing pass, page p from its own start depth, with the
// document's page state set as printing needs it (the paging commands are
// ignored meanwhile; the screen returns to page 1 afterwards).
#include "document/ViewState.h"

#include <functional>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QPrinter;

namespace kolv {

class LogDocument;

// Told before each page (how many are done); false cancels the job.
using PageProgress = std::function<bool(int pagesDone)>;

// The paper of a printer, whole millimetres, as the printer's dots x 25.4 /
// its resolution, truncated.
std::optional<PaperSize> paperOf(const QPrinter& printer);

// The depth the log reaches: its last layer, or the observation notes the
// notes above push further down (measured as printed).
double logDepth(const LogDocument& document);

// The printer's paper becomes the document's default-printer paper; returns
// the page count.
int preparePrinting(LogDocument& document, const std::optional<PaperSize>& paper);

// Draws pages first..last on the device, one device page each. False when
// the progress cancelled the job.
bool printPages(QPagedPaintDevice& device, LogDocument& document, int firstPage, int lastPage,
                const PageProgress& progress = {});

// The bytes of a PDF of pages first..last on the paper; empty when cancelled.
std::string pdfOfPages(LogDocument& document, const PaperSize& paper, int firstPage, int lastPage,
                       const PageProgress& progress = {});

}  // namespace kolv
