#pragma once
// The captions of the four engineer roles of the heading (lines 41 to 44,
// naming the people of lines 16 to 19) that a heading without any gets.
#include "data/BoringData.h"
#include "data/Fields.h"

#include <array>

namespace kolv {

// In the order of the roles (UTF-8).
inline constexpr std::array<const char*, HeadingLine::RoleCount> defaultRoleCaptions{
    "主任技師", "現　場代理人", "コ　ア鑑定者", "ボーリング責任者"};

// Gives the four role captions their defaults when all four are empty;
// true when it did. A caption of blanks counts as empty.
bool fillDefaultRoleCaptions(BoringData& data);

}  // namespace kolv
