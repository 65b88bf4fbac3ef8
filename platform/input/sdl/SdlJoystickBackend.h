#pragma once

#include "platform/core/Ref.h"
#include "platform/input/JoystickBackend.h"

namespace zelka {

// The pads through SDL2's joystick functions. Starts SDL's joystick subsystem when the
// host has not (without SDL's signal handlers, so Ctrl-C still ends the game), stops SDL
// from queueing joystick events nobody reads, and polls with one SDL_JoystickUpdate per
// game update. Null when SDL's joystick subsystem cannot start.
Ref<JoystickBackend> NewSdlJoystickBackend();

}  // namespace zelka
