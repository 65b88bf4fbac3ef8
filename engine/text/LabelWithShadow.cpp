#include "engine/text/LabelWithShadow.h"

#include "engine/display/DrawingState.h"
#include "platform/graphics/Graphics.h"

namespace zelka {

Ref<LabelWithShadow> LabelWithShadow::New(Ref<Font> font, float scale)
{
    auto label = std::make_shared<LabelWithShadow>(std::move(font), scale);
    label->ComputeLines_();
    return label;
}

void LabelWithShadow::Draw()
{
    graphics::PushMatrix();
    same::PushTint();
    graphics::Translate(shadowOffset.x, shadowOffset.y);
    same::SetTint(shadowColor.r, shadowColor.g, shadowColor.b);
    Label::Draw();
    graphics::PopMatrix();
    same::PopTint();
    Label::Draw();
}

}  // namespace zelka
