#pragma once

#include "engine/display/EmptyGDOContainer.h"
#include "engine/tween/Ease.h"
#include "engine/tween/Tween.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

inline constexpr int kPanelDefaultMs = 300;   // the short form's opening time

// A container that opens and closes by tweening one of its own float properties between a
// closed and an open value ("scale.y" 0 -> 1 unfolds it). Its visible flag means open, its
// enabled flag active: a closed panel neither draws nor updates its children.
class Panel : public EmptyGDOContainer {
public:
    // Closed at once (the property at the closed value, invisible, disabled). A null ease
    // means a new ElasticEaseInOut. `content`, if any, becomes a child and gives the
    // panel its size. Preloads the open and close effects.
    static Ref<Panel> New(Ref<GDO> content, const String& property, float closedValue,
                          float openValue, int durationMs, Ref<EaseFunction> ease);
    // No content, 0 -> 1 over 300 ms, elastic.
    static Ref<Panel> New(const String& property);

    // Shown and active now; unless immediate, the property eases from the closed to the
    // open value after delayMs. Plays the opening effect when asked.
    virtual void Open(bool immediate, bool playSound, int delayMs);
    // Eases (or jumps) to the closed value; the next update that finds no tween running
    // hides and disables the panel. Plays the closing effect when asked.
    virtual void Close2(bool immediate, bool playSound);

    float GetWidth() const override;
    float GetHeight() const override;
    void Update(int ms) override;

    bool IsOpen() const { return visible; }
    bool IsAnimating() const { return animating_; }
    // Open and moved away from the closed value.
    bool IsFullyOpen() const;

    const Ref<TweenWithDelay>& GetTween() const { return tween_; }
    const Ref<GDO>& GetContent() const { return content_; }

protected:
    // What New does, for a subclass made by its own New.
    static void Setup(Panel& panel, Ref<GDO> content, const String& property, float closedValue,
                      float openValue, int durationMs, Ref<EaseFunction> ease);

private:
    float PropertyValue() const { return GetFloatProperty(property_); }
    void SetPropertyValue(float value) { TrySetFloatProperty(property_, value); }

    String property_;
    float openValue_ = 1.0f;
    float closedValue_ = 0.0f;
    bool animating_ = false;
    Ref<TweenWithDelay> tween_;
    Ref<GDO> content_;
};

}  // namespace zelka
