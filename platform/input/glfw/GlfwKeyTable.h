#pragma once

namespace zelka {

// The game's key code for a window-library key id (physical US layout), or 0 for a key
// the game has no code for (its events are dropped).
[[nodiscard]] int GlfwKeyToCode(int glfwKey);

// The key ids the table covers, for scans of held keys: every id in
// [kGlfwFirstKey, kGlfwLastKey] may be passed to GlfwKeyToCode.
inline constexpr int kGlfwFirstKey = 32;
inline constexpr int kGlfwLastKey = 348;

}  // namespace zelka
