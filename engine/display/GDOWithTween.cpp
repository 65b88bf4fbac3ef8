#include "engine/display/GDOWithTween.h"

#include "engine/core/RefusedProperty.h"

namespace zelka {

Ref<GDOWithTween> GDOWithTween::New(Ref<GDO> child, Ref<Tween> tween, const String& property)
{
    auto node = std::make_shared<GDOWithTween>(std::move(tween), property);
    if (child) {
        node->width = child->GetWidth();
        node->height = child->GetHeight();
        node->AddChild(std::move(child));
    }
    return node;
}

void GDOWithTween::Update(int ms)
{
    GDO::Update(ms);
    const Ref<Tween> tween = tween_;
    if (IsEnabled() && tween && tween->IsPlaying()) {
        tween->Update(ms);
        if (!TrySetFloatProperty(property_, tween->GetValue()) && !refused_) {
            refused_ = true;
            ReportRefusedProperty(property_);
        }
    }
}

}  // namespace zelka
