#include "engine/tween/Tween.h"

#include "engine/EngineConstants.h"
#include "engine/core/EventManager.h"

namespace zelka {

Tween::Tween(Ref<EaseFunction> ease, float start, float end, int durationMs, bool loop, bool yoyo)
    : ease_(std::move(ease)), duration_(durationMs), loop_(loop), yoyo_(yoyo), start_(start),
      end_(end), from_(start), to_(end), value_(start)
{
}

Ref<Tween> Tween::New(Ref<EaseFunction> ease, float start, float end, int durationMs, bool loop,
                      bool yoyo)
{
    return std::make_shared<Tween>(std::move(ease), start, end, durationMs, loop, yoyo);
}

void Tween::Send(int id)
{
    if (events_) {
        EventManager::SendEvent(this, id, nullptr);
    }
}

void Tween::Update(int ms)
{
    if (!playing_) {
        return;
    }
    elapsed_ += ms;
    Advance();
}

float Tween::JumpToTime(int elapsedMs)
{
    elapsed_ = elapsedMs;
    Advance();
    return value_;
}

float Tween::UpdateAndGetValue(int ms)
{
    Update(ms);
    return value_;
}

void Tween::Advance()
{
    // A duration of 0 or less has no inside: F would divide 0 by 0 and write NaN into the
    // driven properties, so such a run ends at once at its end value.
    if (elapsed_ <= duration_ && duration_ > 0) {
        value_ = ease_ ? ease_->F(static_cast<float>(elapsed_), from_, to_ - from_,
                                  static_cast<float>(duration_))
                       : to_;
        return;
    }
    value_ = to_;
    if (loop_ && !yoyo_) {
        ++cycles_;
        Send(kEventTweenLooped);
        elapsed_ = 0;
        Send(kEventTweenRunEnded);
    } else if (yoyo_) {
        ++cycles_;
        if (loop_ || cycles_ <= 1) {
            YoyoTurn();
        } else {
            End();
        }
    } else {
        End();
    }
}

void Tween::YoyoTurn()
{
    elapsed_ = 0;
    const float oldFrom = from_;
    from_ = to_;
    to_ = oldFrom;
    if (from_ != to_) {
        Send(kEventTweenStarted);
        playing_ = true;
    }
    Send(kEventTweenYoyo);
    Send(kEventTweenRunEnded);
}

void Tween::End()
{
    Send(kEventTweenStopped);
    playing_ = false;
    elapsed_ = 0;
    Send(kEventTweenRunEnded);
}

void Tween::Start()
{
    cycles_ = 0;
    elapsed_ = 0;
    from_ = start_;
    to_ = end_;
    value_ = start_;
    if (start_ != end_) {
        Send(kEventTweenStarted);
        playing_ = true;
    }
}

void Tween::Stop()
{
    Send(kEventTweenStopped);
    playing_ = false;
    elapsed_ = 0;
}

void Tween::Pause()
{
    Send(kEventTweenPaused);
    playing_ = false;
}

void Tween::Resume()
{
    if (value_ != to_) {
        Send(kEventTweenStarted);
        playing_ = true;
    }
}

void Tween::ContinueTo(float target, int durationMs)
{
    to_ = target;
    from_ = value_;
    if (durationMs != 0) {
        duration_ = durationMs;
    }
    elapsed_ = 0;
    if (value_ != target) {
        Send(kEventTweenStarted);
        playing_ = true;
    }
}

void Tween::SetValues(float start, float end)
{
    start_ = from_ = start;
    end_ = to_ = end;
}

void Tween::Rewind(bool full)
{
    elapsed_ = 0;
    if (full) {
        from_ = start_;
        to_ = end_;
        value_ = start_;
    } else {
        value_ = from_;
    }
}

TweenWithDelay::TweenWithDelay(Ref<EaseFunction> ease, float start, float end, int durationMs,
                               int delayMs, bool loop, bool yoyo)
    : Tween(std::move(ease), start, end, durationMs, loop, yoyo), delay_(delayMs)
{
}

Ref<TweenWithDelay> TweenWithDelay::New(Ref<EaseFunction> ease, float start, float end,
                                        int durationMs, int delayMs, bool loop, bool yoyo)
{
    return std::make_shared<TweenWithDelay>(std::move(ease), start, end, durationMs, delayMs,
                                            loop, yoyo);
}

void TweenWithDelay::Update(int ms)
{
    if (!playing_) {
        return;
    }
    // Saturates instead of overflowing on a huge step after a resume.
    delayElapsed_ = delayElapsed_ > delay_ ? delayElapsed_ : delayElapsed_ + ms;
    if (delayElapsed_ >= delay_) {
        JumpToTime(elapsed_ + ms);
    }
}

void TweenWithDelay::Start()
{
    delayElapsed_ = 0;
    Tween::Start();
}

TweenWithName::TweenWithName(const String& name, Ref<EaseFunction> ease, float start, float end,
                             int durationMs, bool loop, bool yoyo)
    : Tween(std::move(ease), start, end, durationMs, loop, yoyo), name_(name)
{
}

Ref<TweenWithName> TweenWithName::New(const String& name, Ref<EaseFunction> ease, float start,
                                      float end, int durationMs, bool loop, bool yoyo)
{
    return std::make_shared<TweenWithName>(name, std::move(ease), start, end, durationMs, loop,
                                           yoyo);
}

}  // namespace zelka
