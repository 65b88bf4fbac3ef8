#include "platform/input/sdl/SdlJoystickBackend.h"


#include <SDL.h>

#include <array>

namespace zelka {

namespace {

constexpr float kAxisScale = 32768.0f;  // SDL axis range is -32768..32767

// SDL's hat bits to degrees; a diagonal gives the first of up, right, down, left.
int HatBitsToAngle(Uint8 bits)
{
    if (bits & SDL_HAT_UP) return 0;
    if (bits & SDL_HAT_RIGHT) return 90;
    if (bits & SDL_HAT_DOWN) return 180;
    if (bits & SDL_HAT_LEFT) return 270;
    return -1;
}

class SdlJoystickBackend final : public JoystickBackend {
public:
    ~SdlJoystickBackend() override
    {
        for (Pad& pad : pads_) {
            if (pad.handle) SDL_JoystickClose(pad.handle);
        }
    }

    // Implements JoystickBackend.
    bool Open(int index) override
    {
        if (index < 0 || index >= kJoysticksTried) return false;
        Pad& pad = pads_[index];
        if (pad.tried) return pad.handle != nullptr;
        pad.tried = true;
        if (index >= SDL_NumJoysticks()) return false;
        pad.handle = SDL_JoystickOpen(index);
        if (pad.handle) pad.hasHat = SDL_JoystickNumHats(pad.handle) > 0;
        return pad.handle != nullptr;
    }

    void Update() override { SDL_JoystickUpdate(); }

    bool IsAttached(int index) const override
    {
        SDL_Joystick* handle = Handle(index);
        return handle && SDL_JoystickGetAttached(handle);
    }

    bool GetButton(int index, int button) const override
    {
        if (!IsAttached(index)) return false;
        SDL_Joystick* handle = Handle(index);
        if (button < 0 || button >= SDL_JoystickNumButtons(handle)) return false;
        return SDL_JoystickGetButton(handle, button) != 0;
    }

    float GetAxis(int index, int axis) const override
    {
        if (!IsAttached(index)) return 0.0f;
        SDL_Joystick* handle = Handle(index);
        if (axis < 0 || axis >= SDL_JoystickNumAxes(handle)) return 0.0f;
        return SDL_JoystickGetAxis(handle, axis) / kAxisScale;
    }

    int NumAxes(int index) const override
    {
        return IsAttached(index) ? SDL_JoystickNumAxes(Handle(index)) : 0;
    }

    bool HasHat(int index) const override
    {
        return index >= 0 && index < kJoysticksTried && pads_[index].hasHat;
    }

    int GetHatAngle(int index) const override
    {
        if (!HasHat(index) || !IsAttached(index)) return -1;
        return HatBitsToAngle(SDL_JoystickGetHat(Handle(index), 0));
    }

private:
    struct Pad {
        SDL_Joystick* handle = nullptr;
        bool tried = false;
        bool hasHat = false;
    };

    SDL_Joystick* Handle(int index) const
    {
        return index >= 0 && index < kJoysticksTried ? pads_[index].handle : nullptr;
    }

    std::array<Pad, kJoysticksTried> pads_{};
};

}  // namespace

Ref<JoystickBackend> NewSdlJoystickBackend()
{
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        // HIDAPI drivers renumber a pad's buttons; the raw order keeps "L (BTTN 5)" to
        // "START (8)" where the labels say.
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return nullptr;
    }
    SDL_JoystickEventState(SDL_IGNORE);
    return std::make_shared<SdlJoystickBackend>();
}

}  // namespace zelka
