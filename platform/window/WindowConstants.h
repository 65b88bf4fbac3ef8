#pragma once

namespace zelka {

inline constexpr char kWindowTitle[] = "ZELKA: Tumbling Vaults";
inline constexpr int kStartWidth = 640;   // the first window, and the fallback after a
inline constexpr int kStartHeight = 360;  // failed full-screen reopening (windowed)

inline constexpr int kDeviceWindowFullscreen = 1;  // flags bit of SetDeviceWindow

}  // namespace zelka
