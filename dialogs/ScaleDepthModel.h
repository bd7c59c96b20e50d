#pragma once
// The scale and depth dialog ("縮尺と表示印刷深度"): the two scale
// denominators, the print start depth, the metres of one page and their
// overlap, and the forced extra pages, with what fits on the paper.
#include "data/BoringData.h"
#include "dialogs/FieldModel.h"
#include "document/ViewState.h"
#include "settings/LogSettings.h"

#include <functional>
#include <vector>

namespace kolv {

inline constexpr int scaleDialogPassLimit = 3;

const std::vector<FormField>& scaleDepthFields();

class ScaleDepthModel : public FieldModel {
public:
    ScaleDepthModel(const LogSettings& settings, const ViewState& view, const BoringData& data);

    void fieldLeft(std::string_view key, Prompter& prompter) override;
    void buttonPressed(std::string_view key, Prompter& prompter) override;

    struct PassResult {
        bool repeat = false;  // a value was corrected: the dialog is shown again
        bool save = false;    // Sys.ndx is to be written
    };
    // One OK of the dialog: takes the fields into the settings, the view and
    // the document's start depth (option 16), correcting the overlap and the
    // metres per page in the fields when they do not fit.
    PassResult applyPass(LogSettings& settings, ViewState& view, BoringData& data, Prompter& prompter);

private:
    void updateLastPage();

    LogSettings settings_;  // the values the dialog computes with
    int freeNotesHeight_ = 0;
    double maxDepth_ = 0.0;
};

// After every pass, OK or Cancel: a start above the first metre shows page 1.
void settleCurrentPage(ViewState& view);

struct ScaleDepthOutcome {
    int passes = 0;
    bool accepted = false;  // at least one pass ended with OK
    bool save = false;      // the last pass needed no correction: Sys.ndx is to be written
};
// The dialog's loop: shows it (showDialog returns true for OK, false for
// Cancel) and applies each OK; a pass that corrected a value shows it again,
// at most three times in all. Cancel ends the loop, keeping earlier passes.
ScaleDepthOutcome runScaleDepthPasses(ScaleDepthModel& model, LogSettings& settings, ViewState& view, BoringData& data,
                                      Prompter& prompter, const std::function<bool()>& showDialog);

}  // namespace kolv
