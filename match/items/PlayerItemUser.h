#pragma once

#include "match/items/ItemUser.h"

namespace zelka {

class PlayerStageData;

// A player's match state as an ItemUser: its character, stack and tile, with messages,
// face shakes and quakes going through the match hooks.
class PlayerItemUser : public ItemUser {
public:
    // Not owned: the match state outlives the match's item events. It must have a player
    // and a character.
    explicit PlayerItemUser(PlayerStageData& data);

    // Implements ItemUser.
    PlayerData& GetPlayerData() override;
    ItemStack* GetItemStack() override;
    int GetPlayerNumber() const override;
    int GetTileC() const override;
    int GetTileR() const override;
    int GetCharacterState() const override;
    int GetCurrentBuff() const override;
    int GetCurrentDeBuff() const override;
    void SetCurrentBuff(int type, int ms) override;
    void SetCurrentDebuff(int type, int ms) override;
    void Dig() override;
    void Teleport(float x, float y) override;
    // Nothing without a maze.
    void MoveToTileCentre() override;
    void Resurface() override;
    void ShowMessage(const String& text, bool big) override;
    void ShakeFace(int ms) override;
    // Quakes the window that shows this player (its window shaker, set by the camera).
    void QuakeWindow(int ms) override;

    PlayerStageData& GetStageData() const { return data_; }

private:
    PlayerStageData& data_;
};

// Uses the player's selected item against the other player, on the player's maze. False
// (the item stays) when either player has no character or no maze is set.
bool UsePlayerItem(PlayerStageData& user);

}  // namespace zelka
