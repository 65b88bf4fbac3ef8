#include "match/topbar/StatusEffectTimer.h"

#include "engine/media/Sprite.h"
#include "engine/text/LabelWithShadow.h"
#include "match/topbar/TopBarConstants.h"
#include "services/data/GameData.h"

#include <string>

namespace zelka {

Ref<StatusEffectTimer> StatusEffectTimer::New(const String& iconPath)
{
    auto timer = std::make_shared<StatusEffectTimer>();
    timer->icon_ = Sprite::New(iconPath, kEffectIconSize, kEffectIconSize, kEffectIconFps);
    timer->icon_->DefineSequence(U"go", 0, kEffectIconLastFrame, true);
    timer->icon_->PlaySequence(U"go");
    timer->AddChild2(timer->icon_, kEffectIconX, 0.0f);

    timer->label_ = LabelWithShadow::New(GameData::stdFont, kEffectLabelFontScale);
    timer->label_->SetStyle(kLabelShrinkToFit);
    timer->label_->SetKeepFontProportional(true);
    timer->label_->SetSize(kEffectLabelWidth, kEffectLabelHeight);
    timer->label_->SetText(U"0");
    timer->AddChild2(timer->label_, kEffectLabelX, 0.0f);
    timer->visible = false;
    return timer;
}

void StatusEffectTimer::SetTimer(int ms)
{
    visible = ms >= 0;
    if (!visible) {
        return;
    }
    // The label is relaid out on every text change: only when the second changes.
    const int seconds = ms / kMsPerSecond;
    if (seconds != shownSeconds_) {
        shownSeconds_ = seconds;
        label_->SetText(FromLatin1(std::to_string(seconds)));
    }
}

}  // namespace zelka
