#pragma once

#include "engine/text/Label.h"
#include "screens/menus/ConfigurableMenu.h"
#include "screens/menus/ConfigurableOption.h"

#include <array>

namespace zelka {

// One player's controls: the input device, the movement scheme and the three action keys,
// with DEFAULT SETTINGS and EXIT. Left or right on the device or a key row starts capture
// mode ("PRESS ANY KEY...", until a usable key or device arrives, or Escape); on MOVEMENT
// it cycles the scheme shown, which is committed (or refused on a clash) only when the
// cursor leaves the row. The menu reads its owner's input itself (input active is off).
class JoystickConfigMenu : public ConfigurableMenu {
public:
    static constexpr int kRowDevice = 0;
    static constexpr int kRowMovement = 1;
    static constexpr int kRowAccept = 2;   // rows 2-4: action keys 0-2
    static constexpr int kRowCancel = 3;
    static constexpr int kRowStart = 4;
    static constexpr int kRowDefaults = 5;
    static constexpr int kRowExit = 6;

    JoystickConfigMenu();
    static Ref<JoystickConfigMenu> New(Ref<PlayerData> player);

    // Row 0 shows the player's present device (or "NO DEVICE"); the key rows follow.
    void RefreshInputDeviceForPlayer();
    // The scheme shown becomes the mapping's current one; the key rows show its keys.
    void UpdateInputKeysWithCurrentConfig();
    void UpdateMovementSchemeSelectionTo(int index);
    // The input's name on the player's device, behind its colour code when it has a
    // colour; the name itself when the device does not know it; "" without a mapping.
    [[nodiscard]] String GetKeyPrettyName(const String& inputName) const;
    // Cursor to the first row, message closed.
    void Reset();

    void Update(int ms) override;
    bool ShowArrowsForOption(int index) override;
    void ChangeOptionValue(int index, int delta) override;
    int CheckBeforeOptionChange(int from, int to) override;
    void OkPressed(int index) override;
    void CancelPressed(int index, bool byEscape) override;

    [[nodiscard]] int GetDisplayedScheme() const { return displayedScheme_; }
    [[nodiscard]] bool InCaptureMode() const;
    [[nodiscard]] const Ref<ConfigurableOption>& GetMovementRow() const { return movement_; }
    [[nodiscard]] const Ref<ConfigurableOption>& GetKeyRow(int key) const { return keys_[key]; }

private:
    int PlayerNumber() const;
    void UpdateCapture();
    void UpdateBrowsing();
    // The update is used up when one of the owner's action keys moved the cursor to its row.
    bool JumpToHitKeyRow();

    Ref<PlayerData> other_;
    int displayedScheme_ = 0;
    Ref<ConfigurableOption> movement_;
    std::array<Ref<ConfigurableOption>, 3> keys_;
};

}  // namespace zelka
