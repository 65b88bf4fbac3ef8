#pragma once

#include "platform/core/Text.h"

namespace zelka {

class CharProfile;

// What the game data asks of the layers above it (fonts, toasts, panels, events). The application installs its own; every hook of the base does nothing, so the
// services run and test without screens.
class GameDataHooks {
public:
    virtual ~GameDataHooks() = default;

    // Loads GameData::stdFont ("press_start_k.fnt") and GameData::secFont ("upheaval.fnt").
    virtual void LoadFonts() {}

    // A toast for `player` (1 or 2) showing its input device's icon, or "NO DEVICE", then
    // event 1010 from the current game with the player as data (the controls panel
    // listens for it). One call is one event: a reset sends nothing else.
    virtual void NotifyPlayerInputMode(int) {}
    // Opens the configuration-conflict panel of the current stage's overlay.
    virtual void RaiseCfgConflictPanel() {}

    // Player 1's "UNLOCKED" toast for a character / a world (name already upper-cased).
    virtual void ShowCharacterUnlocked(const CharProfile&) {}
    virtual void ShowWorldUnlocked(const String&) {}
};

}  // namespace zelka
