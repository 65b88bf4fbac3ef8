#pragma once

#include "engine/text/Label.h"

namespace zelka {

// A label shown in the first half of each blink period while blinking.
class BlinkingLabel : public Label {
public:
    // Period int(500 / rate) ms; a rate of 0.00001 or less practically never blinks.
    static Ref<BlinkingLabel> New(Ref<Font> font, float rate, float scale);

    void Update(int ms) override;
    // Enables the label; disabling also hides it. Once enabled, the next update sets the
    // visibility.
    void Show3(bool show);

    bool blinking = true;
    int blinkPeriod;   // ms
    int elapsed = 0;   // ms into the current period

    BlinkingLabel(Ref<Font> font, float rate, float scale);
};

}  // namespace zelka
