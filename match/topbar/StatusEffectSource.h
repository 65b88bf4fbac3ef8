#pragma once

namespace zelka {

// A character's buff and debuff as the top bar shows them (the character implements it).
class StatusEffectSource {
public:
    virtual ~StatusEffectSource() = default;

    // 0 none, 1 wall-breaker, 2 turbo.
    virtual int GetCurrentBuff() const = 0;
    // 0 none, 3 confused, 4 slow, 5 frozen.
    virtual int GetCurrentDeBuff() const = 0;
    // ms left; -1 when there is none.
    virtual int GetCurrentBuffTimer() const = 0;
    virtual int GetCurrentDeBuffTimer() const = 0;
};

}  // namespace zelka
