#pragma once

#include "platform/core/Text.h"

namespace zelka {

class ItemStack;
class PlayerData;

// One player of a running match as the items see it: the pick-ups score on it and the
// item effects act on its character. The match stage's PlayerStageData implements it over
// the player's character, stack and top-bar widgets; tests implement it with a fake.
class ItemUser {
public:
    virtual ~ItemUser() = default;

    virtual PlayerData& GetPlayerData() = 0;
    // Null when the player carries no inventory.
    virtual ItemStack* GetItemStack() = 0;
    // 1 or 2: also the sound channel of the player's effects.
    virtual int GetPlayerNumber() const = 0;
    // The character's tile.
    virtual int GetTileC() const = 0;
    virtual int GetTileR() const = 0;

    // ---- The character.
    virtual int GetCharacterState() const = 0;   // kCharWalking .. kCharUnderground
    virtual int GetCurrentBuff() const = 0;      // kBuffNone, kBuffWallBreaker, kBuffTurbo
    virtual int GetCurrentDeBuff() const = 0;    // kBuffNone or kDebuffConfused .. kDebuffFrozen
    // type kBuffNone with 0 ms ends the current one.
    virtual void SetCurrentBuff(int type, int ms) = 0;
    virtual void SetCurrentDebuff(int type, int ms) = 0;
    // Digs down where it stands.
    virtual void Dig() = 0;
    // To (x, y), px relative to the tile map's centre: event 98989, state 1 and the
    // teleport tween.
    virtual void Teleport(float x, float y) = 0;
    // Puts the character on the centre of its tile.
    virtual void MoveToTileCentre() = 0;
    // Only from underground: state 2, the dig sprite plays "digout" and shows.
    virtual void Resurface() = 0;

    // ---- The match around the player.
    // A message popping over the character; big uses the message font.
    virtual void ShowMessage(const String& text, bool big) = 0;
    // The player's face in the top bar.
    virtual void ShakeFace(int ms) = 0;
    // The window that shows this player.
    virtual void QuakeWindow(int ms) = 0;
};

// What the item effects read and change of the maze.
class ItemMaze {
public:
    virtual ~ItemMaze() = default;
    // Centre of tile (c, r), px relative to the tile map's centre.
    virtual float TileCenterX(int c) const = 0;
    virtual float TileCenterY(int r) const = 0;
    // A wall stands on the tile in the wall layer.
    virtual bool HasWallAt(int c, int r) const = 0;
    // The tile's floor is the block-trap floor.
    virtual bool IsTrapFloorAt(int c, int r) const = 0;
    // The block-trap timer is running.
    virtual bool AreBlocksUp() const = 0;
    // Raises the block traps when they are down, else lowers them.
    virtual void ToggleBlockTraps() = 0;
};

}  // namespace zelka
