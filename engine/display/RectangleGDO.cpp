#include "engine/display/RectangleGDO.h"

#include "platform/graphics/Graphics.h"

namespace zelka {

Ref<RectangleGDO> RectangleGDO::New(float width, float height, bool outline)
{
    return std::make_shared<RectangleGDO>(width, height, outline);
}

Ref<RectangleGDO> RectangleGDO::New2()
{
    return std::make_shared<RectangleGDO>(0.0f, 0.0f, false);
}

void RectangleGDO::Draw()
{
    const float hw = width * 0.5f;
    const float hh = height * 0.5f;
    if (!outline) {
        graphics::DrawRect(-hw, -hh, width, height);
        return;
    }
    graphics::DrawLine(-hw, -hh, hw, -hh);
    graphics::DrawLine(hw, -hh, hw, hh);
    graphics::DrawLine(hw, hh, -hw, hh);
    graphics::DrawLine(-hw, hh, -hw, -hh);
}

}  // namespace zelka
