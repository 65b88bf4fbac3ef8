#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "engine/tween/Ease.h"
#include "platform/core/Text.h"

namespace zelka {

// Moves one float from a start to an end value over a duration (ms) along an easing curve,
// optionally looping and going back and forth (yoyo). With the events flag set it sends
// kEventTweenStopped ... kEventTweenRunEnded with itself as source; the state changes
// happen whether or not events are sent.
class Tween : public Object, public Updateable {
public:
    Tween(Ref<EaseFunction> ease, float start, float end, int durationMs, bool loop, bool yoyo);
    static Ref<Tween> New(Ref<EaseFunction> ease, float start, float end, int durationMs,
                          bool loop, bool yoyo);

    void Update(int ms) override;
    bool IsEnabled() const override { return playing_; }

    // A fresh run from the start value; plays only when start and end differ (equal values
    // leave the playing flag as it was).
    virtual void Start();
    void Stop();
    void Pause();
    void Resume();
    // A new run from the current value to target; a duration of 0 keeps the old duration.
    void ContinueTo(float target, int durationMs);
    void SetValues(float start, float end);
    void Rewind(bool full);
    // Sets the elapsed time and recomputes the value (end handling included), playing or
    // not. Returns the value.
    float JumpToTime(int elapsedMs);
    float UpdateAndGetValue(int ms);

    float GetValue() const { return value_; }
    bool IsPlaying() const { return playing_; }
    int GetElapsed() const { return elapsed_; }
    int GetDuration() const { return duration_; }
    int GetCycles() const { return cycles_; }
    float GetFrom() const { return from_; }
    float GetTo() const { return to_; }
    float GetStart() const { return start_; }
    float GetEnd() const { return end_; }
    bool IsLooping() const { return loop_; }
    bool IsYoyo() const { return yoyo_; }
    void SetLoop(bool loop) { loop_ = loop; }
    void SetYoyo(bool yoyo) { yoyo_ = yoyo; }
    void SetDuration(int durationMs) { duration_ = durationMs; }
    void SetEase(Ref<EaseFunction> ease) { ease_ = std::move(ease); }
    bool HasEvents() const { return events_; }
    void SetEvents(bool events) { events_ = events; }

protected:
    // Recomputes the value at the current elapsed time and handles the end of a run.
    void Advance();
    void Send(int id);

    Ref<EaseFunction> ease_;
    int duration_;
    bool loop_;
    bool yoyo_;
    bool playing_ = false;
    float start_;
    float end_;
    float from_;
    float to_;
    int elapsed_ = 0;
    float value_;
    int cycles_ = 0;
    bool events_ = false;

private:
    void YoyoTurn();
    void End();
};

// A tween that waits `delay` ms after each Start before it moves. The update that crosses
// the delay advances the tween by its whole step; loops and yoyo turns do not wait again.
class TweenWithDelay : public Tween {
public:
    TweenWithDelay(Ref<EaseFunction> ease, float start, float end, int durationMs, int delayMs,
                   bool loop, bool yoyo);
    static Ref<TweenWithDelay> New(Ref<EaseFunction> ease, float start, float end, int durationMs,
                                   int delayMs, bool loop, bool yoyo);

    void Update(int ms) override;
    void Start() override;
    void SetDelay(int delayMs) { delay_ = delayMs; }
    int GetDelay() const { return delay_; }

private:
    int delay_;
    int delayElapsed_ = 0;
};

class TweenWithName : public Tween {
public:
    TweenWithName(const String& name, Ref<EaseFunction> ease, float start, float end,
                  int durationMs, bool loop, bool yoyo);
    static Ref<TweenWithName> New(const String& name, Ref<EaseFunction> ease, float start,
                                  float end, int durationMs, bool loop, bool yoyo);
    const String& GetName() const { return name_; }

private:
    String name_;
};

}  // namespace zelka
