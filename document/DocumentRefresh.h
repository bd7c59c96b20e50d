#pragma once
// What follows every change of the document (opening, a data dialog's OK,
// a new document) before the log is drawn again.
#include "data/BoringData.h"
#include "document/ViewState.h"
#include "platform/Issue.h"
#include "settings/LogSettings.h"

#include <optional>

namespace kolv {

// Reloads the settings and masters, rebuilds the layers' vector pattern codes,
// applies the printer's paper, returns the view to page 1 at the document's
// start depth (DocumentOptions item 16, held within -10 ... 3000 m), fills the
// four engineer-role captions and the title when the captions are all empty,
// puts a qu full scale that is not positive back to 500, and takes the
// free-notes frame size as a number.
void applyDocumentChange(BoringData& data, LogSettings& settings, ViewState& view, Issues& issues,
                         const std::optional<PaperSize>& paper);

}  // namespace kolv
