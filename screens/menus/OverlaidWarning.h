#pragma once

#include "engine/text/BlinkingLabel.h"
#include "engine/ui/Panel.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

// A message box laid over a menu: a 240 x 50 frame ("BASE") around a black box and a
// blinking line of the secondary font. It unfolds along x over 300 ms and closes itself
// once its time-out has run out; a time-out of 0 or below (kOverMsgCapture) never runs
// out. Made closed.
class OverlaidWarning : public Panel {
public:
    static Ref<OverlaidWarning> New();

    // Sets the time-out (ms), the text and the blinking, then opens with its sound.
    void Show2(const String& text, int ms, bool blink);
    // The panel's update; then, while open with a positive time-out, counts it down by ms
    // and closes (animated, with sound) on reaching 0.
    void Update(int ms) override;
    // Drops the time-out, then closes. The message stays visible while it folds away, so
    // without this a capture (kOverMsgCapture) would go on taking keys for 300 ms more.
    void Close2(bool immediate, bool playSound) override;

    // Rewrites the label only when the text differs.
    void SetText(const String& text);
    [[nodiscard]] const String& GetText() const;
    [[nodiscard]] int GetTimeout() const { return timeout_; }
    [[nodiscard]] const Ref<BlinkingLabel>& GetLabel() const { return label_; }

private:
    Ref<BlinkingLabel> label_;
    int timeout_ = 0;  // ms left; 0 none
};

}  // namespace zelka
