#include "services/input/RawJoystick.h"

#include "platform/input/JoystickBackend.h"

#include <array>

namespace zelka::same {

namespace {

struct RawTables {
    std::array<bool, kMaxJoysticks * kMaxButtons> hit{};
    std::array<bool, kMaxJoysticks * kMaxButtons> down{};
};

RawTables& Tables()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static RawTables& tables = *new RawTables;
    return tables;
}

bool InRange(int joystick, int button)
{
    return joystick >= 0 && joystick < kMaxJoysticks && button >= 0 && button < kMaxButtons;
}

}  // namespace

void GLFW_Update_Joystick(const JoystickBackend& backend, int index)
{
    if (index < 0 || index >= kMaxJoysticks) return;
    RawTables& tables = Tables();
    bool attached = backend.IsAttached(index);
    for (int button = 0; button < kMaxButtons; ++button) {
        bool pressed = attached && backend.GetButton(index, button);
        int slot = index * kMaxButtons + button;
        tables.hit[slot] = pressed && !tables.down[slot];
        tables.down[slot] = pressed;
    }
}

bool RawJoyButtonHit(int joystick, int button)
{
    return InRange(joystick, button) && Tables().hit[joystick * kMaxButtons + button];
}

bool RawJoyButtonDown(int joystick, int button)
{
    return InRange(joystick, button) && Tables().down[joystick * kMaxButtons + button];
}

void ResetRawTables()
{
    Tables() = RawTables{};
}

}  // namespace zelka::same
