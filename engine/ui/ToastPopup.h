#pragma once

#include "engine/core/EventManager.h"
#include "engine/display/RectangleGDO.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "engine/tween/Tween.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

inline constexpr int kToastSlideMs = 300;     // one way
inline constexpr int kToastHoldMs = 4000;     // fully up
inline constexpr float kToastBaseY = 180.0f;  // the stage's bottom edge

// A notice box that slides up from the bottom edge, stays 4 s and slides back down, then
// hides and drops its content. The slide is a yoyo tween whose run-end events drive the
// hold; the toast listens to them until the next stage switch.
class ToastPopup : public RectangleGDO, public EventListener {
public:
    ToastPopup();
    // Hidden until DisplayToast. The text label uses `font` (the game's standard font).
    static Ref<ToastPopup> New(const String& text);

    // The font New gives the text label; the game data sets it once its fonts are loaded.
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static inline Ref<Font>& font = *new Ref<Font>;

    // Replaces the content (the old one leaves) and slides up from the bottom again.
    void DisplayToast(Ref<GDO> gdo);
    void Update(int ms) override;
    void HandleEvent(Object* source, int id, Object* data) override;

    const Ref<Tween>& GetTween() const { return tween_; }
    const Ref<Label>& GetLabel() const { return label_; }
    const Ref<GDO>& GetContent() const { return content_; }
    int GetHoldTime() const { return holdTime_; }

private:
    Ref<Tween> tween_;
    Ref<Label> label_;
    Ref<GDO> content_;
    int holdTime_ = 0;   // ms left fully up
};

}  // namespace zelka
