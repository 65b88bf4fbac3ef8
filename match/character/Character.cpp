#include "match/character/Character.h"

#include "engine/core/MathUtil.h"
#include "engine/core/Random.h"
#include "engine/media/MediaConstants.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/media/StringObject.h"
#include "engine/stage/Game.h"
#include "engine/tween/Ease.h"
#include "engine/tween/Tween.h"
#include "match/MatchEvents.h"
#include "match/MatchHooks.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"
#include "services/settings/GameMode.h"
#include "services/settings/StageSettings.h"

#include <algorithm>
#include <cstdlib>

namespace zelka {

namespace {

constexpr int kBodyYOffset = 11;          // px below the sprite's half height
constexpr int kDigSize = 32;              // px, "dig2.png" frames
constexpr int kDigFps = 12;
constexpr int kDigLastFrame = 6;
constexpr float kBeamHeight = 360.0f;     // px, the beam stretched to this
constexpr int kStatusWidth = 32;          // px, "status_fx.png" frames
constexpr int kStatusHeight = 16;
constexpr int kStatusFps = 10;
constexpr float kStatusY = -24.0f;        // px, over the body
constexpr int kCursorSize = 16;           // px, "nav_cursor.png" frames
constexpr int kCursorFps = 4;
constexpr int kCursorBlinkMs = 400;       // shown the first half of each period
constexpr int kTeleportHalfMs = 500;      // beam out, and beam in
constexpr int kTeleportGlideDivisor = 200;   // glide step = distance * ms / 200
constexpr float kTeleportSnap = 10.0f;    // px: closer than this snaps to the target
constexpr int kShakePeriod = 6;           // updates; the body sits right the first half
constexpr float kShakeX = 2.0f;           // px
constexpr int kDefreezeMs = 500;
constexpr int kMashLockoutMs = 300;
constexpr float kDustStep = 10.0f;        // px walked between dust puffs
constexpr float kDustOffset = 4.0f;       // px
constexpr float kGhostSpread = -16.0f;    // px behind the runner
constexpr float kGhostAlpha = 0.6f;
constexpr int kFlickerPeriodMs = 20;      // the wall-breaker shows the second half
constexpr float kTurboFactor = 2.0f;
constexpr float kSlowFactor = 0.5f;
constexpr float kUndergroundFactor = 0.4f;
const RGB kWhite(255, 255, 255);
const RGB kFrozenTint(128, 128, 240);
// Navigation cursor offsets from the character per direction, px.
constexpr float kCursorX[] = {16.0f, -16.0f, 0.0f, 0.0f};
constexpr float kCursorY[] = {0.0f, 0.0f, -32.0f, 16.0f};

const String kDig = U"dig";
const String kDigOut = U"digout";

bool IsDir(int dir)
{
    return dir >= 0 && dir < kDirCount;
}

Ref<Sprite> NewSprite(const String& path, int w, int h, int fps)
{
    return Sprite::New(path, w, h, fps);
}

}  // namespace

void CharStatusInfo::Process2(int ms)
{
    ms_ -= ms;
    if (ms_ <= 0) {
        Clear();
    }
}

void CharStatusInfo::SetStatusType(int type, int ms)
{
    type_ = type;
    ms_ = ms;
}

String Character::DirName(int dir)
{
    static const String names[] = {U"RIGHT", U"LEFT", U"UP", U"DOWN"};
    return IsDir(dir) ? names[dir] : String();
}

int Character::GetOppositeDirection(int dir)
{
    switch (dir) {
    case kDirRight: return kDirLeft;
    case kDirLeft: return kDirRight;
    case kDirUp: return kDirDown;
    case kDirDown: return kDirUp;
    default: return kDirRight;
    }
}

Ref<Character> Character::New(const String& name, PlayerData* player)
{
    auto ch = std::make_shared<Character>();
    ch->name = name;
    ch->player_ = player;
    Ref<CharProfile> profile = player != nullptr ? player->character : nullptr;
    if (!profile) {
        profile = CharProfile::New(U"", U"", 0);
    }
    const int height = profile->GetSpriteHeight();
    ch->body_ = NewSprite(profile->GetImgPath(kImgSprite), kTileSize, height, profile->GetSpriteFPS());
    for (int dir = 0; dir < kDirCount; ++dir) {
        ch->body_->DefineSequence2(DirName(dir), profile->GetSpriteSequence(dir), true);
    }
    ch->AddChild2(ch->body_, 0.0f, static_cast<float>(height / -2 + kBodyYOffset));

    ch->dig_ = NewSprite(U"dig2.png", kDigSize, kDigSize, kDigFps);
    ch->dig_->DefineSequence(kDig, 0, kDigLastFrame, false);
    ch->dig_->DefineSequence(kDigOut, 0, kDigLastFrame, false);
    ch->dig_->visible = false;
    ch->AddChild(ch->dig_);

    ch->beam_ = StaticImage::New(Texture::GetTexture(U"teleport.png"));
    const float beamHeight = ch->beam_->GetHeight();
    // A missing picture has height 0: leave its scale alone rather than divide by it.
    ch->beam_->scale.y = beamHeight > 0.0f ? kBeamHeight / beamHeight : 1.0f;
    ch->beam_->visible = false;
    ch->AddChild2(ch->beam_, 0.0f, -kBeamHeight / 2.0f);

    ch->status_ = NewSprite(U"status_fx.png", kStatusWidth, kStatusHeight, kStatusFps);
    ch->status_->DefineSequence2(U"confused", {0, 1}, true);
    ch->status_->DefineSequence2(U"slow", {2, 3}, true);
    ch->status_->visible = false;
    ch->body_->AddChild2(ch->status_, 0.0f, kStatusY);

    ch->cursor_ = NewSprite(U"nav_cursor.png", kCursorSize, kCursorSize, kCursorFps);
    for (int dir = 0; dir < kDirCount; ++dir) {
        ch->cursor_->DefineSequence2(DirName(dir), {2 * dir, 2 * dir + 1}, true);
    }
    if (player != nullptr) {
        ch->cursor_->tint = player->color;
    }
    ch->cursor_->visible = false;
    ch->AddChild(ch->cursor_);

    ch->tween_ = Tween::New(LinearEase::New(), 1.0f, 0.0f, kTeleportHalfMs, false, true);
    ch->tween_->SetEvents(true);
    EventManager::RegisterListener(ch, ch->dig_, kEventAnyId);
    EventManager::RegisterListener(ch, ch->tween_, kEventAnyId);

    ch->direction_ = kDirNone;
    ch->navigation_ = kDirNone;
    ch->SetDirection(kDirDown);
    return ch;
}

int Character::GetPlayerNumber() const
{
    return player_ != nullptr ? player_->GetPlayerNumber() : 1;
}

int Character::GetCurrentBuffTimer() const
{
    return buff_.GetType() != kBuffNone ? buff_.GetTimer() : -1;
}

int Character::GetCurrentDeBuffTimer() const
{
    return debuff_.GetType() != kBuffNone ? debuff_.GetTimer() : -1;
}

float Character::GetRealHeight() const
{
    return body_->GetHeight();
}

bool Character::ReachedTeleportPosition() const
{
    return position->x == target_.x && position->y == target_.y;
}

float Character::BaseSpeed() const
{
    const bool turbo = GameData::gameSettings && GameData::gameSettings->IsTurbo() &&
                       GameData::GetCurrentGameType() != kGameKindIdolRace;
    return turbo ? kTurboSpeed : kBaseSpeed;
}

void Character::ResetSpeed()
{
    const float s = BaseSpeed();
    speed_.Set(0.0f, 0.0f);
    if (IsDir(direction_)) {
        speed_.Set(s * static_cast<float>(kDirStepC[direction_]),
                   s * static_cast<float>(kDirStepR[direction_]));
    }
}

void Character::SetDirection(int dir)
{
    if (!IsDir(dir)) {
        return;   // e.g. a start tile with no exit (-1): confusion would turn it into right
    }
    if (debuff_.GetType() == kDebuffConfused) {
        dir = GetOppositeDirection(dir);
    }
    if (dir == direction_ || IsTeleporting() || debuff_.GetType() == kDebuffFrozen) {
        return;
    }
    request_->allowed = true;
    request_->oldDirection = direction_;
    request_->newDirection = dir;
    if (IsWalking()) {
        EventManager::SendEvent(this, kEventTurnRequest, request_.get());
        if (!request_->allowed) {
            return;
        }
    }
    body_->PlaySequence(DirName(dir));
    direction_ = dir;
    ResetSpeed();
}

void Character::SetAccel(float accel)
{
    if (IsTeleporting() || IsDigging()) {
        accel_ = 0.0f;
        ResetSpeed();
        return;
    }
    accel_ = accel;
    if (accel == 0.0f) {
        ResetSpeed();
    }
}

float Character::GetSpeedMultiplier() const
{
    if (buff_.GetType() == kBuffTurbo) return kTurboFactor;
    if (debuff_.GetType() == kDebuffSlow) return kSlowFactor;
    if (state_ == kCharUnderground) return kUndergroundFactor;
    if (state_ == kCharDigAnimation) return 0.0f;
    return 1.0f;
}

void Character::EndDebuffLook()
{
    status_->visible = false;
    body_->tint = kWhite;
    body_->enabled = true;
    shakeMs_ = 0;
    body_->position->x = 0.0f;
}

void Character::EndDebuff()
{
    debuff_.Clear();
    EndDebuffLook();
}

void Character::SetCurrentBuff(int type, int ms)
{
    if (type == kBuffTurbo && debuff_.GetType() == kDebuffSlow) {
        EndDebuff();
        buff_.Clear();
        return;
    }
    buff_.SetStatusType(type, ms);
}

void Character::SetCurrentDebuff(int type, int ms)
{
    debuff_.SetStatusType(type, ms);
    EndDebuffLook();
    switch (type) {
    case kDebuffConfused:
        status_->PlaySequence(U"confused");
        status_->visible = true;
        break;
    case kDebuffSlow:
        if (buff_.GetType() == kBuffTurbo) {
            EndDebuff();
            buff_.Clear();
        } else {
            status_->PlaySequence(U"slow");
            status_->visible = true;
        }
        break;
    case kDebuffFrozen:
        body_->tint = kFrozenTint;
        body_->enabled = false;
        break;
    default:
        break;
    }
}

bool Character::DefreezeABit()
{
    if (debuff_.GetType() != kDebuffFrozen || shakeMs_ > 0) {
        return false;
    }
    debuff_.SetTimer(std::max(debuff_.GetTimer() - kDefreezeMs, 0));
    shakeMs_ = kMashLockoutMs;
    return true;
}

void Character::Dig()
{
    EndDebuff();
    buff_.Clear();
    accel_ = 0.0f;
    ResetSpeed();
    state_ = kCharDigAnimation;
    dig_->PlaySequence(kDig);
    dig_->visible = true;
    body_->visible = false;
}

bool Character::Resurface()
{
    if (state_ != kCharUnderground) {
        return false;
    }
    state_ = kCharDigAnimation;
    dig_->PlaySequence(kDigOut);
    dig_->visible = true;
    return true;
}

void Character::Teleport(float x, float y)
{
    EventManager::SendEvent(this, kEventTeleportStarted);
    state_ = kCharTeleporting;
    target_.Set(x, y);
    tween_->Start();
}

void Character::UpdateShake(int step)
{
    if (shakeMs_ > 0) {
        body_->position->x = (counter_ % kShakePeriod) < kShakePeriod / 2 ? kShakeX : -kShakeX;
        shakeMs_ -= step;
    } else {
        shakeMs_ = 0;
        body_->position->x = 0.0f;
    }
}

void Character::UpdateNavCursor()
{
    if (!IsDir(navigation_)) {
        cursor_->visible = false;
        return;
    }
    cursor_->position->Set(kCursorX[navigation_], kCursorY[navigation_]);
    cursor_->visible = IsWalking() && totalMs_ % kCursorBlinkMs < kCursorBlinkMs / 2;
    cursor_->PlaySequence(DirName(navigation_));
}

void Character::Move(int step)
{
    const float factor = buff_.GetType() == kBuffTurbo    ? kTurboFactor
                         : debuff_.GetType() == kDebuffSlow ? kSlowFactor
                         : state_ == kCharUnderground       ? kUndergroundFactor
                                                            : 1.0f;
    const float dt = static_cast<float>(step) / 1000.0f;
    // The sign of 0 is 0: a standing axis never accelerates.
    speed_.x = math::Clamp(speed_.x + math::Sgn(speed_.x) * accel_ * dt, -kMaxSpeed, kMaxSpeed);
    speed_.y = math::Clamp(speed_.y + math::Sgn(speed_.y) * accel_ * dt, -kMaxSpeed, kMaxSpeed);
    position->x += speed_.x * factor * dt;
    position->y += speed_.y * factor * dt;
    if (IsWalking() && (std::abs(position->x - lastDust_.x) > kDustStep ||
                        std::abs(position->y - lastDust_.y) > kDustStep)) {
        match::Hooks().EmitDust(position->x - kDustOffset * math::Sgn(speed_.x),
                                position->y + kDustOffset - kDustOffset * math::Sgn(speed_.y));
        lastDust_ = *position;
    }
}

void Character::UpdateTeleport(int step)
{
    if (tween_->IsPlaying()) {
        const float v = tween_->GetValue();
        scale.Set(v, 2.0f - v);
        beam_->visible = true;
        visible = true;
    } else {
        scale.Set(1.0f, 1.0f);
        const auto glide = [step](float& p, float target) {
            p += (target - p) * static_cast<float>(step) / kTeleportGlideDivisor;
            if (std::abs(target - p) < kTeleportSnap) p = target;
        };
        glide(position->x, target_.x);
        glide(position->y, target_.y);
        if (ReachedTeleportPosition()) {
            EventManager::SendEvent(this, kEventTeleportArrived);
            tween_->Resume();
        }
    }
    tween_->Update(step);
}

void Character::Update(int ms)
{
    GDO::Update(ms);
    const int rate = Game::GetGameFPS();
    const int step = std::min(rate > 0 ? 1000 / rate : kMatchStepMs, ms);
    totalMs_ += step;
    ++counter_;
    UpdateShake(step);
    if (buff_.GetType() == kBuffTurbo) {
        const float r1 = random::Rnd();
        const float r2 = random::Rnd();
        ghost_.Set(r1 * kGhostSpread * math::Sgn(speed_.x), r2 * kGhostSpread * math::Sgn(speed_.y));
    }
    UpdateNavCursor();
    if ((IsWalking() || state_ == kCharUnderground) && debuff_.GetType() != kDebuffFrozen) {
        Move(step);
    }
    if (IsTeleporting()) {
        UpdateTeleport(step);
    }
    buff_.Process2(step);
    const bool hadDebuff = debuff_.GetType() != kBuffNone;
    debuff_.Process2(step);
    if (hadDebuff && debuff_.GetType() == kBuffNone) {
        EndDebuffLook();
    }
}

void Character::Render()
{
    if (buff_.GetType() == kBuffWallBreaker && buff_.GetTimer() % kFlickerPeriodMs < kFlickerPeriodMs / 2) {
        return;
    }
    if (buff_.GetType() == kBuffTurbo) {
        const Vector at = *position;
        const float ownAlpha = alpha;
        position->Set(at.x + ghost_.x, at.y + ghost_.y);
        alpha = kGhostAlpha;
        GDO::Render();
        position->Set(at.x, at.y);
        alpha = ownAlpha;
    }
    GDO::Render();
}

void Character::HandleEvent(Object* source, int id, Object* data)
{
    if (source == tween_.get() && id == kEventTweenRunEnded) {
        if (tween_->GetValue() != 1.0f) {
            tween_->Pause();
            visible = false;
        } else {
            // The squash of the beam-in was set before this last step: undo it, or the
            // character would walk on slightly squashed.
            state_ = kCharWalking;
            scale.Set(1.0f, 1.0f);
        }
        beam_->visible = false;
    } else if (source == dig_.get() && id == kEventSequenceEnded) {
        auto* sequence = dynamic_cast<StringObject*>(data);
        if (sequence != nullptr && sequence->value == kDig) {
            state_ = kCharUnderground;
        } else if (sequence != nullptr && sequence->value == kDigOut) {
            state_ = kCharWalking;
            body_->visible = true;
        }
        dig_->visible = false;
    }
}

void Character::Deallocate()
{
    tween_.reset();
    GDO::Deallocate();
}

}  // namespace zelka
