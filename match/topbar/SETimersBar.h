#pragma once

#include "engine/display/EmptyGDOContainer.h"

namespace zelka {

class StatusEffectSource;
class StatusEffectTimer;

// A character's buff and debuff timers under its item stack. The first timer shown stands
// on the screen's outer side: the buff while there is one, else the debuff.
class SETimersBar : public EmptyGDOContainer {
public:
    // side: 1 for player 1 (left edge of the screen), -1 for player 2. The character may be
    // null (nothing shows); it must outlive the bar.
    static Ref<SETimersBar> New(const StatusEffectSource* character, int side);

    void Update(int ms) override;

    const Ref<StatusEffectTimer>& GetBuffTimer() const { return buff_; }
    const Ref<StatusEffectTimer>& GetDebuffTimer() const { return debuff_; }

private:
    const StatusEffectSource* character_ = nullptr;
    int side_ = 1;
    Ref<StatusEffectTimer> debuff_;
    Ref<StatusEffectTimer> buff_;
};

}  // namespace zelka
