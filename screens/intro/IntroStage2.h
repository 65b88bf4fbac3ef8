#pragma once

#include "engine/stage/Stage.h"

namespace zelka {

// Stage 7, the reminder to plug in a controller: goes on to the title (stage 3) at the
// first key of any device, or once more than four seconds have passed.
class IntroStage2 : public Stage {
public:
    IntroStage2();
    static Ref<IntroStage2> New();

    void LoadStep(int step) override;
    void Update(int ms) override;

    [[nodiscard]] int GetElapsed() const { return elapsed_; }

private:
    int elapsed_ = 0;      // ms since the first update
    bool leaving_ = false;
};

}  // namespace zelka
