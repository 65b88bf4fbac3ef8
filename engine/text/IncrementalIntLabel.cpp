#include "engine/text/IncrementalIntLabel.h"

#include "engine/core/EventManager.h"

#include <cstdlib>
#include <string>

namespace zelka {

namespace {

constexpr int kNearDistance = 100;   // within this, count one by one
constexpr int kFarStep = 10;

}  // namespace

Ref<IncrementalIntLabel> IncrementalIntLabel::New(Ref<Font> font, float scale)
{
    auto label = std::make_shared<IncrementalIntLabel>(std::move(font), scale);
    label->ComputeLines_();
    return label;
}

void IncrementalIntLabel::ShowCurrent()
{
    SetText(FromLatin1(std::to_string(current_)));
}

void IncrementalIntLabel::Finish()
{
    done_ = true;
    EventManager::SendEvent(this, kEventCounterReached, nullptr);
}

void IncrementalIntLabel::Update(int ms)
{
    GDO::Update(ms);
    if (done_) {
        return;
    }
    // 64-bit: the distance between two extreme ints does not fit an int.
    const long long distance = static_cast<long long>(target_) - current_;
    if (distance != 0) {
        const int step = std::llabs(distance) <= kNearDistance ? 1 : kFarStep;
        current_ += distance > 0 ? step : -step;
        ShowCurrent();
    }
    if (current_ == target_) {
        Finish();
    }
}

void IncrementalIntLabel::FastForward()
{
    if (done_) {
        return;
    }
    current_ = target_;
    ShowCurrent();
    Finish();
}

}  // namespace zelka
