#pragma once

namespace zelka {

class StatusEffectSource;

// What the top bar reads of the running match on every update (the match stage
// implements it). Players are numbered 1 and 2.
class TopBarSource {
public:
    virtual ~TopBarSource() = default;

    // A race for the idol: no clock; the scores show the distance to the idol.
    virtual bool IsRace() const = 0;
    // The match clock: ms left, 0 or more.
    virtual int GetRemainingTime() const = 0;
    virtual int GetScore(int player) const = 0;
    // The player's distance to the idol in a race; negative while unknown.
    virtual int GetIdolDistance(int player) const = 0;
    // The player's character, for the face tint; null when there is none. It must outlive
    // the top bar.
    virtual const StatusEffectSource* GetStatus(int player) const = 0;
};

}  // namespace zelka
