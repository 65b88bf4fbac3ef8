#include "match/stage/ZELKAStage.h"

#include "engine/EngineConstants.h"
#include "engine/audio/SoundManager.h"
#include "engine/core/Cog.h"
#include "engine/core/MathUtil.h"
#include "engine/display/GDOWithTween.h"
#include "engine/particles/ParticleEmitter.h"
#include "engine/particles/ParticleEngine.h"
#include "engine/stage/Game.h"
#include "engine/stage/Window.h"
#include "engine/text/FXLabel.h"
#include "engine/tween/Tween.h"
#include "engine/ui/VerticalShaker.h"
#include "match/MatchConstants.h"
#include "match/MatchHooks.h"
#include "match/MatchEvents.h"
#include "match/PlayerStageData.h"
#include "match/camera/SplitScreenCamera.h"
#include "match/stage/StageConstants.h"
#include "match/topbar/PlayerProfilePic.h"
#include "match/topbar/TopBar.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/BothPlayersInput.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"

#include <array>
#include <utility>

namespace zelka {
namespace {

constexpr int kStepWithoutGameMs = 16;   // 60 updates a second, before any game exists

}  // namespace

ZELKAStage::ZELKAStage(int timeLimitMs)
    : ExtendedStage(kMatchStageLoadSteps),
      limit_(math::Max(timeLimitMs, 0)),
      remaining_(limit_),
      race_(GameData::GetCurrentGameType() == kGameKindIdolRace),
      attract_(GameData::isDemoMode)
{
}

ZELKAStage::~ZELKAStage()
{
    if (&match::Hooks() == this) {
        match::SetHooks(nullptr);
    }
}

Ref<ZELKAStage> ZELKAStage::New(int timeLimitMs)
{
    return std::make_shared<ZELKAStage>(timeLimitMs);
}

int ZELKAStage::StepMs()
{
    const int rate = Game::GetGameFPS();
    return rate > 0 ? kMsPerSecond / rate : kStepWithoutGameMs;
}

Ref<EventListener> ZELKAStage::Self()
{
    return std::dynamic_pointer_cast<ZELKAStage>(shared_from_this());
}

void ZELKAStage::Deallocate()
{
    if (&match::Hooks() == this) {
        match::SetHooks(nullptr);
    }
    ExtendedStage::Deallocate();
    for (const Ref<PlayerStageData>& player : {p1_, p2_}) {
        if (player) {
            player->Deallocate();
        }
    }
}

// ---- Updates.

bool ZELKAStage::IsIntroRunning() const
{
    return banner_ && banner_->IsEnabled();
}

void ZELKAStage::Update(int /*ms*/)
{
    const int t = StepMs();
    if (IsIntroRunning()) {
        banner_->Update(t);
        return;
    }
    ShakeWindows(t);
    if (!CheckAttractOrPause(t)) {
        return;
    }
    ExtendedStage::Update(t);
    for (const Ref<PlayerStageData>& player : {p1_, p2_}) {
        if (player) {
            player->Process2(t);
        }
    }
    if (race_ || attract_) {
        SetWindowToPlayers();
        return;
    }
    RunClock(t);
}

void ZELKAStage::ShakeWindows(int t)
{
    if (!camera_) {
        return;
    }
    camera_->GetShaker1()->Process2(t);
    camera_->GetShaker2()->Process2(t);
}

bool ZELKAStage::CheckAttractOrPause(int t)
{
    const bool escape = GameData::GlobalCancelPressed();
    if (attract_) {
        remaining_ = math::Clamp(remaining_ - t, 0, limit_);
        if (limit_ - remaining_ >= kAttractLengthMs || escape ||
            !GameData::GetAnyKeyFromAnyHardware().empty()) {
            LeaveTo(kStageTitleId);
        }
        return true;
    }
    const bool start = GameData::bothPlayersIn && GameData::bothPlayersIn->InputHit(kActionStart);
    if (start || escape) {
        ShowPauseMenu();
        return false;
    }
    return true;
}

void ZELKAStage::RunClock(int t)
{
    SetTime(remaining_ - t);
    if (remaining_ != 0) {
        SetWindowToPlayers();
        return;
    }
    if (requestedStage_ == kNoStageId) {
        SoundManager::PlaySFX(kSfxMatchEnd, kSfxChannelVoice, false);
    }
    LeaveTo(kStageResultsId);
}

void ZELKAStage::LeaveTo(int stageId)
{
    if (requestedStage_ != kNoStageId) {
        return;
    }
    requestedStage_ = stageId;
    if (Game* game = Game::GetCurrentGame()) {
        game->GoToStage(stageId);
    }
}

void ZELKAStage::SetTime(int ms)
{
    remaining_ = ms < 0 ? 0 : math::Min(ms, limit_);
}

void ZELKAStage::ShowPauseMenu()
{
    if (!banner_ || IsIntroRunning()) {
        return;
    }
    const Ref<GDO>& panel = GetPausePanel();
    if (!panel || panel->IsVisible()) {
        return;
    }
    ExtendedStage::ShowPauseMenu();
    SoundManager::PlaySFX(kSfxPause + pauseToggle_, kSfxChannelVoice, false);
    pauseToggle_ = 1 - pauseToggle_;
}

void ZELKAStage::FirstStageUpdate()
{
    SoundManager::PlaySFX(kSfxMatchStart, kSfxChannelVoice, false);
}

void ZELKAStage::HandleEvent(Object* source, int id, Object* /*data*/)
{
    if (auto* tween = dynamic_cast<TweenWithName*>(source); tween != nullptr) {
        if (id != kEventTweenRunEnded) {
            return;
        }
        if (tween == intro1_.get() && intro2_) {
            intro2_->Start();
        } else if (tween == intro2_.get() && banner_) {
            banner_->enabled = false;
            banner_->visible = false;
        }
        return;
    }
    if (source != nullptr && source == p1Character_) {
        if (id == kEventTeleportStarted) {
            SoundManager::PlaySFX(kSfxTeleportStart, kSfxChannelGeneral, false);
        } else if (id == kEventTeleportArrived) {
            SoundManager::PlaySFX(kSfxTeleportArrive, kSfxChannelGeneral, false);
        }
        return;
    }
    if (source != nullptr && source == tileMap_ && id == kEventTrapsToggled) {
        SoundManager::PlaySFX(kSfxTrapsMoved, kSfxChannelGeneral, false);
        Quake(kStageQuakeMs);
    }
}

// ---- Camera and effects.

void ZELKAStage::SetScreens(bool split, bool order)
{
    if (camera_) {
        camera_->SetScreens(split, order);
    }
}

void ZELKAStage::SetCameraOrder(bool order)
{
    if (camera_) {
        camera_->SetCameraOrder(order);
    }
}

void ZELKAStage::SetWindowToPlayers()
{
    if (camera_ && p1_ && p2_) {
        camera_->SetWindowToPlayers(*p1_, *p2_);
    }
}

void ZELKAStage::Quake(int ms)
{
    if (!camera_) {
        return;
    }
    camera_->GetShaker1()->Shake(ms);
    camera_->GetShaker2()->Shake(ms);
}

void ZELKAStage::EmitDust(float x, float y)
{
    const Ref<ParticleEmitter> emitter =
        particles_ ? particles_->GetEmitter(U"dustEmitter") : nullptr;
    if (!emitter) {
        return;
    }
    emitter->position.Set(x, y);
    emitter->Emit(kDustLifeMs, 0.0f, 0.0f);
}

void ZELKAStage::AddMsgLabel(const String& text, int player, bool big)
{
    const bool first = player == 1;
    const Ref<FXLabel>& label = first ? msgLabel1_ : msgLabel2_;
    const Ref<PlayerStageData>& who = first ? p1_ : p2_;
    if (!label) {
        return;
    }
    if (big) {
        label->ChangeFont(messageFont_);
        label->SetFontScale(kMessageFontScale, kMessageFontScale);
    } else {
        label->ChangeFont(GameData::stdFont);
        label->SetFontScale(kSmallMessageScaleX, kSmallMessageScaleY);
    }
    if (who) {
        const Vector at = who->GetCameraPosition();
        const bool ownWindow = !first && camera_ && camera_->IsSplit();
        const Window& window = ownWindow ? *p2Window_ : *rootWindow_;
        const Vector screen = window.WorldCoordsToScreen(at.x, at.y - kMessageAboveCharacter);
        label->position->Set(screen.x, screen.y);
    }
    label->Show4(text);
}

// ---- TopBarSource.

int ZELKAStage::GetScore(int player) const
{
    const Ref<PlayerData> data = GameData::GetPlayer(player);
    return data ? data->score : 0;
}

int ZELKAStage::GetIdolDistance(int player) const
{
    const Ref<PlayerData> data = GameData::GetPlayer(player);
    return data ? data->raceValue : -1;
}

const StatusEffectSource* ZELKAStage::GetStatus(int player) const
{
    return player == 1 ? p1_.get() : player == 2 ? p2_.get() : nullptr;
}

void ZELKAStage::ShakeFace(int player, int ms, int mode)
{
    const Ref<PlayerStageData>& who = player == 1 ? p1_ : p2_;
    if (who && who->profilePic) {
        who->profilePic->Shake2(ms, mode);
    }
}

}  // namespace zelka
