#pragma once

#include "engine/core/EventManager.h"
#include "engine/display/GDO.h"
#include "match/MatchConstants.h"
#include "match/character/CharacterDirectionRequest.h"
#include "match/maze/MazeWalker.h"
#include "platform/core/Text.h"

namespace zelka {

class PlayerData;
class Sprite;
class StaticImage;
class Tween;

// A buff or a debuff with its remaining time; type 0 is none.
class CharStatusInfo {
public:
    // Counts ms down; at 0 or below the effect ends (type and time 0).
    void Process2(int ms);
    void SetStatusType(int type, int ms);
    void Clear() { SetStatusType(0, 0); }
    int GetType() const { return type_; }
    int GetTimer() const { return ms_; }
    void SetTimer(int ms) { ms_ = ms; }

private:
    int ms_ = 0;
    int type_ = 0;
};

// One player's figure in the maze. It walks one of four directions at its speed, asks the
// maze (event 0) before it turns and is moved, pushed and confused by the maze's answers to
// its move events (event 1, sent by its PlayerStageData). It digs underground, teleports,
// and carries at most one buff (wall-breaker, turbo) and one debuff (confused, slow,
// frozen). Its position is relative to the tile map's centre.
class Character : public GDO, public EventListener, public MazeWalker {
public:
    static constexpr float kBaseSpeed = 100.0f;    // px/s
    static constexpr float kTurboSpeed = 150.0f;   // px/s with the turbo setting, not in a race
    static constexpr float kMaxSpeed = 250.0f;     // px/s on either axis

    // The player's character profile gives the body sprite; null player: a default body
    // and player 1. Ends facing down.
    static Ref<Character> New(const String& name, PlayerData* player);

    // "RIGHT", "LEFT", "UP", "DOWN" for 0-3, "" otherwise.
    static String DirName(int dir);
    // Right and left, up and down exchanged; any other value gives 0 (right).
    static int GetOppositeDirection(int dir);

    // Implements MazeWalker.
    Vector& WalkerPosition() override { return *position; }
    int GetDirection() const override { return direction_; }
    int GetState() const override { return state_; }
    int GetCurrentBuff() const override { return buff_.GetType(); }
    int GetCurrentDeBuff() const override { return debuff_.GetType(); }
    // Replaces the debuff with a fresh timer and its look: 3 dizzy, 4 slowed (ends both when
    // it meets the turbo), 5 frozen stiff and blue.
    void SetCurrentDebuff(int type, int ms) override;
    // Ignored (0 and the base speed) while teleporting, digging or underground.
    void SetAccel(float accel) override;
    void SetNavigationDir(int dir) override { navigation_ = dir; }
    int GetPlayerNumber() const override;

    int GetNavigationDir() const { return navigation_; }
    int GetCurrentBuffTimer() const;      // -1 without a buff
    int GetCurrentDeBuffTimer() const;    // -1 without a debuff
    float GetRealHeight() const;          // the body sprite's height, px
    bool ReachedTeleportPosition() const;
    const Vector& GetSpeed() const { return speed_; }
    float GetAccel() const { return accel_; }
    int GetShakeTimer() const { return shakeMs_; }
    const Vector& GetGhostOffset() const { return ghost_; }
    PlayerData* GetPlayerData() const { return player_; }

    // Turns (inverted while confused). Ignored for values outside 0-3, for the current
    // direction, while teleporting and while frozen; a walker asks the maze first.
    void SetDirection(int dir);
    // The base speed along the direction.
    void ResetSpeed();
    // 2 turbo, 0.5 slow, 0.4 underground, 0 in the dig animation, else 1.
    float GetSpeedMultiplier() const;
    // Turbo on a slowed character ends both; anything else replaces the buff.
    void SetCurrentBuff(int type, int ms);
    // A frozen character mashing out: -500 ms, then 300 ms before the next counts.
    // Whether it counted.
    bool DefreezeABit();
    // Down into the ground: effects end, the dig animation plays, then underground.
    void Dig();
    // Up again, only from underground. Whether it acted.
    bool Resurface();
    // Beams out, glides to (x, y), beams in (events 98989, then 89898 on arrival).
    void Teleport(float x, float y);

    void Update(int ms) override;
    void Render() override;
    float GetWidth() const override { return 32.0f; }
    float GetHeight() const override { return 32.0f; }
    void HandleEvent(Object* source, int id, Object* data) override;
    void Deallocate() override;

    // The parts, for the match and for tests.
    const Ref<Sprite>& GetBody() const { return body_; }
    const Ref<Sprite>& GetDigSprite() const { return dig_; }
    const Ref<Sprite>& GetStatusSprite() const { return status_; }
    const Ref<Sprite>& GetNavCursor() const { return cursor_; }
    const Ref<StaticImage>& GetBeam() const { return beam_; }
    const Ref<Tween>& GetTeleportTween() const { return tween_; }

private:
    float BaseSpeed() const;
    void EndDebuffLook();
    void EndDebuff();
    void UpdateShake(int step);
    void UpdateNavCursor();
    void Move(int step);
    void UpdateTeleport(int step);

    PlayerData* player_ = nullptr;   // not owned
    int state_ = kCharWalking;
    int direction_ = kDirNone;
    int navigation_ = kDirNone;
    Vector speed_;                   // px/s
    float accel_ = 0.0f;             // px/s^2
    CharStatusInfo buff_;
    CharStatusInfo debuff_;
    Ref<CharacterDirectionRequest> request_ = std::make_shared<CharacterDirectionRequest>();
    Ref<Sprite> body_;
    Ref<Sprite> dig_;
    Ref<StaticImage> beam_;
    Ref<Sprite> status_;
    Ref<Sprite> cursor_;
    Vector target_;
    Ref<Tween> tween_;
    int shakeMs_ = 0;
    int totalMs_ = 0;
    int counter_ = 0;
    Vector lastDust_;
    Vector ghost_;
};

}  // namespace zelka
