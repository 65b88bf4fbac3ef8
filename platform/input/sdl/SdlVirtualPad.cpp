#include "platform/input/sdl/SdlVirtualPad.h"

#include <SDL.h>

namespace zelka {

namespace {

SDL_Joystick* Pad(void* handle)
{
    return static_cast<SDL_Joystick*>(handle);
}

}  // namespace

SdlVirtualPad::SdlVirtualPad(int axes, int buttons, int hats)
{
    deviceIndex_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, hats);
    if (deviceIndex_ < 0) return;
    // The pad's state can be set only through an open handle; it is the same handle the
    // backend gets (SDL counts the openings).
    handle_ = SDL_JoystickOpen(deviceIndex_);
}

SdlVirtualPad::~SdlVirtualPad()
{
    Detach();
}

void SdlVirtualPad::SetAxis(int axis, int value)
{
    if (handle_) SDL_JoystickSetVirtualAxis(Pad(handle_), axis, static_cast<Sint16>(value));
}

void SdlVirtualPad::SetButton(int button, bool pressed)
{
    if (handle_) SDL_JoystickSetVirtualButton(Pad(handle_), button, pressed ? 1 : 0);
}

void SdlVirtualPad::SetHat(int hat, int bits)
{
    if (handle_) SDL_JoystickSetVirtualHat(Pad(handle_), hat, static_cast<Uint8>(bits));
}

void SdlVirtualPad::Detach()
{
    if (!handle_) return;
    SDL_JoystickID id = SDL_JoystickInstanceID(Pad(handle_));
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
    SDL_JoystickClose(Pad(handle_));
    handle_ = nullptr;
}

}  // namespace zelka
