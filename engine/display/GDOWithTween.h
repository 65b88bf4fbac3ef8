#pragma once

#include "engine/display/GDOWithSize.h"
#include "engine/tween/Tween.h"

namespace zelka {

// Wraps one child and drives one of its own float properties with a tween (so "scale"
// scales the wrapped child).
class GDOWithTween : public GDOWithSize {
public:
    GDOWithTween(Ref<Tween> tween, const String& property)
        : GDOWithSize(0.0f, 0.0f), tween_(std::move(tween)), property_(property)
    {
    }
    static Ref<GDOWithTween> New(Ref<GDO> child, Ref<Tween> tween, const String& property);

    // The child first, then (while enabled and playing) the tween, then the property.
    void Update(int ms) override;

    const Ref<Tween>& GetTween() const { return tween_; }

private:
    Ref<Tween> tween_;
    String property_;
    bool refused_ = false;  // the property was refused once (reported then)
};

}  // namespace zelka
