#include "engine/display/DrawingState.h"

#include "engine/collision/Circle.h"
#include "engine/core/MathUtil.h"
#include "platform/app/App.h"
#include "platform/core/Fatal.h"
#include "platform/graphics/Graphics.h"

#include <cmath>

namespace zelka::same {

namespace {

constexpr int kTintFloats = 3;

}  // namespace

void ResetDrawingState()
{
    TINTr_ = TINTg_ = TINTb_ = kColorMax;
    RGBSTK_.fill(0.0f);
    RGBptr_ = 0;
    CS_.fill(0.0f);
    clipIsOn_ = false;
    TMB_.fill(0.0f);
}

void PushTint()
{
    if (RGBptr_ + kTintFloats > static_cast<int>(RGBSTK_.size())) {
        RuntimeError("RGB Stack overflow!");
    }
    RGBSTK_[RGBptr_] = static_cast<float>(TINTr_);
    RGBSTK_[RGBptr_ + 1] = static_cast<float>(TINTg_);
    RGBSTK_[RGBptr_ + 2] = static_cast<float>(TINTb_);
    RGBptr_ += kTintFloats;
}

void PopTint()
{
    if (RGBptr_ < kTintFloats) {
        RuntimeError("RGB Stack is empty. Nothing to Pop()!");
    }
    RGBptr_ -= kTintFloats;
    const auto component = [](float v) {
        return math::TruncToInt(math::Clamp(v, 0.0f, static_cast<float>(kColorMax)));
    };
    SetTint(component(RGBSTK_[RGBptr_]), component(RGBSTK_[RGBptr_ + 1]),
            component(RGBSTK_[RGBptr_ + 2]));
}

void SetTint(int r, int g, int b)
{
    TINTr_ = math::Clamp(r, 0, kColorMax);
    TINTg_ = math::Clamp(g, 0, kColorMax);
    TINTb_ = math::Clamp(b, 0, kColorMax);
    graphics::SetColor(static_cast<float>(TINTr_), static_cast<float>(TINTg_),
                       static_cast<float>(TINTb_));
}

void SetClipping(float x, float y, float width, float height)
{
    CS_ = {x, y, width, height};
}

void ApplyCurrentClipping()
{
    graphics::SetScissor(std::trunc(CS_[0]), std::trunc(CS_[1]), std::trunc(CS_[2]), std::trunc(CS_[3]));
    clipIsOn_ = true;
}

void UndoClipping()
{
    graphics::SetScissor(0.0f, 0.0f, static_cast<float>(DeviceWidth()),
                         static_cast<float>(DeviceHeight()));
    clipIsOn_ = false;
}

const std::array<float, 6>& GetTransform()
{
    graphics::GetMatrix2(TMB_);
    return TMB_;
}

void GetTransform2(float out[6])
{
    graphics::GetMatrix2(std::span<float>(out, 6));
}

bool CheckIfInsideClipping(const Circle& circle)
{
    float x = 0.0f;
    float y = 0.0f;
    float w = static_cast<float>(DeviceWidth());
    float h = static_cast<float>(DeviceHeight());
    if (clipIsOn_) {
        x = CS_[0];
        y = CS_[1];
        w = CS_[2];
        h = CS_[3];
    }
    const float hw = w * 0.5f;
    const float hh = h * 0.5f;
    const float cx = x + hw;
    const float cy = y + hh;
    const float px = circle.center.x;
    const float py = circle.center.y;
    const float r = circle.radius;
    if (cx - hw > px + r || px - r > cx + hw) {
        return false;
    }
    if (cy - hh > r + py || py - r > cy + hh) {
        return false;
    }
    const float reach = std::sqrt(hw * hw + hh * hh) + r;
    const float dx = px - cx;
    const float dy = py - cy;
    return reach * reach > dx * dx + dy * dy;
}

int DeviceWidth()
{
    if (const GraphicsDevice* device = graphics::GetGraphicsDevice()) {
        return device->Width();
    }
    return app::DeviceWidth();
}

int DeviceHeight()
{
    if (const GraphicsDevice* device = graphics::GetGraphicsDevice()) {
        return device->Height();
    }
    return app::DeviceHeight();
}

}  // namespace zelka::same
