#include "engine/ui/Cursor.h"

#include "engine/tween/Ease.h"

#include <utility>

namespace zelka {
namespace {

constexpr int kDefaultFrameGrey = 96;

}  // namespace

Ref<Cursor> Cursor::New(Ref<RectangleGDO> frame)
{
    auto cursor = std::make_shared<Cursor>();
    if (!frame) {
        frame = RectangleGDO::New(0.0f, 0.0f, false);
        frame->tint.Set(kDefaultFrameGrey, kDefaultFrameGrey, kDefaultFrameGrey);
    }
    cursor->frame_ = frame;
    cursor->AddChild(std::move(frame));
    cursor->tween_ = Tween::New(CubicEaseIn::New(), 0.0f, 1.0f, kCursorMoveMs, false, false);
    return cursor;
}

void Cursor::MoveTo(Ref<GDO> gdo)
{
    if (!gdo) {
        return;
    }
    previousPosition_.Set(position->x, position->y);
    previousSize_.Set(frame_->width, frame_->height);
    target_ = std::move(gdo);
    tween_->Start();
}

void Cursor::Update(int ms)
{
    if (tween_->IsPlaying() && target_) {
        tween_->Update(ms);
        const float e = tween_->GetValue();
        position->x = previousPosition_.x + (target_->position->x - previousPosition_.x) * e;
        position->y = previousPosition_.y + (target_->position->y - previousPosition_.y) * e;
        frame_->width = previousSize_.x + (target_->GetWidth() - previousSize_.x) * e;
        frame_->height = previousSize_.y + (target_->GetHeight() - previousSize_.y) * e;
    }
    GDO::Update(ms);
}

}  // namespace zelka
