#include "engine/ui/Panel.h"

#include "engine/audio/SoundManager.h"
#include "engine/core/RefusedProperty.h"

#include <utility>

namespace zelka {

Ref<Panel> Panel::New(Ref<GDO> content, const String& property, float closedValue,
                      float openValue, int durationMs, Ref<EaseFunction> ease)
{
    auto panel = std::make_shared<Panel>();
    Setup(*panel, std::move(content), property, closedValue, openValue, durationMs,
          std::move(ease));
    return panel;
}

void Panel::Setup(Panel& panel, Ref<GDO> content, const String& property, float closedValue,
                  float openValue, int durationMs, Ref<EaseFunction> ease)
{
    if (!ease) {
        ease = ElasticEaseInOut::New();
    }
    panel.property_ = property;
    panel.closedValue_ = closedValue;
    panel.openValue_ = openValue;
    panel.tween_ = TweenWithDelay::New(std::move(ease), closedValue, openValue, durationMs, 0,
                                       false, false);
    if (!panel.TrySetFloatProperty(property, closedValue)) {
        ReportRefusedProperty(property);  // such a panel never opens visibly
    }
    panel.visible = false;
    panel.enabled = false;
    if (content) {
        panel.content_ = content;
        panel.AddChild(std::move(content));
    }
    SoundManager::PreloadSFX(kSfxPanelClose);
    SoundManager::PreloadSFX(kSfxPanelOpen);
}

Ref<Panel> Panel::New(const String& property)
{
    return New(nullptr, property, 0.0f, 1.0f, kPanelDefaultMs, nullptr);
}

void Panel::Open(bool immediate, bool playSound, int delayMs)
{
    visible = true;
    enabled = true;
    if (immediate) {
        // A running close would otherwise carry on and close the panel again.
        tween_->Stop();
        SetPropertyValue(openValue_);
    } else {
        animating_ = true;
        SetPropertyValue(closedValue_);
        tween_->SetValues(closedValue_, openValue_);
        tween_->SetDelay(delayMs);
        tween_->Start();
    }
    if (playSound) {
        SoundManager::PlaySFX(kSfxPanelOpen, kSfxChannelGeneral, false);
    }
}

void Panel::Close2(bool immediate, bool playSound)
{
    // Closed and inactive already: no update would ever end an animation, so a
    // non-immediate close finishes at once.
    const bool alreadyClosed = !visible && !enabled;
    if (immediate || alreadyClosed) {
        tween_->Stop();
        SetPropertyValue(closedValue_);
    } else {
        animating_ = true;
        tween_->SetValues(openValue_, closedValue_);
        tween_->SetDelay(0);
        tween_->Start();
    }
    if (playSound) {
        SoundManager::PlaySFX(kSfxPanelClose, kSfxChannelGeneral, false);
    }
}

float Panel::GetWidth() const { return content_ ? content_->GetWidth() : 0.0f; }

float Panel::GetHeight() const { return content_ ? content_->GetHeight() : 0.0f; }

bool Panel::IsFullyOpen() const { return visible && PropertyValue() != closedValue_; }

void Panel::Update(int ms)
{
    if (!enabled) {
        return;
    }
    if (visible && PropertyValue() != closedValue_) {
        GDO::Update(ms);
    }
    if (tween_->IsPlaying()) {
        tween_->Update(ms);
        SetPropertyValue(tween_->GetValue());
    } else {
        visible = PropertyValue() == openValue_;
        animating_ = false;
        enabled = visible;
    }
}

}  // namespace zelka
