#include "dialogs/FontDialogModel.h"

#include "data/Number.h"
#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"
#include "settings/FontSlotFile.h"

#include <cmath>
#include <cstdlib>

namespace kolv {

const std::array<FontRow, fontSlotCount>& fontRows()
{
    static const std::array<FontRow, fontSlotCount> rows{{
        {"\u3000見出し", "調査名～使用機種 フッタ社名"},
        {"\u3000項目部", "上部枠内の項目名部分"},
        {"\u3000柱状図", "観察記事を除く柱状図枠内"},
        {" 記事", "観察記事"},
        {"\u3000自由記事", "柱状図下部 自由記事欄"},
        {"\u3000ページ", "フッタ ページ部分"},
    }};
    return rows;
}

FontDialogModel::FontDialogModel(const LogSettings& settings) : slots_(settings.fontSlots)
{}

std::string FontDialogModel::sizeText(int number) const
{
    const double size = slot(number).size;
    return formatText(" %2d     (%.1f)", static_cast<int>(std::floor(size + 0.5)), size);
}

int FontDialogModel::chooserHeight(int number, int dotsPerInchY) const
{
    return static_cast<int>(dotsPerInchY * slot(number).size / 72);
}

void FontDialogModel::choose(int number, const std::string& face, int heightPixels, int dotsPerInchY,
                             std::uint32_t color, bool underline)
{
    FontSlot& font = slots_[number - 1];
    font.size = std::abs(heightPixels) * 72.0 / (dotsPerInchY > 0 ? dotsPerInchY : 96);
    font.face = face;
    font.color = color;
    font.underline = underline ? 1 : 0;
    ++changes_;
}

void FontDialogModel::chooseColor(int number, std::uint32_t color)
{
    slots_[number - 1].color = color;
    ++changes_;
}

void FontDialogModel::applyStandardExample()
{
    constexpr double sizes[fontSlotCount] = {10.0, 8.0, 8.0, 7.0, 8.0, 10.0};
    for (int index = 0; index < fontSlotCount; ++index) {
        slots_[index].face = utf8ToCp932("ＭＳ 明朝");
        slots_[index].color = 0;
        slots_[index].underline = 0;
        slots_[index].size = sizes[index];
    }
    slots_[3].face = utf8ToCp932("ＭＳ Ｐ明朝");
}

int FontDialogModel::accept(LogSettings& settings)
{
    settings.fontSlots = slots_;
    int written = 0;
    for (int number = 1; number <= fontSlotCount; ++number)
        written += saveFontSlot(settings, number) ? 1 : 0;
    changes_ = 0;
    return written;
}

bool FontDialogModel::mayCancel(Prompter& prompter) const
{
    if (changes_ == 0)
        return true;
    return showMessage(prompter, Message::CancelWithChanges, MessageKind::Question) == Answer::Yes;
}

}  // namespace kolv
