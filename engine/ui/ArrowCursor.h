#pragma once

#include "engine/media/StaticImage.h"
#include "engine/tween/Tween.h"
#include "platform/core/Ref.h"

namespace zelka {

// The arrow image "cursor<n>.png", pulsing between 75 % and 125 % of its size (a mirrored
// arrow stays mirrored).
class ArrowCursor : public StaticImage {
public:
    explicit ArrowCursor(Ref<Texture> texture) : StaticImage(std::move(texture)) {}
    static Ref<ArrowCursor> New(int n);

    void Update(int ms) override;
    const Ref<Tween>& GetTween() const { return tween_; }

private:
    Ref<Tween> tween_;
};

}  // namespace zelka
