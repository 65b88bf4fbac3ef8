#pragma once

#include "platform/core/Ref.h"

namespace zelka {

class GDO;
class InputHardware;
class PlayerData;

// The icon of an input device for toasts: a 200 x 32 node holding the device picture of
// "inputicons.png" (keyboard, or any other device) and the device's name in grey; without
// a device only "NO DEVICE", centred. Without the game's fonts only the empty 200 x 32 node.
[[nodiscard]] Ref<GDO> NewDeviceIcon(const InputHardware* device);
// The icon of the player's device, or the "NO DEVICE" icon (also for a null player).
[[nodiscard]] Ref<GDO> NewPlayerDeviceIcon(const PlayerData* player);

}  // namespace zelka
