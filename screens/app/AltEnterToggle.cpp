#include "screens/app/AltEnterToggle.h"

#include "platform/input/KeyCodes.h"

namespace zelka {

AltEnterToggle::Step AltEnterToggle::Update(const KeyStateSource& keys)
{
    if (rememberedAlt_ == kNone) {
        int alt = kNone;
        if (keys.KeyDown(kKeyLeftAlt)) {
            alt = kKeyLeftAlt;
        } else if (keys.KeyDown(kKeyRightAlt)) {
            alt = kKeyRightAlt;
        } else {
            return Step::Run;
        }
        if (keys.KeyHit(kKeyEnter) == 0) {
            return Step::Run;
        }
        rememberedAlt_ = alt;
        return Step::Skip;
    }
    if (keys.KeyDown(rememberedAlt_) || keys.KeyDown(kKeyEnter)) {
        return Step::Run;
    }
    rememberedAlt_ = kNone;
    return Step::SkipAndToggle;
}

}  // namespace zelka
