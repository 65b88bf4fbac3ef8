#pragma once

#include "platform/core/Text.h"

namespace zelka {

class CharProfile;
class PlayerData;

// What the game data asks of the layers above it (fonts, toasts, panels, events). The application installs its own; every hook of the base does nothing, so the
// services run and test without screens.
class GameDataHooks {
public:
    virtual ~GameDataHooks() = default;

    // Loads GameData::stdFont ("press_start_k.fnt") and GameData::secFont ("upheaval.fnt").
    virtual void LoadFonts() {}

    // A toast for `player` (1 or 2) showing its input device's icon, or "NO DEVICE".
    virtual void NotifyPlayerInputMode(int) {}
    // Opens the configuration-conflict panel of the current stage's overlay.
    virtual void RaiseCfgConflictPanel() {}
    // Event 1010 from the current game with the player as data: the player's input
    // device or its mapping was reset.
    virtual void InputDeviceChanged(PlayerData&) {}

    // Player 1's "UNLOCKED" toast for a character / a world (name already upper-cased).
    virtual void ShowCharacterUnlocked(const CharProfile&) {}
    virtual void ShowWorldUnlocked(const String&) {}
};

}  // namespace zelka
