#pragma once
// Font1.ndx to Font6.ndx: one text font of the log each, four lines: the size
// ("%.1f" points), the face name, the colour ("%ld" of a COLORREF) and the
// underline flag ("%d").
#include "platform/Issue.h"
#include "settings/FontSlot.h"
#include "settings/LogSettings.h"

#include <string>
#include <string_view>

namespace kolv {

// The size and face a slot (1 to 6) takes when its file gives none.
FontSlot defaultFontSlot(int slot);

// "\Font%d.ndx" in the installation folder.
std::string fontSlotPath(const LogSettings& settings, int slot);

// The slot from the file's bytes: size, face, colour and underline from
// lines 0 to 3 (missing lines leave size 0, an empty face, colour and
// underline 0), then the size and face rules of the slot.
FontSlot readFontSlot(std::string_view bytes, int slot);

// A size outside (1, 400] for slot 1 or (1, 100] for the others becomes the
// slot's default size; a face of at most one byte its default face.
void applyFontSlotRules(FontSlot& font, int slot);

// The four lines of the slot's file.
std::string fontSlotFileText(const FontSlot& font);

// Loads the six slots of settings.fontSlots from the installation folder. A
// missing file gives the slot's defaults; only for slot 1 is
// "ファイルが見つかりません\n( %1 )" shown.
void loadFontSlots(LogSettings& settings, Issues& issues);

// Writes the file of one slot (1 to 6); false, without a message, when it
// cannot be written (the old file is then intact).
bool saveFontSlot(const LogSettings& settings, int slot);

}  // namespace kolv
