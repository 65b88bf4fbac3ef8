#pragma once

#include "engine/text/Label.h"

namespace zelka {

// A label that counts its number toward a target, by 10 while more than 100 away and by 1
// after, one step per update, and sends kEventCounterReached once when it gets there.
class IncrementalIntLabel : public Label {
public:
    static Ref<IncrementalIntLabel> New(Ref<Font> font, float scale);

    void Update(int ms) override;
    // Sets the target only; ignored in effect once the count has reported.
    void SetValue(int target) { target_ = target; }
    // Jumps to the target and reports, unless already done.
    void FastForward();

    int GetValue() const { return current_; }
    int GetTarget() const { return target_; }
    bool IsDone() const { return done_; }

    using Label::Label;

private:
    void ShowCurrent();
    void Finish();

    int target_ = 0;
    int current_ = 0;
    bool done_ = false;
};

}  // namespace zelka
