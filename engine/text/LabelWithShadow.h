#pragma once

#include "engine/core/RGB.h"
#include "engine/text/Label.h"

namespace zelka {

// A label drawn twice: first offset by the shadow offset in the shadow colour, then as
// usual. Colour codes in the text colour the shadow too.
class LabelWithShadow : public Label {
public:
    static Ref<LabelWithShadow> New(Ref<Font> font, float scale);

    void Draw() override;

    Vector shadowOffset{2.0f, 2.0f};   // pixels
    RGB shadowColor{82, 82, 82};

    LabelWithShadow(Ref<Font> font, float scale) : Label(std::move(font), scale) {}
};

}  // namespace zelka
