#include "screens/intro/IntroStage.h"

#include "engine/EngineConstants.h"
#include "engine/core/Timer.h"
#include "engine/display/RectangleGDO.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/stage/Game.h"
#include "engine/text/Label.h"
#include "engine/tween/Ease.h"
#include "engine/tween/TweenEngine.h"
#include "services/data/GameData.h"
#include "screens/app/AppConstants.h"
#include "screens/intro/IntroConstants.h"

namespace zelka {

namespace {

const String kMonsterTween = U"MONSTER_TWEEN";
const String kUrlTween = U"URL_TWEEN";
const String kFadeTween = U"FADE_TWEEN";

}  // namespace

IntroStage::IntroStage() : Stage(kIntroLoadSteps)
{
    // The screens place their nodes around the screen's centre.
    worldRoot_->position->Set(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
}

Ref<IntroStage> IntroStage::New()
{
    return std::make_shared<IntroStage>();
}

Ref<EventListener> IntroStage::Self()
{
    return std::dynamic_pointer_cast<IntroStage>(shared_from_this());
}

void IntroStage::LoadStep(int step)
{
    switch (step) {
    case 0:
        BuildTree();
        break;
    case 1:
        BuildTweens();
        break;
    case 2:
        fadeTimer_ = Timer::New(U"FADE_TIMER", kIntroHoldMs, false, nullptr);
        fadeTimer_->Stop();
        AddCog(fadeTimer_);
        EventManager::RegisterListener(Self(), fadeTimer_, kEventTimerFired);
        break;
    default:
        break;
    }
}

void IntroStage::BuildTree()
{
    monster_ = StaticImage::New(Texture::GetTexture(U"zibmonster.png"));
    monster_->name = U"ZIBMONSTER";
    monster_->scale.Set(0.0f, 0.0f);
    worldRoot_->AddChild2(monster_, 0.0f, monster_->GetHeight() * 0.5f);

    const Ref<StaticImage> base = StaticImage::New(Texture::GetTexture(U"zibbase.png"));
    base->name = U"ZIBBASE";
    worldRoot_->AddChild2(base, 0.0f, 0.0f);

    if (GameData::stdFont) {
        url_ = Label::New(GameData::stdFont, 1.0f);
        url_->name = U"ZIB_URL";
        url_->SetStyle(kLabelSingleLine);
        url_->SetFontScale(kIntroUrlScaleX, kIntroUrlScaleY);
        url_->SetSize(kIntroUrlStartWidth, kIntroUrlHeight);
        url_->SetText(kIntroWebAddress);
        worldRoot_->AddChild2(url_, 0.0f, kIntroUrlY);
    }

    mask_ = RectangleGDO::New(kVirtualWidth, kVirtualHeight, false);
    mask_->name = U"SCREENMASK";
    mask_->tint.Set(0, 0, 0);
    mask_->alpha = 0.0f;
    worldRoot_->AddChild2(mask_, 0.0f, 0.0f);
}

void IntroStage::BuildTweens()
{
    tweens_ = TweenEngine::New(U"TWEEN_ENGINE");
    AddCog(tweens_);
    const float halfHeight = monster_->GetHeight() * 0.5f;

    tweens_->AddTween(Tween::New(CubicEaseOut::New(), 1.0f, 0.0f, kIntroMonsterRiseMs, false, false),
                      kMonsterTween);
    tweens_->AddTweenBinding(kMonsterTween, monster_, U"position.y", halfHeight, 0.0f);
    tweens_->AddTweenBinding(kMonsterTween, monster_, U"scale", -1.0f, 1.0f);

    tweens_->AddTween(Tween::New(LinearEase::New(), 0.0f, kIntroUrlWidth, kIntroUrlRevealMs, false, false),
                      kUrlTween);
    if (url_) {
        // 1 .. 300 px: a box width of 0 would mean "as wide as the text" and show it all.
        const float factor = (kIntroUrlWidth - kIntroUrlStartWidth) / kIntroUrlWidth;
        tweens_->AddTweenBinding(kUrlTween, url_, U"width", factor, kIntroUrlStartWidth);
    }

    tweens_->AddTween(Tween::New(LinearEase::New(), 0.0f, 1.0f, kIntroFadeMs, false, false), kFadeTween);
    tweens_->AddTweenBinding(kFadeTween, mask_, U"alpha", 1.0f, 0.0f);

    tweens_->GetTween(kMonsterTween)->Start();
    tweens_->GetTween(kUrlTween)->Start();
    EventManager::RegisterListener(Self(), tweens_, kEventTweenEngineStopped);
}

void IntroStage::HandleEvent(Object* source, int id, Object* data)
{
    if (id == kEventTimerFired && source == fadeTimer_.get()) {
        tweens_->GetTween(kFadeTween)->Start();
        return;
    }
    auto* entry = dynamic_cast<TweenEntry*>(data);
    if (id != kEventTweenEngineStopped || source != tweens_.get() || entry == nullptr) {
        return;
    }
    // The address's end is reported too and must change nothing.
    if (entry->name == kMonsterTween && fadeTimer_) {
        fadeTimer_->Start();
    } else if (entry->name == kFadeTween && !leaving_) {
        leaving_ = true;
        if (Game* game = Game::GetCurrentGame()) {
            game->GoToStage(kStageIntro2);
        }
    }
}

}  // namespace zelka
