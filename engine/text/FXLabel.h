#pragma once

#include "engine/text/LabelWithShadow.h"
#include "engine/tween/Tween.h"

namespace zelka {

// A single-line shadowed label that pops in with an elastic vertical stretch and shrinks
// away again; shown only while its tween plays.
class FXLabel : public LabelWithShadow {
public:
    static Ref<FXLabel> New(Ref<Font> font, float scale);

    void Update(int ms) override;
    // Stops a running pop (its stop event goes out if the tween has events on), replaces the
    // text unless `text` is empty, and pops again.
    void Show4(const String& text);

    const Ref<Tween>& GetTween() const { return tween_; }

    FXLabel(Ref<Font> font, float scale);

private:
    Ref<Tween> tween_;
};

}  // namespace zelka
