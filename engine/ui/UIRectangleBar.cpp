#include "engine/ui/UIRectangleBar.h"

namespace zelka {
namespace {

constexpr int kFillR = 128;
constexpr int kFillG = 128;
constexpr int kFillB = 255;

}  // namespace

Ref<UIRectangleBar> UIRectangleBar::New(float width, float height)
{
    auto bar = std::make_shared<UIRectangleBar>(width, height);
    const float innerHeight = height - 2 * kBarBorder;
    Ref<RectangleGDO> inner = RectangleGDO::New(bar->InnerWidth(), innerHeight, false);
    inner->tint.Set(0, 0, 0);
    bar->AddChild(inner);
    bar->fill_ = RectangleGDO::New(bar->InnerWidth(), innerHeight, false);
    bar->fill_->tint.Set(kFillR, kFillG, kFillB);
    bar->fill_->visible = false;
    bar->AddChild(bar->fill_);
    return bar;
}

void UIRectangleBar::SetValue(int percent)
{
    // At or below 0 the value really becomes 0: the settings menu steps the volume from
    // the stored value.
    if (percent <= 0) {
        value_ = 0;
        fill_->visible = false;
        return;
    }
    value_ = percent > kBarFull ? kBarFull : percent;
    fill_->visible = true;
    fill_->width = InnerWidth() * static_cast<float>(value_) / static_cast<float>(kBarFull);
    fill_->position->x = -(InnerWidth() - fill_->width) / 2;
}

void UIRectangleBar::SetValue2(bool full)
{
    if (!full) {
        fill_->visible = false;
        return;
    }
    value_ = kBarFull;
    fill_->visible = true;
    fill_->width = InnerWidth();
    fill_->position->x = 0.0f;
}

}  // namespace zelka
