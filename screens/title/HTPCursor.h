#pragma once

#include "engine/display/RectangleGDO.h"

namespace zelka {

class Sprite;

// The how-to-play menu's cursor: a blue bar as wide as the selected option, held 22 high
// whatever the option's height, with an animated arrow just left of it.
class HTPCursor : public RectangleGDO {
public:
    HTPCursor();
    static Ref<HTPCursor> New();

    void Update(int ms) override;

    [[nodiscard]] const Ref<Sprite>& GetArrow() const { return arrow_; }

private:
    Ref<Sprite> arrow_;
};

}  // namespace zelka
