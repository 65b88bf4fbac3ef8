#include "engine/ui/VerticalShaker.h"

#include <utility>

namespace zelka {
namespace {

constexpr int kShakeCycle = 6;   // steps before the offsets repeat

// -1, -1, 1, 1, 3, 3 for counter 0..5, repeating.
int Offset(int counter) { return counter % kShakeCycle - counter % 2 - 1; }

}  // namespace

Ref<VerticalShaker> VerticalShaker::New(Ref<Vector> target)
{
    return std::make_shared<VerticalShaker>(std::move(target));
}

void VerticalShaker::Shake(int ms)
{
    if (!target_) {
        return;
    }
    const bool running = remaining_ > 0;
    if (!running) {
        savedY_ = target_->y;
    }
    remaining_ = ms;
    counter_ = 0;
    // A shake cut to nothing must not leave the position displaced.
    if (running && remaining_ <= 0) {
        remaining_ = 0;
        target_->y = savedY_;
    }
}

void VerticalShaker::Process2(int ms)
{
    if (remaining_ <= 0 || !target_) {
        return;
    }
    remaining_ -= ms;
    if (remaining_ < 1) {
        remaining_ = 0;
        target_->y = savedY_;
        return;
    }
    target_->y = savedY_ + static_cast<float>(Offset(counter_));
    ++counter_;
}

}  // namespace zelka
