#include "screens/app/StageTransitions.h"

#include "engine/core/MathUtil.h"
#include "engine/display/DrawingState.h"
#include "platform/graphics/Graphics.h"
#include "screens/app/AppConstants.h"

#include <algorithm>

namespace zelka::transition {

namespace {

float Clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

// Black for the rest of the drawing call; PopTint restores the caller's tint.
void PushBlack()
{
    same::PushTint();
    same::SetTint(0, 0, 0);
}

}  // namespace

Kind ForStage(int stageId)
{
    if (stageId == kStageIntro) {
        return Kind::None;
    }
    return stageId == kStageIntro2 ? Kind::Fade : Kind::Diamonds;
}

float FadeAlpha(int elapsedMs, bool incoming)
{
    const float t = static_cast<float>(elapsedMs) / static_cast<float>(kFadeTransitionMs);
    return Clamp01(incoming ? 1.0f - t : t);
}

bool RenderFade(int elapsedMs, bool incoming)
{
    const float previousAlpha = graphics::GetAlpha();
    PushBlack();
    graphics::SetAlpha(FadeAlpha(elapsedMs, incoming));
    graphics::DrawRect(0.0f, 0.0f, kVirtualWidth, kVirtualHeight);
    graphics::SetAlpha(previousAlpha);
    same::PopTint();
    return static_cast<float>(elapsedMs) / static_cast<float>(kFadeTransitionMs) < 1.0f;
}

bool ForEachDiamond(int elapsedMs, bool incoming, std::array<float, 8>& vertices,
                    const DiamondSink& sink)
{
    const float ratio = static_cast<float>(elapsedMs) / static_cast<float>(kDiamondTransitionMs);
    const float p = Clamp01(ratio);
    float s = incoming ? 1.0f - p : p;  // scale of the first column; later ones grow
    for (int k = 0; k < kDiamondColumns; ++k) {
        const float step = kDiamondColumnStep * static_cast<float>(k);
        const float x = incoming ? step : kVirtualWidth - step;
        const float a = static_cast<float>(math::TruncToInt(kDiamondHalfWidth * s));
        const float b = static_cast<float>(math::TruncToInt(kDiamondHalfHeight * s));
        for (int row = 0; row < kDiamondRows; ++row) {
            const float y = kDiamondRowStep * static_cast<float>(row);
            vertices = {x - a, y, x, y - b, x + a, y, x, y + b};
            sink(vertices);
        }
        s = std::min(1.0f, kDiamondGrowth * s);
        if (s < 0.0f) {
            s = 0.0f;
        }
    }
    return ratio < 1.0f;
}

bool RenderDiamonds(int elapsedMs, bool incoming, std::array<float, 8>& vertices)
{
    PushBlack();
    const bool running = ForEachDiamond(elapsedMs, incoming, vertices,
                                        [](std::span<const float> xy) { graphics::DrawPoly(xy); });
    same::PopTint();
    return running;
}

bool Render(Kind kind, int elapsedMs, bool incoming, std::array<float, 8>& vertices)
{
    switch (kind) {
    case Kind::None:
        return false;
    case Kind::Fade:
        return RenderFade(elapsedMs, incoming);
    case Kind::Diamonds:
        return RenderDiamonds(elapsedMs, incoming, vertices);
    }
    return false;
}

}  // namespace zelka::transition
