#pragma once

namespace zelka {

class JoystickBackend;

// Process-wide raw button tables of 16 pads x 32 buttons (hit: pressed in this update
// after being up; down: pressed now), as the joystick devices read them.
namespace same {

inline constexpr int kMaxJoysticks = 16;
inline constexpr int kMaxButtons = 32;

// Refreshes pad `index`'s row from the backend (ignored outside 0-15). A pad that is not
// attached reads every button up.
void GLFW_Update_Joystick(const JoystickBackend& backend, int index);
// False outside 0-15 / 0-31.
[[nodiscard]] bool RawJoyButtonHit(int joystick, int button);
[[nodiscard]] bool RawJoyButtonDown(int joystick, int button);
// Clears both tables (tests run many pads in one process).
void ResetRawTables();

}  // namespace same

}  // namespace zelka
