#include "screens/charsel/CharSelStage.h"

#include "engine/audio/SoundManager.h"
#include "engine/display/RectangleGDO.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/tween/Ease.h"
#include "engine/tween/TweenEngine.h"
#include "engine/ui/NoiseSpriteFilter.h"
#include "engine/ui/Panel.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"
#include "services/roster/Roster.h"
#include "services/settings/GameMode.h"
#include "screens/app/AppConstants.h"
#include "screens/charsel/CharRoulette.h"
#include "screens/charsel/CharSelConstants.h"
#include "screens/charsel/MatchSettings.h"
#include "screens/charsel/ProfileCard.h"
#include "screens/charsel/WorldSelector.h"

#include <string>
#include <tuple>
#include <vector>

namespace zelka {

namespace {

enum LoadStepId {
    kStepTweenEngine,
    kStepRoulettes,
    kStepProfiles,
    kStepLogo,
    kStepCursors,
    kStepPanels,
    kStepSounds,
};

constexpr float kLogoY = -120.0f;
constexpr int kLogoBobMs = 500;
constexpr float kCursorPulseMin = 0.95f;
constexpr float kCursorPulseMax = 1.05f;
constexpr int kCursorPulseMs = 300;
constexpr int kCursorTurnMs = 800;
constexpr float kCursorLockedAngle = -180.0f;    // degrees, a confirmed side
constexpr float kCursorUnlockFrom = 180.0f;
constexpr int kMaskTileWidth = 72;
constexpr int kMaskTileHeight = 56;
constexpr int kMaskFps = 20;
constexpr float kMaskAboveRoulette = 108.0f;
constexpr int kNoiseTileWidth = 100;
constexpr int kNoiseTileHeight = 180;
constexpr int kNoiseFrames = 4;
constexpr int kNoiseFps = 15;                    // not given by the art: a lively static
constexpr float kNoiseScale = 2.0f;              // 100 x 180 tiles over a 200 x 360 portrait
constexpr float kNoiseFilterAlpha = 0.5f;
constexpr int kPortraitSlideMs = 250;            // in step with the roulette's scroll
constexpr float kNameBarWidth = 200.0f;
constexpr float kNameBarHeight = 28.0f;
constexpr float kNameBarAboveBottom = 14.0f;
constexpr float kNameBoxWidth = 192.0f;
constexpr float kNameBoxHeight = 18.0f;
constexpr float kWinsY = -164.0f;
constexpr float kWinsInset = 20.0f;
constexpr float kWinsScale = 0.5f;
constexpr float kWinsBoxWidth = 200.0f;
constexpr float kWinsBoxHeight = 32.0f;
const std::vector<int> kMaskOpenFrames{0, 1, 2, 3, 4, 5, 0};
constexpr int kSfxPreloads[] = {kSfxRouletteStep, kSfxCursorMoved, kSfxPromptLit, kSfxAccept,
                                kSfxCharSelWelcome};

String SideName(const char32_t* prefix, int n, const char32_t* suffix)
{
    return String(prefix) + FromLatin1(std::to_string(n)) + suffix;
}

int SideSign(int i) { return i == 0 ? 1 : -1; }

}  // namespace

CharSelStage::CharSelStage() : ExtendedStage(kCharSelectLoadSteps) {}

Ref<CharSelStage> CharSelStage::New() { return std::make_shared<CharSelStage>(); }

void CharSelStage::LoadStep(int step)
{
    switch (step) {
    case kStepTweenEngine:
        worldRoot_->position->Set(kCharSelHalfWidth, kCharSelHalfHeight);
        engine_ = TweenEngine::New(U"TWEEN_ENGINE");
        AddCog(engine_);
        plates_ = EmptyGDOContainer::New();
        break;
    case kStepRoulettes:
        SetRouletteForPlayer_(0, GameData::player1.get());
        SetRouletteForPlayer_(1, GameData::player2.get());
        break;
    case kStepProfiles:
        UpdateSelectedProfile(0, false);
        UpdateSelectedProfile(1, false);
        break;
    case kStepLogo: BuildLogo(); break;
    case kStepCursors: BuildCursors(); break;
    case kStepPanels: BuildPanels(); break;
    case kStepSounds: PreloadSounds(); break;
    default: break;
    }
}

void CharSelStage::FirstStageUpdate()
{
    SoundManager::PlaySFX(kSfxCharSelWelcome, kSfxChannelVoice, false);
}

void CharSelStage::SetRouletteForPlayer_(int i, const PlayerData* player)
{
    const float x = (static_cast<float>(i) - 0.5f) * kRouletteSpacing;
    const Ref<CharRoulette> roulette = CharRoulette::New(i, x, kRouletteY, engine_);
    int start = i;
    if (player && player->character) {
        const int found = Roster::FindCharacterById(player->character->GetId());
        if (found >= 0) {
            start = found;
        }
    }
    roulette->SetRoulette(start);
    worldRoot_->AddChild(roulette);
    roulettes_[i] = roulette;
}

Ref<StaticImage> CharSelStage::CreateCharacterProfilePic_(const Ref<Texture>& portrait,
                                                           float mirror) const
{
    const Ref<StaticImage> picture = StaticImage::New(portrait);
    picture->scale.x = mirror;
    const Ref<Sprite> noise = Sprite::New(U"noise.png", kNoiseTileWidth, kNoiseTileHeight, kNoiseFps);
    noise->name = U"LOCKED";
    noise->DefineSequence(U"noise-y", 0, kNoiseFrames - 1, true);
    noise->PlaySequence(U"noise-y");
    noise->scale.Set(kNoiseScale * mirror, kNoiseScale);
    noise->visible = false;
    picture->AddChild(noise);
    const Ref<NoiseSpriteFilter> filter = NoiseSpriteFilter::New(noise);
    filter->name = U"FILTER";
    filter->alpha = kNoiseFilterAlpha;
    filter->visible = false;  // follows the noise from its first update on
    picture->AddChild(filter);
    return picture;
}

void CharSelStage::BuildSide(int i)
{
    const int d = SideSign(i);
    const int n = i + 1;
    const CharRoulette& roulette = *roulettes_[i];
    const Ref<StaticImage> picture =
        CreateCharacterProfilePic_(roulette.GetPortrait(roulette.GetSelected()), static_cast<float>(-d));
    picture->name = U"PROFILE_PIC";
    const float width = picture->GetWidth();
    const float height = picture->GetHeight();
    const float x = static_cast<float>(d) * (width / 2 - kCharSelHalfWidth);

    const Ref<EmptyGDOContainer> side = EmptyGDOContainer::New();
    side->name = SideName(U"p", n, U"Portrait");
    side->AddChild(picture);
    worldRoot_->AddChild2(side, x, 0.0f);
    portraits_[i] = side;
    for (const auto& [suffix, from] : {std::pair{U"UpTween", height}, std::pair{U"DownTween", -height}}) {
        const String tweenName = SideName(U"p", n, suffix);
        engine_->AddTween(TweenWithDelay::New(LinearEase::New(), from, 0.0f, kPortraitSlideMs,
                                              kRouletteScrollDelayMs, false, false),
                          tweenName);
        engine_->AddTweenBinding(tweenName, side, U"position.y", 1.0f, 0.0f);
    }

    const float barY = height / 2 - kNameBarAboveBottom;
    const Ref<RectangleGDO> bar = RectangleGDO::New(kNameBarWidth, kNameBarHeight, false);
    bar->tint = RGB(0, 0, 0);
    plates_->AddChild2(bar, x, barY);
    if (GameData::stdFont) {
        const Ref<LabelWithShadow> label = LabelWithShadow::New(GameData::stdFont, 1.0f);
        label->name = SideName(U"CharName_p", n, U"");
        label->SetStyle(kLabelShrinkToFit);
        label->SetSize(kNameBoxWidth, kNameBoxHeight);
        plates_->AddChild2(label, x, barY);
        names_[i] = label;

        const PlayerData* player = (i == 0 ? GameData::player1 : GameData::player2).get();
        const Ref<LabelWithShadow> wins = LabelWithShadow::New(GameData::stdFont, kWinsScale);
        wins->SetStyle(kLabelShrinkToFit);
        wins->SetSize(kWinsBoxWidth, kWinsBoxHeight);
        wins->horizontalAlignment = i == 0 ? kAlignStart : kAlignEnd;
        wins->SetText(U"WINS " + FromLatin1(std::to_string(player ? player->wins : 0)));
        plates_->AddChild2(wins, x + kWinsInset * static_cast<float>(d), kWinsY);
        wins_[i] = wins;
    }
    // Player 1's card lies over player 1's portrait on the left: the card's side is the
    // screen edge it rests on, the opposite sign of d.
    cards_[i] = ProfileCard::New(engine_, SideName(U"p", n, U"bioCard"), -d);
    plates_->AddChild(cards_[i]);
}

void CharSelStage::SlidePortrait(int i, bool downward)
{
    GDO& side = *portraits_[i];
    const Ref<StaticImage> picture =
        std::dynamic_pointer_cast<StaticImage>(side.GetChildByName(U"PROFILE_PIC"));
    if (!picture) {
        return;
    }
    // Exactly one copy of the leaving portrait slides out beside the new one. The old copy
    // is only dropped: releasing it would release the portrait and noise textures it
    // shares with the roulette and the current picture.
    side.RemoveChild(side.FindChild(U"OTHER"));
    const Ref<StaticImage> other = CreateCharacterProfilePic_(picture->GetTexture(), picture->scale.x);
    other->name = U"OTHER";
    const auto oldNoise = std::dynamic_pointer_cast<Sprite>(picture->GetChildByName(U"LOCKED"));
    const auto newNoise = std::dynamic_pointer_cast<Sprite>(other->GetChildByName(U"LOCKED"));
    const auto oldFilter =
        std::dynamic_pointer_cast<NoiseSpriteFilter>(picture->GetChildByName(U"FILTER"));
    if (oldNoise && newNoise && oldFilter) {
        newNoise->visible = oldNoise->visible;
        newNoise->SetSequenceStep(oldNoise->GetSequenceStep());
        // A filter made directly starts at time 0; one update of the old one's age gives
        // it the same phase (and the noise's visibility).
        const auto phased = std::make_shared<NoiseSpriteFilter>(newNoise);
        phased->name = U"FILTER";
        phased->alpha = kNoiseFilterAlpha;
        phased->Update(oldFilter->GetTime());
        other->RemoveChild(other->FindChild(U"FILTER"));
        other->AddChild(phased);
    }
    const float height = picture->GetHeight();
    side.AddChild2(other, 0.0f, downward ? -height : height);
    picture->SetTexture(roulettes_[i]->GetPortrait(roulettes_[i]->GetSelected()));
    const String tweenName = SideName(U"p", i + 1, downward ? U"UpTween" : U"DownTween");
    if (const Ref<Tween> slide = engine_->GetTween(tweenName)) {
        slide->Start();
        side.position->y = slide->GetStart();  // before the first frame, not after it
    }
}

void CharSelStage::UpdateSelectedProfile(int i, bool downward)
{
    if (i < 0 || i > 1 || !roulettes_[i]) {
        return;
    }
    const CharRoulette& roulette = *roulettes_[i];
    const int entry = roulette.GetSelected();
    const bool locked = roulette.IsLocked(entry);
    if (!portraits_[i]) {
        BuildSide(i);
    } else {
        SlidePortrait(i, downward);
    }
    const Ref<StaticImage> picture =
        std::dynamic_pointer_cast<StaticImage>(portraits_[i]->GetChildByName(U"PROFILE_PIC"));
    if (!picture) {
        return;
    }
    const Ref<CharProfile> profile = Roster::GetCharacterByIndex(entry);
    if (names_[i]) {
        names_[i]->SetText(locked || !profile ? String(U"?????????") : profile->GetName());
    }
    if (const Ref<GDO> noise = picture->GetChildByName(U"LOCKED")) {
        noise->visible = locked;
    }
    cards_[i]->SetToCharacter(locked ? nullptr : profile.get());
}

void CharSelStage::BuildLogo()
{
    const Ref<StaticImage> logo = StaticImage::New(Texture::GetTexture(U"zelka.png"));
    worldRoot_->AddChild2(logo, 0.0f, kLogoY);
    const Ref<Tween> bob = Tween::New(CubicEaseInOut::New(), 1.0f, -1.0f, kLogoBobMs, true, true);
    engine_->AddTween(bob, U"logoTweenY");
    engine_->AddTweenBinding(U"logoTweenY", logo, U"position.y", 1.0f, kLogoY);
    bob->Start();
    worldRoot_->AddChild(StaticImage::New(Texture::GetTexture(U"charselover.png")));
    // The frame's borders cross the name plates, the win counters and the cards: those
    // lie on top of it.
    worldRoot_->AddChild(plates_);
}

void CharSelStage::BuildCursors()
{
    const Ref<Tween> pulse =
        Tween::New(LinearEase::New(), kCursorPulseMin, kCursorPulseMax, kCursorPulseMs, true, true);
    engine_->AddTween(pulse, U"cursorTween");
    pulse->Start();
    for (int i = 0; i < 2; ++i) {
        const int n = i + 1;
        const CharRoulette& roulette = *roulettes_[i];
        const float x = roulette.position->x;
        const Ref<StaticImage> cursor =
            StaticImage::New(Texture::GetTexture(SideName(U"charcursor_p", n, U".png")));
        cursor->name = SideName(U"CURSOR", n, U"");
        worldRoot_->AddChild2(cursor, x, roulette.GetBaseY());
        cursors_[i] = cursor;
        SetCursorTweenBindings(i, true);
        for (const auto& [suffix, from, to] :
             {std::tuple{U"SelectionLockTween", 0.0f, kCursorLockedAngle},
              std::tuple{U"SelectionUnLockTween", kCursorUnlockFrom, 0.0f}}) {
            const String tweenName = SideName(U"p", n, suffix);
            engine_->AddTween(Tween::New(CubicEaseInOut::New(), from, to, kCursorTurnMs, false, false),
                              tweenName);
            engine_->AddTweenBinding(tweenName, cursor, U"rotation", 1.0f, 0.0f);
        }
        const Ref<Sprite> mask = Sprite::New(SideName(U"stonemask", n, U".png"), kMaskTileWidth,
                                             kMaskTileHeight, kMaskFps);
        mask->DefineSequence2(U"open", kMaskOpenFrames, false);
        worldRoot_->AddChild2(mask, x, roulette.GetBaseY() - kMaskAboveRoulette);
        masks_[i] = mask;
    }
}

void CharSelStage::SetCursorTweenBindings(int i, bool on)
{
    if (i < 0 || i > 1 || !cursors_[i]) {
        return;
    }
    engine_->RemoveTweenBinding(U"cursorTween", cursors_[i].get(), U"scale");
    if (on) {
        engine_->AddTweenBinding(U"cursorTween", cursors_[i], U"scale", 1.0f, 0.0f);
    } else {
        cursors_[i]->scale.Set(1.0f, 1.0f);
    }
}

void CharSelStage::BuildPanels()
{
    const auto makePanel = [this](Ref<GDO> content, const char32_t* panelName) {
        const Ref<Panel> panel = Panel::New(std::move(content), U"position.y", kChoicePanelClosedY,
                                            kChoicePanelOpenY, kChoicePanelSlideMs,
                                            SineEaseInOut::New());
        panel->name = panelName;
        worldRoot_->AddChild(panel);
        return panel;
    };
    worldSelector_ = WorldSelector::New();
    worldPanel_ = makePanel(worldSelector_, U"WORLDSEL_PANEL");
    if (GameData::GetCurrentGameType() != kGameKindIdolRace) {
        matchSettings_ = MatchSettings::New();
        settingsPanel_ = makePanel(matchSettings_, U"MATCHCFG_PANEL");
    }
}

void CharSelStage::PreloadSounds()
{
    for (const int sfx : kSfxPreloads) {
        SoundManager::PreloadSFX(sfx);
    }
    for (int k = 0; k < Roster::GetTotalCharacters(); ++k) {
        SoundManager::PreloadSFX(kVoiceFirst + 2 * k);
        SoundManager::PreloadSFX(kVoiceFirst + 2 * k + 1);
    }
    for (int j = 0; j < GameData::GetTotalWorlds(); ++j) {
        SoundManager::PreloadSFX(kSfxWorldVoiceFirst + j);
    }
}

}  // namespace zelka
