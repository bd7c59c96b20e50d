#pragma once
// The heading dialog ("見出し"): the survey particulars of the title block,
// held as the heading lines of the document (field "L<line>") and the
// document option "港湾柱状図に反映する項目のみ有効にする" (field "harbourOnly").
#include "data/BoringData.h"
#include "dialogs/FieldModel.h"
#include "platform/Prompter.h"
#include "settings/LogSettings.h"

#include <string>
#include <vector>

namespace kolv {

inline constexpr int harbourOnlyOption = 17;
inline constexpr int printStartDepthOption = 16;

// The controls of the form, in the order they are laid out.
const std::vector<FormField>& headingDialogFields();

// Key of the field that holds a heading line.
std::string headingLineKey(int line);

// The third-level grid-square code (mesh code) of a point, 0 when the point
// gives none (either value at most -1 or below 1, or a code outside
// 1 ... 99999999).
long meshCode(double latitude, double longitude);

class HeadingDialogModel : public FieldModel {
public:
    // Copies the heading lines and the harbour-only option of the document,
    // the geology depth, the print start depth, and loads the four master
    // lists (a missing engineer, organisation or machine master is reported).
    HeadingDialogModel(const BoringData& data, const LogSettings& settings, Prompter& prompter);

    std::vector<std::string> entries(std::string_view key) const override;
    void fieldLeft(std::string_view key, Prompter& prompter) override;
    void fieldEntered(std::string_view key) override;

    // The warnings of OK about the collar elevation; the dialog closes anyway.
    void warnOnAccept(Prompter& prompter) const;
    // Writes the heading lines and the option back into data.
    void apply(BoringData& data) const;

    // The grid-square code display, "%ldxxx", empty when there is none.
    std::string meshCodeText() const;

private:
    void applyHarbourOnly();
    void updateMeshCode();

    std::vector<std::string> engineerList_;
    std::vector<std::string> clientList_;
    std::vector<std::string> machineList_;
    std::vector<std::string> elevationTypeList_;
    int engineerField_ = 16;  // heading line of the engineer name picked into
    int machineField_ = 20;   // heading line of the machine field picked into
};

// After the heading dialog's OK: compares the print start depth (document
// option 16) with the collar elevation and warns (4042, 4043) when the scale
// would not tick on whole numbers; when no start depth is set and the
// elevation is a number, sets the start depth to the elevation's fraction
// minus 1. True when it set the start depth.
bool checkScaleStart(BoringData& data, LogSettings& settings, Prompter& prompter);

}  // namespace kolv
