// GameData: the input devices and the guarded changes of the players' devices and keys.
#include "services/data/GameData.h"

#include "platform/input/InputDevice.h"
#include "platform/input/KeyCodes.h"
#include "services/data/GameDataHooks.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"

namespace zelka {

namespace {

constexpr char32_t kSharedDeviceName[] = U"KEYBOARD";  // the one device two players may share

Ref<PlayerData> Other(int player)
{
    return GameData::GetPlayer(player == 1 ? 2 : 1);
}

// Both players have a mapping on devices of the same name.
bool OnSameDevice(const PlayerData& a, const PlayerData& b)
{
    return a.GetInputMapping() && a.GetInputMapping()->CheckIfEqualHardware(b.GetInputMapping().get());
}

// The player has no device any more (its mapping is dropped) and is told so.
void ClearDevice(PlayerData& player)
{
    player.ClearInputMapping();
    GameData::Hooks().NotifyPlayerInputMode(player.GetPlayerNumber());
}

}  // namespace

Ref<PlayerData> GameData::GetPlayer(int player)
{
    if (player == 1) return player1;
    if (player == 2) return player2;
    return nullptr;
}

Ref<InputHardware> GameData::GetInputHardwareByName(const String& name)
{
    for (const Ref<InputHardware>& device : inputHwList) {
        if (device->GetName() == name) return device;
    }
    return nullptr;
}

String GameData::GetAnyKeyFromAnyHardware(const InputMapping* mapping)
{
    for (const Ref<InputHardware>& device : inputHwList) {
        String hit = device->GetAnyInput();
        if (hit.empty()) continue;
        bool own = mapping && mapping->GetHardware() &&
                   mapping->GetHardware()->GetName() == device->GetName();
        if (own && mapping->KeyInCurrentMapping(hit) >= 0) continue;
        return device->GetName();
    }
    return {};
}

bool GameData::GlobalCancelPressed()
{
    return input::KeyHit(kKeyEscape) > 0;
}

bool GameData::CheckInputDeviceClashes()
{
    if (!player1 || !player2 || !player1->GetInputMapping() || !player2->GetInputMapping()) {
        return false;
    }
    return player1->GetInputMapping()->CheckMappingConflict(player2->GetInputMapping().get(), -1);
}

bool GameData::SetNewInputDeviceForPlayer(int player, const String& deviceName)
{
    Ref<PlayerData> self = GetPlayer(player);
    Ref<PlayerData> other = Other(player);
    if (!self || !other) return false;

    Ref<InputHardware> device = GetInputHardwareByName(deviceName);
    if (!device) {
        ClearDevice(*self);
        return true;
    }
    const Ref<InputMapping>& otherMapping = other->GetInputMapping();
    if (!otherMapping || otherMapping->GetHardwareName() != deviceName) {
        self->SetInputHardware(device);
        Hooks().NotifyPlayerInputMode(player);
        return true;
    }
    if (deviceName != kSharedDeviceName) return false;  // a pad is never shared

    self->SetInputHardware(device);
    if (!self->GetInputMapping()->CheckMappingConflict(otherMapping.get(), -1)) {
        Hooks().NotifyPlayerInputMode(player);
        return true;
    }
    ResetDeviceSettings(player);
    ResetDeviceSettings(other->GetPlayerNumber());
    Hooks().RaiseCfgConflictPanel();
    return true;
}

bool GameData::ResetDeviceSettings(int player)
{
    Ref<PlayerData> self = GetPlayer(player);
    if (!self) return false;
    self->ResetCurrentInputMapping(Is2PMode());
    Hooks().NotifyPlayerInputMode(player);  // the icon toast and event 1010, once
    return true;
}

bool GameData::SafeInputSet(int player, int slot, const String& inputName)
{
    Ref<PlayerData> self = GetPlayer(player);
    Ref<PlayerData> other = Other(player);
    if (!self || !other || !self->GetInputMapping()) return false;

    if (OnSameDevice(*self, *other) &&
        other->GetInputMapping()->KeyInCurrentMapping(inputName) >= 0) {
        // In a one-player mode player 2 makes way, but player 2 cannot make way for
        // itself: clearing its own device would leave nothing to change.
        if (Is2PMode() || player == 2) return false;
        ClearDevice(*player2);
    }
    self->GetInputMapping()->SetKey(slot, inputName);
    self->StoreCurrentInputMapping();
    return true;
}

bool GameData::SafeMoveSchemeSet(int player, int schemeIndex)
{
    Ref<PlayerData> self = GetPlayer(player);
    Ref<PlayerData> other = Other(player);
    if (!self || !other || !self->GetInputMapping()) return false;
    InputMapping& mapping = *self->GetInputMapping();

    // The caller's own clash is checked first, so a refused request never costs player 2
    // its device.
    if (mapping.CheckSelfConflictAgainstDirScheme(schemeIndex)) return false;
    if (OnSameDevice(*self, *other) &&
        other->GetInputMapping()->CheckMappingConflict(&mapping, schemeIndex)) {
        if (Is2PMode() || player == 2) return false;
        ClearDevice(*player2);
    }
    if (!mapping.SetDirMapping(schemeIndex)) return false;
    self->StoreCurrentInputMapping();
    return true;
}

}  // namespace zelka
