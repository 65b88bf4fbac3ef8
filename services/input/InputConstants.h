#pragma once

#include "platform/input/JoystickBackend.h"

// The game has four direction orders; each has its own names here so a call site never
// passes one order's number where another is meant:
//   match and sprite sequences: services/roster/CharProfile.h (0 right, 1 left, 2 up, 3 down)
//   joystick movement queries:  kMove* below              (0 left, 1 right, 2 up, 3 down)
//   movement scheme slots:      kSlot* below              (0 up, 1 down, 2 left, 3 right)
//   mapping actions:            kAction* below            (3 up, 4 down, 5 left, 6 right)
namespace zelka {

// Actions of an InputMapping.
inline constexpr int kActionAccept = 0;  // accept / use item
inline constexpr int kActionCancel = 1;  // cancel / next item
inline constexpr int kActionStart = 2;   // start / pause
inline constexpr int kActionUp = 3;
inline constexpr int kActionDown = 4;
inline constexpr int kActionLeft = 5;
inline constexpr int kActionRight = 6;
inline constexpr int kActionCount = 7;
inline constexpr int kActionKeyCount = 3;  // actions 0-2 are the mapping's own keys

// Slots of a movement scheme (DirSchemeMapping); action = kActionUp + slot.
inline constexpr int kSlotUp = 0;
inline constexpr int kSlotDown = 1;
inline constexpr int kSlotLeft = 2;
inline constexpr int kSlotRight = 3;
inline constexpr int kSchemeSlotCount = 4;

// Movement flags of a scheme (stored on the device for joysticks).
inline constexpr int kMoveFlagsStick = 0;
inline constexpr int kMoveFlagsStickAndHat = 1;
inline constexpr int kMoveFlagsHatOnly = 2;

// Directions of InputHardwareJoystick::GetMovementHit / GetMovementPressed.
inline constexpr int kMoveLeft = 0;
inline constexpr int kMoveRight = 1;
inline constexpr int kMoveUp = 2;
inline constexpr int kMoveDown = 3;

// Joystick input codes.
inline constexpr int kJoyCodeLeft = 8;
inline constexpr int kJoyCodeUp = 9;
inline constexpr int kJoyCodeRight = 10;
inline constexpr int kJoyCodeDown = 11;
inline constexpr int kJoyCodeMenu = 14;
inline constexpr int kJoyCodeButton1 = 100000;     // buttons 1-32: 100000-100031
inline constexpr int kJoyCodeAxisBase = 100032;    // + direction state: axes 2-7 use 100036-100047
inline constexpr float kJoyAxisThreshold = 0.5f;   // |position| at which a stick direction counts

}  // namespace zelka
