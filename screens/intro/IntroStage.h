#pragma once

#include "engine/core/EventManager.h"
#include "engine/stage/Stage.h"

namespace zelka {

class Label;
class RectangleGDO;
class StaticImage;
class Timer;
class TweenEngine;

// Stage 5, the studio splash: the mascot rises out of its logo base while the web address
// is uncovered, the picture holds, then a black mask fades in and the game goes on to the
// controller reminder (stage 7). About five seconds; no input is read.
class IntroStage : public Stage, public EventListener {
public:
    IntroStage();
    static Ref<IntroStage> New();

    // 0 the display tree, 1 the tweens (mascot and address start), 2 the hold timer.
    void LoadStep(int step) override;
    // Tween-engine ends (only the mascot's and the fade's matter) and the timer.
    void HandleEvent(Object* source, int id, Object* data) override;

    [[nodiscard]] const Ref<TweenEngine>& GetTweenEngine() const { return tweens_; }
    [[nodiscard]] const Ref<Timer>& GetFadeTimer() const { return fadeTimer_; }

private:
    void BuildTree();
    void BuildTweens();
    Ref<EventListener> Self();

    Ref<StaticImage> monster_;
    Ref<Label> url_;
    Ref<RectangleGDO> mask_;
    Ref<TweenEngine> tweens_;
    Ref<Timer> fadeTimer_;
    bool leaving_ = false;
};

}  // namespace zelka
