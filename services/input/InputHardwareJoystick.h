#pragma once

#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"

#include <array>

namespace zelka {

class JoystickBackend;

// One pad as an input device, named "JOYSTICK " + (index + 1). Directions come from the
// first stick, the hat or both, as the device's hardware flags (the movement scheme) say;
// buttons come from the raw tables. The MENU input and the axes 2-7 inputs are listed but
// never report: a trigger axis rests at -1 and would read as held.
class InputHardwareJoystick final : public InputHardware {
public:
    // A device for pad `index`, or null when the backend cannot open it.
    static Ref<InputHardwareJoystick> New(Ref<JoystickBackend> backend, int index);

    int GetIndex() const { return index_; }
    bool HasHat() const { return hasHat_; }

    // Implements InputHardware. The backend's Update must have run in this game update.
    void DeviceUpdate() override;
    bool WasInputHit(int code) const override;
    bool IsInputDown(int code) const override;

    // direction kMoveLeft..kMoveDown (clamped), combined with the hat by the flags.
    bool GetMovementHit(int direction) const;
    bool GetMovementPressed(int direction) const;

private:
    InputHardwareJoystick(Ref<JoystickBackend> backend, int index);

    // Direction states: 2k axis k at or below -0.5, 2k+1 at or above 0.5; then the hat.
    static constexpr int kHatLeft = 16;
    static constexpr int kHatRight = 17;
    static constexpr int kHatUp = 18;
    static constexpr int kHatDown = 19;
    static constexpr int kStateCount = 20;

    void UpdateState(int state, bool held);
    bool DirectionState(int code, const std::array<bool, kStateCount>& states) const;

    Ref<JoystickBackend> backend_;
    int index_ = 0;
    bool hasHat_ = false;
    std::array<float, kJoyAxisCount> axes_{};
    std::array<bool, kStateCount> hit_{};
    std::array<bool, kStateCount> down_{};
    int hatAngle_ = -1;
};

}  // namespace zelka
