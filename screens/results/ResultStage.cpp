#include "screens/results/ResultStage.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/Timer.h"
#include "engine/display/EmptyGDOContainer.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/stage/Game.h"
#include "engine/text/EmbossFont.h"
#include "engine/text/IncrementalIntLabel.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/text/RetroFontWithShadow.h"
#include "engine/text/TextConstants.h"
#include "engine/tween/Ease.h"
#include "engine/tween/TweenEngine.h"
#include "screens/app/AppConstants.h"
#include "screens/results/ResultsConstants.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/player/PlayerStats.h"
#include "services/roster/CharProfile.h"

#include <string>

namespace zelka {

namespace {

constexpr int kGameTypeRace = 1;  // GameData::GetCurrentGameType of a race for the idol

// The two-colour fonts: (first colour, second colour).
constexpr std::array<int, 3> kBlueA{214, 239, 255};
constexpr std::array<int, 3> kAmberA{243, 219, 184};
constexpr std::array<int, 3> kRedA{243, 198, 184};
constexpr std::array<int, 3> kGoldA{246, 237, 184};
const RGB kBlueB{129, 206, 255};
const RGB kAmberB{220, 144, 35};
const RGB kRedB{220, 78, 35};
const RGB kGoldB{230, 200, 35};
const RGB kQuoteTint{73, 95, 232};

String UpperAscii(String text)
{
    for (char32_t& c : text) {
        if (c >= U'a' && c <= U'z') {
            c = c - U'a' + U'A';
        }
    }
    return text;
}

Ref<StaticImage> NewImage(const String& path)
{
    return StaticImage::New(Texture::GetTexture(path));
}

// The portrait of one side: "P1_PORTRAIT" mirrored at -320, "P2_PORTRAIT" at 320.
Ref<StaticImage> Portrait(const PlayerData* player, bool won, bool first)
{
    const Ref<StaticImage> portrait = StaticImage::New2();
    if (player != nullptr && player->character) {
        portrait->SetTexture(Texture::GetTexture(player->character->GetImgPath(won ? kImgWin
                                                                                 : kImgLose)));
    }
    portrait->name = first ? U"P1_PORTRAIT" : U"P2_PORTRAIT";
    portrait->position->x = first ? -kPortraitX : kPortraitX;
    if (first) {
        portrait->scale.x = -1.0f;
    }
    portrait->AddChild2(NewImage(U"vertbar.png"), kVertBarX, 0.0f);
    return portrait;
}

int Score(const Ref<PlayerData>& player)
{
    return player ? player->score : 0;
}

}  // namespace

ResultStage::ResultStage() : Stage(kResultsLoadSteps) {}

Ref<ResultStage> ResultStage::New()
{
    return std::make_shared<ResultStage>();
}

Ref<EventListener> ResultStage::Self()
{
    return std::dynamic_pointer_cast<EventListener>(shared_from_this());
}

const Ref<IncrementalIntLabel>& ResultStage::GetScoreLabel(int player) const
{
    return player == 1 ? p1Score_ : p2Score_;
}

int ResultStage::VoiceNumber(int characterId, int quote)
{
    // A category without quotes gives -1, which would otherwise name voice 599 or the like.
    if (quote < 0 || (characterId >= kFirstGuestId && characterId <= kLastGuestId)) {
        return -1;
    }
    return kVoiceBase + kVoicePerCharacter * characterId + quote;
}

// ---- Loading ----

void ResultStage::LoadStep(int step)
{
    switch (step) {
    case 0:
        BuildBackground();
        RecordStatistics();
        break;
    case 1:
        LoadFonts();
        break;
    case 2:
        BuildTitlesAndPanels();
        break;
    case 3:
        BuildTweens();
        break;
    case 4:
        BuildShineTweens();
        PreloadSounds();
        break;
    default:
        break;
    }
}

void ResultStage::BuildBackground()
{
    player1_ = GameData::player1;
    player2_ = GameData::player2;
    const int score1 = Score(player1_);
    const int score2 = Score(player2_);
    outcome_ = score1 > score2 ? kResultPlayer1Won
                               : (score1 < score2 ? kResultPlayer2Won : kResultDraw);
    // The layout is centred on the world origin (the application centres views on the
    // virtual screen's middle), so the root's x can scroll between -100 and 100.
    (void)rootWindow_->SetViewX(0.0f);
    (void)rootWindow_->SetViewY(0.0f);
    const Ref<StaticImage> background = NewImage(U"results_bg.png");
    background->SetTextureFrame(0);
    worldRoot_->AddChild(background);
    worldRoot_->AddChild(Portrait(player1_.get(), outcome_ == kResultPlayer1Won, true));
    worldRoot_->AddChild(Portrait(player2_.get(), outcome_ == kResultPlayer2Won, false));
}

void ResultStage::RecordStatistics() const
{
    if (GameData::isDemoMode || !GameData::stats) {
        return;
    }
    // A mode outside the table (none chosen, say) is skipped by the statistics.
    GameData::stats->AddMatchResult(GameData::curGameMode, Score(player1_), Score(player2_));
}

void ResultStage::LoadFonts()
{
    loserFont_ = EmbossFont::New(RetroFontWithShadow::kSecondaryFontFile);
    blueFont_ = RetroFontWithShadow::New(kBlueA, kBlueB);
    amberFont_ = RetroFontWithShadow::New(kAmberA, kAmberB);
    redFont_ = RetroFontWithShadow::New(kRedA, kRedB);
    goldFont_ = RetroFontWithShadow::New(kGoldA, kGoldB);
}

void ResultStage::AddTimer(const String& name, int ms, Ref<Object> data)
{
    AddCog(Timer::New(name, ms, false, std::move(data)));
}

void ResultStage::BuildTitlesAndPanels()
{
    const RGB* colour1 = player1_ ? &player1_->color : nullptr;
    const RGB* colour2 = player2_ ? &player2_->color : nullptr;
    p1Panel_ = EmptyGDOContainer::New();
    p1Panel_->name = U"P1_PANEL";
    if (outcome_ == kResultDraw) {
        worldRoot_->AddChild2(TitleLabel(U"P1", colour1), -kDrawTitleX, kTitleY);
        worldRoot_->AddChild2(TitleLabel(U"P2", colour2), kDrawTitleX, kTitleY);
        worldRoot_->AddChild2(p1Panel_, 0.0f, 0.0f);
        AddTimer(U"DIAMONDS_TIMER_DRAW", kFirstRowMs);
        AddTimer(U"TREASURE_TIMER_DRAW", kSecondRowMs);
        AddTimer(U"ITEMBOXES_TIMER_DRAW", kThirdRowMs);
        AddTimer(U"SCORE_TIMER_DRAW", kVersusScoreMs);
    } else {
        worldRoot_->AddChild2(TitleLabel(U"PLAYER 1", colour1), -kWinTitleX, kTitleY);
        worldRoot_->AddChild2(TitleLabel(U"PLAYER 2", colour2), kWinTitleX, kTitleY);
        p2Panel_ = EmptyGDOContainer::New();
        p2Panel_->name = U"P2_PANEL";
        worldRoot_->AddChild2(p1Panel_, -kPanelX, 0.0f);
        worldRoot_->AddChild2(p2Panel_, kPanelX, 0.0f);
        shines_ = EmptyGDOContainer::New();
        for (const auto& [name, file] : {std::pair{U"SHINE1", U"shine1.png"},
                                         std::pair{U"SHINE2", U"shine1.png"},
                                         std::pair{U"SHINE3", U"shine2.png"},
                                         std::pair{U"SHINE4", U"shine2.png"}}) {
            const Ref<StaticImage> shine = NewImage(file);
            shine->name = name;
            shines_->AddChild(shine);
        }
        if (GameData::GetCurrentGameType() == kGameTypeRace) {
            AddTimer(U"IDOLITEMS_TIMER", kFirstRowMs);
            AddTimer(U"GOLDENIDOL_TIMER", kSecondRowMs);
            AddTimer(U"SCORE_TIMER", kThirdRowMs);
        } else {
            AddTimer(U"DIAMONDS_TIMER", kFirstRowMs);
            AddTimer(U"TREASURE_TIMER", kSecondRowMs);
            AddTimer(U"ITEMBOXES_TIMER", kThirdRowMs);
            AddTimer(U"SCORE_TIMER", kVersusScoreMs);
        }
    }
    EventManager::RegisterListener(Self(), nullptr, kEventTimerFired);
}

void ResultStage::BuildTweens()
{
    tweens_ = TweenEngine::New(U"TWEEN_ENGINE");
    AddCog(tweens_);
    const float side = outcome_ == kResultPlayer1Won ? -1.0f : 1.0f;
    // The display tree knows "position.x", not a bare "x".
    worldRoot_->position->x = kScrollX * side;
    tweens_->AddTween(Tween::New(BounceEaseOut::New(), kScrollX * side, -kScrollX * side,
                                 kScrollMs, false, false),
                      U"SCROLL_TWEEN");
    tweens_->AddTweenBinding(U"SCROLL_TWEEN", worldRoot_, U"position.x", 1.0f, 0.0f);
    EventManager::RegisterListener(Self(), tweens_, kEventTweenEngineStopped);
    if (outcome_ == kResultDraw) {
        for (const Ref<PlayerData>& player : {player1_, player2_}) {
            if (player) {
                ++player->wins;
            }
        }
        tweens_->AddTween(TweenWithDelay::New(ElasticEaseOut::New(), -kScrollX, 0.0f, kScrollMs,
                                              kDrawTweenDelayMs, false, false),
                          U"SCROLL_BACK_TWEEN");
        tweens_->AddTweenBinding(U"SCROLL_BACK_TWEEN", worldRoot_, U"position.x", 1.0f, 0.0f);
        tweens_->AddTween(TweenWithDelay::New(BounceEaseOut::New(), kCloseGapFrom, kCloseGapTo,
                                              kScrollMs, kDrawTweenDelayMs, false, false),
                          U"CLOSEGAP_TWEEN");
        if (const Ref<GDO> p1 = worldRoot_->GetChildByName(U"P1_PORTRAIT")) {
            tweens_->AddTweenBinding(U"CLOSEGAP_TWEEN", p1, U"position.x", -1.0f, 0.0f);
        }
        if (const Ref<GDO> p2 = worldRoot_->GetChildByName(U"P2_PORTRAIT")) {
            tweens_->AddTweenBinding(U"CLOSEGAP_TWEEN", p2, U"position.x", 1.0f, 0.0f);
        }
        return;
    }
    const Ref<PlayerData>& winner = outcome_ == kResultPlayer1Won ? player1_ : player2_;
    if (winner) {
        ++winner->wins;
    }
    BuildDialog(side);
}

void ResultStage::BuildDialog(float side)
{
    dialog_ = NewImage(U"chardialog.png");
    dialog_->visible = false;
    dialog_->scale.x = side;
    const Ref<LabelWithShadow> quote = LabelWithShadow::New(GameData::stdFont, kQuoteScale);
    quote->shadowOffset.Set(kQuoteShadowOffset, kQuoteShadowOffset);
    quote->shadowColor.Set(kQuoteShadowGrey, kQuoteShadowGrey, kQuoteShadowGrey);
    quote->SetStyle(kLabelWrap);
    quote->horizontalAlignment = kAlignCentre;
    quote->verticalAlignment = kAlignCentre;
    quote->SetFontScale(kQuoteScale, kQuoteScale);
    quote->SetSize(kQuoteWidth, kQuoteHeight);
    quote->SetInterLineFactor(kQuoteLineFactor);
    quote->tint = kQuoteTint;
    quote->scale.x = side;  // cancels the dialog's mirroring
    const Ref<PlayerData>& winner = outcome_ == kResultPlayer1Won ? player1_ : player2_;
    if (winner && winner->character) {
        const CharProfile& character = *winner->character;
        const int number = character.GetRandomQuoteNumber(kQuoteTaunt);
        quote->SetText(UpperAscii(character.GetQuoteString(kQuoteTaunt, number)));
        voice_ = VoiceNumber(character.GetId(), number);
    }
    dialog_->AddChild(quote);
    worldRoot_->AddChild2(dialog_, 0.0f, kDialogY);
}

void ResultStage::BuildShineTweens()
{
    if (!shines_) {
        return;
    }
    for (const auto& [name, ms] : {std::pair{U"shineTween1", kShineTween1Ms},
                                   std::pair{U"shineTween2", kShineTween2Ms},
                                   std::pair{U"shineTween3", kShineTween3Ms}}) {
        tweens_->AddTween(Tween::New(QuadraticEaseInOut::New(), 0.0f, 1.0f, ms, true, true),
                          name);
    }
    const auto shine = [this](const char32_t* name) { return shines_->GetChildByName(name); };
    tweens_->AddTweenBinding(U"shineTween1", shine(U"SHINE1"), U"scale", 1.0f, 0.0f);
    tweens_->AddTweenBinding(U"shineTween2", shine(U"SHINE2"), U"scale", 1.0f, 0.0f);
    tweens_->AddTweenBinding(U"shineTween2", shine(U"SHINE3"), U"scale", 1.0f, 0.0f);
    tweens_->AddTweenBinding(U"shineTween3", shine(U"SHINE4"), U"scale", 1.0f, 0.0f);
    tweens_->AddTweenBinding(U"shineTween3", shine(U"SHINE1"), U"rotation", kShineTurn, 0.0f);
}

void ResultStage::PreloadSounds()
{
    for (int effect : {kSfxResultsCount, kSfxResultsReveal, kSfxResultsLoserDone}) {
        (void)SoundManager::PreloadSFX(effect);
    }
    if (voice_ >= 0 && !SoundManager::PreloadSFX(voice_)) {
        voice_ = -1;
    }
}

// ---- Input ----

bool ResultStage::LeaveHit() const
{
    // Escape is read from the keyboard itself, so a player 1 without a device can leave.
    if (GameData::GlobalCancelPressed()) {
        return true;
    }
    const Ref<InputMapping> mapping = player1_ ? player1_->GetInputMapping() : nullptr;
    return mapping && (mapping->InputHit(kActionAccept) || mapping->InputHit(kActionCancel));
}

void ResultStage::Update(int ms)
{
    if (!LeaveHit()) {
        Stage::Update(ms);
        return;
    }
    if (done_) {
        Game* game = Game::GetCurrentGame();
        if (!leaving_ && game != nullptr) {
            leaving_ = true;
            game->GoToStage(kStageCharSelect);
        }
        return;
    }
    // Each FastForward may report at once, and its handler may finish the show.
    for (const Ref<IncrementalIntLabel>& label : {p1Score_, p2Score_}) {
        if (label) {
            label->FastForward();
        }
    }
    Stage::Update(4 * ms);
}

void ResultStage::Deallocate()
{
    // The counting sound loops on channel 1: the audio library refuses to delete a buffer
    // that is still playing.
    AudioManager::StopSFXChannel(kSfxChannelPlayer1);
    if (shines_ && shines_->GetParent() == nullptr) {
        shines_->Deallocate();  // never reached the display tree
    }
    Stage::Deallocate();
    shines_.reset();
    p1Panel_.reset();
    p2Panel_.reset();
    p1Score_.reset();
    p2Score_.reset();
    dialog_.reset();
    tweens_.reset();
    player1_.reset();
    player2_.reset();
}

}  // namespace zelka
