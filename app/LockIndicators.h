#pragma once
// The states of the Kana, Caps, Num and Scroll locks for the status bar, as
// far as the platform reports them (on X11 through the keyboard extension).
#include <array>
#include <optional>

namespace kolv {

enum class LockKey { Kana, Caps, Num, Scroll };
inline constexpr int lockKeyCount = 4;

// Each lock's state, or none where the platform cannot tell it.
using LockStates = std::array<std::optional<bool>, lockKeyCount>;

LockStates currentLockStates();

}  // namespace kolv
