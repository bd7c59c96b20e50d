#include "settings/FontSlotFile.h"

#include "platform/MessageCatalogue.h"
#include "data/Number.h"
#include "platform/FileIo.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsText.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kolv {

namespace {

constexpr std::string_view proportionalMincho = "\x82l\x82r \x82o\x96\xBE\x92\xA9";  // ＭＳ Ｐ明朝
constexpr std::string_view fixedMincho = "\x82l\x82r \x96\xBE\x92\xA9";              // ＭＳ 明朝

struct SlotDefault {
    double size;
    std::string_view face;
    double largestSize;
};

constexpr std::array<SlotDefault, fontSlotCount> slotDefaults = {{
    {10.0, proportionalMincho, 400.0},  // heading texts
    {9.0, fixedMincho, 100.0},          // item names of the frame
    {8.0, proportionalMincho, 100.0},   // log body
    {7.0, proportionalMincho, 100.0},   // observation notes
    {9.0, fixedMincho, 100.0},          // free notes
    {9.0, fixedMincho, 100.0},          // footer page part
}};

const SlotDefault& slotDefault(int slot)
{
    return slotDefaults[static_cast<std::size_t>(slot - 1)];
}

}  // namespace

FontSlot defaultFontSlot(int slot)
{
    FontSlot font;
    font.size = slotDefault(slot).size;
    font.face = std::string(slotDefault(slot).face);
    return font;
}

std::string fontSlotPath(const LogSettings& settings, int slot)
{
    return installFile(settings, formatText("Font%d.ndx", slot));
}

FontSlot readFontSlot(std::string_view bytes, int slot)
{
    const std::vector<std::string> lines = settingsLines(bytes);
    FontSlot font;
    if (lines.size() > 0)
        font.size = parseLeadingNumber(lines[0]);
    if (lines.size() > 1)
        font.face = lines[1];
    if (lines.size() > 2)
        font.color = static_cast<std::uint32_t>(parseLeadingInteger(lines[2]));
    if (lines.size() > 3)
        font.underline = static_cast<int>(parseLeadingInteger(lines[3]));
    applyFontSlotRules(font, slot);
    return font;
}

void applyFontSlotRules(FontSlot& font, int slot)
{
    const SlotDefault& standard = slotDefault(slot);
    if (font.size <= 1.0 || font.size > standard.largestSize)
        font.size = standard.size;
    if (font.face.size() <= 1)
        font.face = std::string(standard.face);
}

std::string fontSlotFileText(const FontSlot& font)
{
    return formatText("%.1f", font.size) + "\r\n" + oneLineText(font.face) + "\r\n"
        + formatText("%ld", static_cast<long>(static_cast<std::int32_t>(font.color))) + "\r\n"
        + formatText("%d", font.underline) + "\r\n";
}

void loadFontSlots(LogSettings& settings, Issues& issues)
{
    for (int slot = 1; slot <= fontSlotCount; ++slot) {
        const std::string path = fontSlotPath(settings, slot);
        std::string bytes;
        const bool read = readFileBytes(hostPathOf(settings, path), bytes);
        if (!read && slot == 1)
            issues.push_back(issueOf(Message::FileNotFound, MessageKind::Error, path));
        settings.fontSlots[static_cast<std::size_t>(slot - 1)] = readFontSlot(read ? bytes : std::string(), slot);
    }
}

bool saveFontSlot(const LogSettings& settings, int slot)
{
    return writeFileAtomically(hostPathOf(settings, fontSlotPath(settings, slot)),
                               fontSlotFileText(settings.fontSlots[static_cast<std::size_t>(slot - 1)]));
}

}  // namespace kolv
