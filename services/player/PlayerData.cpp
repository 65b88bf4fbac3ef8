#include "services/player/PlayerData.h"

#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/roster/CharProfile.h"
#include "services/xml/XMLNode.h"

#include <array>

namespace zelka {

namespace {

int& PlayerCounter()
{
    static int counter = 0;
    return counter;
}

struct SchemeRow {
    const char32_t* name;
    const char32_t* up;
    const char32_t* down;
    const char32_t* left;
    const char32_t* right;
    int flags;
};

// The keyboard's arrow scheme is named by four arrow-like characters; the controls menu's
// fonts draw them as the four arrows.
constexpr char32_t kArrowSchemeName[] = U"\u2020 \u2039 \u2021 \u203A";

constexpr std::array kKeyboardSchemes{
    SchemeRow{kArrowSchemeName, U"UP", U"DOWN", U"LEFT", U"RIGHT", kMoveFlagsStick},
    SchemeRow{U"W A S D", U"W", U"S", U"A", U"D", kMoveFlagsStick},
    SchemeRow{U"E S D F", U"E", U"D", U"S", U"F", kMoveFlagsStick},
    SchemeRow{U"I J K L", U"I", U"K", U"J", U"L", kMoveFlagsStick},
};

constexpr std::array kJoystickSchemes{
    SchemeRow{U"X,Y", U"UP", U"DOWN", U"LEFT", U"RIGHT", kMoveFlagsStick},
    SchemeRow{U"X,Y + POV", U"UP", U"DOWN", U"LEFT", U"RIGHT", kMoveFlagsStickAndHat},
    SchemeRow{U"POV-ONLY", U"UP", U"DOWN", U"LEFT", U"RIGHT", kMoveFlagsHatOnly},
};

template <size_t N>
void AddSchemes(InputMapping& mapping, const std::array<SchemeRow, N>& rows)
{
    for (const SchemeRow& row : rows) {
        mapping.AddNewDirMapping(row.name, row.up, row.left, row.down, row.right, row.flags);
    }
}

void ApplyDefaults(InputMapping& mapping, const char32_t* scheme,
                   const std::array<const char32_t*, kActionKeyCount>& keys)
{
    mapping.SetDirMappingByName(scheme);
    for (int slot = 0; slot < kActionKeyCount; ++slot) mapping.SetKey(slot, keys[slot]);
}

}  // namespace

Ref<PlayerData> PlayerData::New()
{
    auto player = std::make_shared<PlayerData>();
    player->number_ = ++PlayerCounter();
    return player;
}

void PlayerData::ResetPlayerCounter()
{
    PlayerCounter() = 0;
}

void PlayerData::ResetScore()
{
    score = 0;
    gems = 0;
    treasures = 0;
    chests = 0;
    raceValue = 0;
}

void PlayerData::SetInputHardware(const Ref<InputHardware>& device)
{
    if (!device) return;
    auto stored = storedControls.find(device->GetDeviceType());
    if (mapping_) mapping_->SetHardware(device);
    else mapping_ = InputMapping::New(device);

    if (device->GetDeviceType() == kDeviceTypeKeyboard) AddSchemes(*mapping_, kKeyboardSchemes);
    else if (device->GetDeviceType() == kDeviceTypeJoystick) AddSchemes(*mapping_, kJoystickSchemes);

    if (stored == storedControls.end()) {
        ResetCurrentInputMapping(false);
        return;
    }
    mapping_->FromXMLConfig(stored->second);
    // A stored entry that lost an action key (hand-edited or written by an old version)
    // would leave the player without accept or start: fall back to the defaults.
    if (!mapping_->HasCompleteActionKeys()) ResetCurrentInputMapping(false);
}

void PlayerData::ResetCurrentInputMapping(bool twoPlayer)
{
    if (!mapping_) return;
    String type = mapping_->GetDeviceType();
    if (type == kDeviceTypeKeyboard) {
        if (number_ == 2) {
            ApplyDefaults(*mapping_, kArrowSchemeName, {U"INS", U"DEL", U"BACKSPACE"});
        } else {
            ApplyDefaults(*mapping_, twoPlayer ? U"W A S D" : kArrowSchemeName,
                          {U"SPACE", U"CTRL", U"ENTER"});
        }
    } else if (type == kDeviceTypeJoystick) {
        ApplyDefaults(*mapping_, U"X,Y + POV", {U"A (BTTN 1)", U"B (BTTN 2)", U"START (8)"});
    }
    StoreCurrentInputMapping();
}

void PlayerData::StoreCurrentInputMapping()
{
    if (!mapping_) return;
    storedControls[mapping_->GetDeviceType()] = mapping_->ToXMLConfig();
}

}  // namespace zelka
