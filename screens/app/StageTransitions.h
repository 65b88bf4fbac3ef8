#pragma once

#include <array>
#include <functional>
#include <span>

namespace zelka {

// The black transitions drawn over the finished frame at a stage switch, in
// virtual-screen pixels. Times are ms since the transition started.
namespace transition {

enum class Kind { None, Fade, Diamonds };

// The same for both directions: by the stage left (outgoing) or the stage arriving
// (incoming). The first intro has none, the second intro fades, the others use diamonds.
[[nodiscard]] Kind ForStage(int stageId);

// Black cover of the fade: elapsed / 1200 going out, 1 minus that coming in, in 0..1.
[[nodiscard]] float FadeAlpha(int elapsedMs, bool incoming);
// Draws the fade rectangle; true while elapsed < 1200 ms. The drawing alpha and tint are
// restored afterwards.
bool RenderFade(int elapsedMs, bool incoming);

// The diamonds of one frame: 17 columns of 13, each a four-point polygon (x - a, y),
// (x, y - b), (x + a, y), (x, y + b), handed to `sink` in the reused `vertices` buffer.
// True while elapsed < 500 ms.
using DiamondSink = std::function<void(std::span<const float>)>;
bool ForEachDiamond(int elapsedMs, bool incoming, std::array<float, 8>& vertices,
                    const DiamondSink& sink);
// Draws them filled black through the graphics module.
bool RenderDiamonds(int elapsedMs, bool incoming, std::array<float, 8>& vertices);

// Draws the cover of that kind; true while it runs, always false for None.
bool Render(Kind kind, int elapsedMs, bool incoming, std::array<float, 8>& vertices);

}  // namespace transition

}  // namespace zelka
