#include "services/input/InputHardwareJoystick.h"

#include "platform/input/JoystickBackend.h"
#include "services/input/RawJoystick.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zelka {

namespace {

const RGB kMenuColor{128, 255, 64};

constexpr std::array<const char32_t*, 8> kNamedButtons{
    U"A (BTTN 1)", U"B (BTTN 2)", U"X (BTTN 3)", U"Y (BTTN 4)",
    U"L (BTTN 5)", U"R (BTTN 6)", U"BACK (7)",   U"START (8)"};

String Decimal(int n)
{
    return FromLatin1(std::to_string(n));
}

// Hat sectors in degrees; an angle on a border belongs to the sector clockwise before it,
// so 45 is up only and 135 right only.
bool HatLeft(int a) { return a > 225 && a <= 315; }
bool HatRight(int a) { return a > 45 && a <= 135; }
bool HatUp(int a) { return a > 315 || a <= 45; }
bool HatDown(int a) { return a > 135 && a <= 225; }

}  // namespace

InputHardwareJoystick::InputHardwareJoystick(Ref<JoystickBackend> backend, int index)
    : InputHardware(U"JOYSTICK " + Decimal(index + 1), kDeviceTypeJoystick),
      backend_(std::move(backend)),
      index_(index)
{
    hasHat_ = backend_->HasHat(index_);
    RegisterInput(U"MENU", kJoyCodeMenu, kMenuColor);
    RegisterInput(U"LEFT", kJoyCodeLeft);
    RegisterInput(U"UP", kJoyCodeUp);
    RegisterInput(U"RIGHT", kJoyCodeRight);
    RegisterInput(U"DOWN", kJoyCodeDown);
    for (int b = 0; b < kJoyButtonCount; ++b) {
        String name = b < static_cast<int>(kNamedButtons.size()) ? String(kNamedButtons[b])
                                                                  : U"BUTTON " + Decimal(b + 1);
        RegisterInput(name, kJoyCodeButton1 + b);
    }
    for (int axis = 2; axis < kJoyAxisCount; ++axis) {
        RegisterInput(U"AXIS " + Decimal(axis) + U" DEC.", kJoyCodeAxisBase + 2 * axis);
        RegisterInput(U"AXIS " + Decimal(axis) + U" INC.", kJoyCodeAxisBase + 2 * axis + 1);
    }
}

Ref<InputHardwareJoystick> InputHardwareJoystick::New(Ref<JoystickBackend> backend, int index)
{
    if (!backend || !backend->Open(index)) return nullptr;
    return Ref<InputHardwareJoystick>(new InputHardwareJoystick(std::move(backend), index));
}

void InputHardwareJoystick::UpdateState(int state, bool held)
{
    hit_[state] = held && !down_[state];
    down_[state] = held;
}

void InputHardwareJoystick::DeviceUpdate()
{
    hatAngle_ = -1;
    same::GLFW_Update_Joystick(*backend_, index_);

    bool attached = backend_->IsAttached(index_);
    int axisCount = attached ? backend_->NumAxes(index_) : 0;
    for (int k = 0; k < kJoyAxisCount; ++k) {
        axes_[k] = k < axisCount ? backend_->GetAxis(index_, k) : 0.0f;
        UpdateState(2 * k, axes_[k] <= -kJoyAxisThreshold);
        UpdateState(2 * k + 1, axes_[k] >= kJoyAxisThreshold);
    }

    if (attached && hasHat_) hatAngle_ = backend_->GetHatAngle(index_);
    int a = hatAngle_;
    UpdateState(kHatLeft, a >= 0 && HatLeft(a));
    UpdateState(kHatRight, a >= 0 && HatRight(a));
    UpdateState(kHatUp, a >= 0 && HatUp(a));
    UpdateState(kHatDown, a >= 0 && HatDown(a));
}

bool InputHardwareJoystick::DirectionState(int code,
                                           const std::array<bool, kStateCount>& states) const
{
    // Stick states of LEFT, UP, RIGHT, DOWN (axis 0 negative, axis 1 negative, axis 0
    // positive, axis 1 positive) and the matching hat states.
    static constexpr std::array<int, 4> kStick{0, 2, 1, 3};
    static constexpr std::array<int, 4> kHat{kHatLeft, kHatUp, kHatRight, kHatDown};
    int d = code - kJoyCodeLeft;
    int flags = GetHardwareFlags();
    bool stick = states[kStick[d]];
    if (flags == kMoveFlagsStick || !hasHat_) return stick;
    bool hat = states[kHat[d]];
    return flags == kMoveFlagsHatOnly ? hat : hat || stick;
}

bool InputHardwareJoystick::WasInputHit(int code) const
{
    if (code >= kJoyCodeLeft && code <= kJoyCodeDown) return DirectionState(code, hit_);
    if (code >= kJoyCodeButton1 && code < kJoyCodeButton1 + kJoyButtonCount) {
        return same::RawJoyButtonHit(index_, code - kJoyCodeButton1);
    }
    return false;
}

bool InputHardwareJoystick::IsInputDown(int code) const
{
    if (code >= kJoyCodeLeft && code <= kJoyCodeDown) return DirectionState(code, down_);
    if (code >= kJoyCodeButton1 && code < kJoyCodeButton1 + kJoyButtonCount) {
        return same::RawJoyButtonDown(index_, code - kJoyCodeButton1);
    }
    return false;
}

namespace {

// Movement direction (0 left, 1 right, 2 up, 3 down) to its joystick code.
int MovementCode(int direction)
{
    static constexpr std::array<int, 4> kCodes{kJoyCodeLeft, kJoyCodeRight, kJoyCodeUp,
                                               kJoyCodeDown};
    return kCodes[std::clamp(direction, kMoveLeft, kMoveDown)];
}

}  // namespace

bool InputHardwareJoystick::GetMovementHit(int direction) const
{
    return WasInputHit(MovementCode(direction));
}

bool InputHardwareJoystick::GetMovementPressed(int direction) const
{
    return IsInputDown(MovementCode(direction));
}

}  // namespace zelka
