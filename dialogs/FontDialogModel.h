#pragma once
// The font dialog ("フォント"): a working copy of the six text fonts of the
// log; the slots and their files change only on OK.
#include "platform/Prompter.h"
#include "settings/FontSlot.h"
#include "settings/LogSettings.h"

#include <array>
#include <string>

namespace kolv {

struct FontRow {
    const char* button;       // UTF-8 caption of the slot's button
    const char* explanation;  // UTF-8 text shown beside it
};
const std::array<FontRow, fontSlotCount>& fontRows();

class FontDialogModel {
public:
    explicit FontDialogModel(const LogSettings& settings);

    const FontSlot& slot(int number) const { return slots_[number - 1]; }  // 1 ... 6
    int changeCount() const { return changes_; }

    // " %2d     (%.1f)": the size rounded half up, then the exact size.
    std::string sizeText(int number) const;
    // The pixel height the font chooser is pre-set with on a device of the
    // given vertical resolution.
    int chooserHeight(int number, int dotsPerInchY) const;
    // The chooser's OK: face, height in device pixels, colour and underline.
    void choose(int number, const std::string& face, int heightPixels, int dotsPerInchY, std::uint32_t color,
                bool underline);
    // A colour chosen on its own (the chooser for the face gives none).
    void chooseColor(int number, std::uint32_t color);
    // "標準の設定例": a set of faces and sizes; not counted as a change.
    void applyStandardExample();

    // OK: the slots take the working copy; each slot's file is written, a file
    // that cannot be written being skipped. Returns how many were written.
    int accept(LogSettings& settings);
    // Cancel: after changes, asks whether to cancel; true when the dialog may close.
    bool mayCancel(Prompter& prompter) const;

private:
    std::array<FontSlot, fontSlotCount> slots_;
    int changes_ = 0;
};

}  // namespace kolv
