#pragma once

#include "platform/input/JoystickBackend.h"

#include <array>

namespace zelka {

// Pads without hardware: tests plug them in, move them and unplug them. State set here is
// what the next Update publishes, as with a real pad.
class FakeJoystickBackend final : public JoystickBackend {
public:
    // Plugs in pad `index` (0-2) before it is opened.
    void Plug(int index, int axes = 2, bool hasHat = true)
    {
        Pad& pad = pads_[index];
        pad.present = true;
        pad.attached = true;
        pad.axisCount = axes;
        pad.hasHat = hasHat;
    }
    void Unplug(int index) { pads_[index].pending.attached = false; }
    void SetAxis(int index, int axis, float value) { pads_[index].pending.axes[axis] = value; }
    void SetButton(int index, int button, bool pressed) { pads_[index].pending.buttons[button] = pressed; }
    void SetHatAngle(int index, int angle) { pads_[index].pending.hat = angle; }
    int Updates() const { return updates_; }

    // Implements JoystickBackend.
    bool Open(int index) override { return Valid(index) && pads_[index].present; }
    void Update() override
    {
        ++updates_;
        for (Pad& pad : pads_) {
            if (pad.attached) pad.live = pad.pending;
            pad.attached = pad.attached && pad.pending.attached;
        }
    }
    bool IsAttached(int index) const override { return Valid(index) && pads_[index].attached; }
    bool GetButton(int index, int button) const override
    {
        return IsAttached(index) && button >= 0 && button < kJoyButtonCount &&
               pads_[index].live.buttons[button];
    }
    float GetAxis(int index, int axis) const override
    {
        if (!IsAttached(index) || axis < 0 || axis >= pads_[index].axisCount) return 0.0f;
        return pads_[index].live.axes[axis];
    }
    int NumAxes(int index) const override { return IsAttached(index) ? pads_[index].axisCount : 0; }
    bool HasHat(int index) const override { return Valid(index) && pads_[index].hasHat; }
    int GetHatAngle(int index) const override
    {
        return IsAttached(index) && pads_[index].hasHat ? pads_[index].live.hat : -1;
    }

private:
    struct PadState {
        std::array<float, kJoyAxisCount> axes{};
        std::array<bool, kJoyButtonCount> buttons{};
        int hat = -1;
        bool attached = true;
    };
    struct Pad {
        bool present = false;
        bool attached = false;
        bool hasHat = false;
        int axisCount = 0;
        PadState pending;
        PadState live;
    };

    static bool Valid(int index) { return index >= 0 && index < kJoysticksTried; }

    std::array<Pad, kJoysticksTried> pads_{};
    int updates_ = 0;
};

}  // namespace zelka
