#pragma once

#include "engine/display/RectangleGDO.h"
#include "platform/core/Ref.h"

namespace zelka {

inline constexpr float kBarBorder = 2.0f;   // pixels of the bar's own tint on each side
inline constexpr int kBarFull = 100;        // percent

// A percentage as a filled bar: a border in the bar's tint, a black inner area and a
// light blue fill growing from the inner area's left edge.
class UIRectangleBar : public RectangleGDO {
public:
    UIRectangleBar(float width, float height) : RectangleGDO(width, height, false) {}
    static Ref<UIRectangleBar> New(float width, float height);

    // 0 or below stores 0 and hides the fill; above 100 stores 100.
    void SetValue(int percent);
    // true: 100, full fill. false: the fill hides, the value stays.
    void SetValue2(bool full);
    int GetValue() const { return value_; }
    const Ref<RectangleGDO>& GetFill() const { return fill_; }

private:
    float InnerWidth() const { return width - 2 * kBarBorder; }

    int value_ = 0;
    Ref<RectangleGDO> fill_;
};

}  // namespace zelka
