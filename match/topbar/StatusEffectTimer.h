#pragma once

#include "engine/display/EmptyGDOContainer.h"
#include "platform/core/Text.h"

namespace zelka {

class LabelWithShadow;
class Sprite;

// One status effect's seconds left beside its animated icon. Hidden until given a time.
class StatusEffectTimer : public EmptyGDOContainer {
public:
    // The icon image is cut in 16 x 16 tiles (fatal when it is missing, as every sprite).
    static Ref<StatusEffectTimer> New(const String& iconPath);

    // Shows ms / 1000 (whole seconds) while ms >= 0; hides the timer for a negative ms.
    void SetTimer(int ms);

    const Ref<Sprite>& GetIcon() const { return icon_; }
    const Ref<LabelWithShadow>& GetLabel() const { return label_; }

private:
    Ref<Sprite> icon_;
    Ref<LabelWithShadow> label_;
    int shownSeconds_ = 0;
};

}  // namespace zelka
