#pragma once

// Character states and status effects, until the character's own constants reach this
// branch (they then replace this header).

namespace zelka {

inline constexpr int kCharWalking = 0;
inline constexpr int kCharTeleporting = 1;
inline constexpr int kCharDigAnimation = 2;
inline constexpr int kCharUnderground = 3;
inline constexpr int kBuffNone = 0;
inline constexpr int kBuffWallBreaker = 1;
inline constexpr int kBuffTurbo = 2;
inline constexpr int kDebuffConfused = 3;
inline constexpr int kDebuffSlow = 4;
inline constexpr int kDebuffFrozen = 5;

}  // namespace zelka
