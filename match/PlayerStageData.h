#pragma once

#include "engine/collision/CollisionBox.h"
#include "engine/core/Object.h"
#include "engine/core/Vector.h"
#include "match/MatchConstants.h"
#include "match/camera/CameraSubject.h"
#include "match/topbar/StatusEffectSource.h"
#include "platform/core/Ref.h"

namespace zelka {

class Character;
class Cog;
class GameMaze;
class ItemStack;
class PlayerData;
class PlayerProfilePic;
class SETimersBar;
class Sprite;
class Tween;
class VerticalShaker;

// One player's match state, hung on the player's PlayerData for the length of a match.
//
// It outlives the stage: the application drops it only when it creates the next stage,
// after the stage (and its textures) have been released. So it holds nothing that releases
// graphics or sound when it goes: the stage calls Deallocate, which drops every reference,
// and the destructor does nothing more.
class PlayerStageData : public Object, public CameraSubject, public StatusEffectSource {
public:
    // The pointer sprite ("p<n>_pointer.png", hidden) and its bob tween (started). The maze
    // may be null (tests); the player is required and must outlive the match.
    static Ref<PlayerStageData> New(const Ref<PlayerData>& player, GameMaze* maze);

    // Uses the selected inventory item. True when it was used; false when nothing happened
    // and the item stays.
    virtual bool UseCurrentItem();

    // Each update: the pointer bobs over the character, the collision anchor follows the
    // character, then the character's move event (1, data: this) goes to the maze.
    void Process2(int ms);
    // Puts the player on tile (col, row): start position and direction, a light there, the
    // maze listening to every event of the character. Nothing without character and maze.
    void CommitPlayerToMaze(int col, int row);
    // Back to the start position and direction.
    void ResetPlayer();
    const Ref<Sprite>& GetPlayerPointer() const { return pointer; }
    int GetPlayerNumber() const;
    // Drops every reference (the nodes themselves go with the stage). Safe to call again.
    void Deallocate();

    // ---- CameraSubject.
    Vector GetCameraPosition() const override;
    bool IsTeleporting() const override;
    bool ReachedTeleportPosition() const override;
    void SetWindowShaker(const Ref<VerticalShaker>& shaker) override { windowShaker = shaker; }

    // ---- StatusEffectSource: the character's; none without one.
    int GetCurrentBuff() const override;
    int GetCurrentDeBuff() const override;
    int GetCurrentBuffTimer() const override;
    int GetCurrentDeBuffTimer() const override;

    Ref<Character> character;
    PlayerData* playerData = nullptr;   // not owned: the player outlives the match
    GameMaze* maze = nullptr;           // not owned: the match stage owns the maze
    Ref<ItemStack> itemStack;           // null: the player has no inventory
    // Current tile, kept up to date by the maze on every move event; -1 before the first.
    int tileC = -1;
    int tileR = -1;
    Vector startPosition;               // px relative to the tile map's centre
    // Character position plus the tile map's position: the collision box's anchor.
    Ref<Vector> collisionAnchor = std::make_shared<Vector>();
    Ref<CollisionBox> collisionBox;
    Ref<Sprite> pointer;
    Ref<Tween> pointerBob;              // px, added to the pointer's height over the character
    int startDirection = kDirNone;
    Ref<Cog> control;                   // ManualLogic, the computer's, or none
    Ref<PlayerProfilePic> profilePic;
    Ref<SETimersBar> statusBar;
    Ref<VerticalShaker> windowShaker;   // the shaker of the window showing this player

private:
    Vector MapPosition() const;
};

}  // namespace zelka
