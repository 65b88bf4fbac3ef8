#pragma once

#include "engine/core/Vector.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/display/RectangleGDO.h"
#include "engine/tween/Tween.h"
#include "platform/core/Ref.h"

namespace zelka {

inline constexpr int kCursorMoveMs = 100;

// A highlight rectangle that slides and resizes onto the selected menu item over 100 ms.
// The cursor and its targets share one parent space.
class Cursor : public EmptyGDOContainer {
public:
    // A null frame means a 0 x 0 grey rectangle.
    static Ref<Cursor> New(Ref<RectangleGDO> frame);

    // Starts the slide from where the cursor is now. Null: the cursor stays put.
    void MoveTo(Ref<GDO> gdo);
    void Update(int ms) override;

    const Ref<RectangleGDO>& GetFrame() const { return frame_; }
    const Ref<GDO>& GetTarget() const { return target_; }
    const Ref<Tween>& GetTween() const { return tween_; }

private:
    Ref<RectangleGDO> frame_;
    Ref<GDO> target_;
    Vector previousPosition_;
    Vector previousSize_;
    Ref<Tween> tween_;
};

}  // namespace zelka
