#pragma once

namespace zelka {

// Fit of the 640 x 360 virtual screen into the window: uniform scale, centred.
struct Letterbox {
    float scale = 1.0f;
    float offsetX = 0.0f;  // virtual screen's top-left in the window, px
    float offsetY = 0.0f;
};

// s = min(W / 640, H / 360), offset ((W - 640 s) / 2, (H - 360 s) / 2). A window without
// area (minimised: 0 x 0) keeps `last`, since later code divides by the scale.
[[nodiscard]] Letterbox ComputeLetterbox(int width, int height, const Letterbox& last);

}  // namespace zelka
