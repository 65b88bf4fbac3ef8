#include "screens/menus/JoystickConfigMenu.h"

#include "engine/text/Font.h"
#include "engine/text/TextConstants.h"
#include "services/config/PlayerConfig.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "screens/app/DeviceIcon.h"
#include "screens/app/ZELKA.h"
#include "screens/menus/MenuConstants.h"

#include <string>

namespace zelka {

namespace {

constexpr float kMenuWidth = 240.0f;  // px
constexpr float kMenuHeight = 260.0f;
constexpr float kTitleY = -114.0f;
constexpr float kDeviceY = -70.0f;
constexpr float kMovementY = -40.0f;
constexpr std::array<float, 3> kKeyRowY{-16.0f, 8.0f, 32.0f};
constexpr std::array<const char32_t*, 3> kKeyRowNames{U"ACCEPT / USE ITEM", U"CANCEL / NEXT ITEM",
                                                      U"START / PAUSE"};
constexpr float kDefaultsY = 94.0f;
constexpr float kDefaultsWidth = 220.0f;
constexpr float kDefaultsHeight = 22.0f;
constexpr float kDefaultsScaleX = 0.5f;
constexpr int kDefaultsGrey = 200;
constexpr float kExitX = 70.0f;
constexpr float kExitY = 114.0f;
constexpr float kExitWidth = 80.0f;

constexpr int kSchemeConflictMs = 1000;
constexpr int kSchemeChangedMs = 800;
constexpr int kResetOkMs = 500;

const String kNoneValue = U"< NONE >";

// Scheme shown is the current one: gold; another one, not yet committed: white.
void TintMovement(Label& value, bool current)
{
    if (current) {
        value.tint.Set(255, 204, 0);  // gold
    } else {
        value.tint.Set(255, 255, 255);  // white
    }
}

}  // namespace

JoystickConfigMenu::JoystickConfigMenu() : ConfigurableMenu(kMenuWidth, kMenuHeight)
{
    tint.Set(0, 0, 0);
    inputActive = false;
}

Ref<JoystickConfigMenu> JoystickConfigMenu::New(Ref<PlayerData> player)
{
    auto menu = std::make_shared<JoystickConfigMenu>();
    SetupConfigurable(*menu, player);
    JoystickConfigMenu& m = *menu;
    m.other_ = GameData::GetPlayer(m.PlayerNumber() == 1 ? 2 : 1);

    const String number = FromLatin1(std::to_string(m.PlayerNumber()));
    const Ref<Label> title = m.CreateLabelForOption(U"PLAYER " + number + U" CONFIG",
                                                    kAlignCentre, 0.0f);
    if (player) {
        title->tint = player->color;
    }
    m.AddChild2(title, 0.0f, kTitleY);

    m.AddOption(NewPlayerDeviceIcon(player.get()), 0.0f, kDeviceY);
    m.movement_ = ConfigurableOption::New(U"MOVEMENT", U"NONE");
    m.AddOption(m.movement_, 0.0f, kMovementY);
    for (size_t i = 0; i < m.keys_.size(); ++i) {
        m.keys_[i] = ConfigurableOption::New(kKeyRowNames[i], U"NONE");
        m.AddOption(m.keys_[i], 0.0f, kKeyRowY[i]);
    }
    const Ref<Label> defaults = Label::New(GameData::secFont, 1.0f);
    defaults->SetStyle(kLabelSingleLine);
    defaults->horizontalAlignment = kAlignStart;
    defaults->SetFontScale(kDefaultsScaleX, 1.0f);
    defaults->SetSize(kDefaultsWidth, kDefaultsHeight);
    defaults->tint.Set(kDefaultsGrey, kDefaultsGrey, kDefaultsGrey);
    defaults->SetText(U"DEFAULT SETTINGS");
    m.AddOption(defaults, 0.0f, kDefaultsY);
    m.AddOption(CreateExitLabel(kExitWidth), kExitX, kExitY);

    if (player && player->GetInputMapping()) {
        m.RefreshInputDeviceForPlayer();
    }
    m.MoveCursorToOption(kRowDevice);
    return menu;
}

int JoystickConfigMenu::PlayerNumber() const
{
    return owner_ ? owner_->GetPlayerNumber() : 1;
}

bool JoystickConfigMenu::InCaptureMode() const
{
    return OverMsgVisible() && OverMsgTimeout() == kOverMsgCapture;
}

void JoystickConfigMenu::RefreshInputDeviceForPlayer()
{
    ReplaceOption(kRowDevice, NewPlayerDeviceIcon(owner_.get()));
    UpdateInputKeysWithCurrentConfig();
}

void JoystickConfigMenu::UpdateInputKeysWithCurrentConfig()
{
    const InputMapping* mapping = owner_ ? owner_->GetInputMapping().get() : nullptr;
    UpdateMovementSchemeSelectionTo(mapping != nullptr ? mapping->GetDirMapping() : 0);
    for (size_t i = 0; i < keys_.size(); ++i) {
        const String name =
            mapping != nullptr ? GetKeyPrettyName(mapping->GetKey(static_cast<int>(i))) : String();
        keys_[i]->GetValueLabel()->SetText(mapping != nullptr ? name : kNoneValue);
    }
}

void JoystickConfigMenu::UpdateMovementSchemeSelectionTo(int index)
{
    displayedScheme_ = index;
    const InputMapping* mapping = owner_ ? owner_->GetInputMapping().get() : nullptr;
    Label& value = *movement_->GetValueLabel();
    if (mapping == nullptr) {
        value.SetText(U"< UNDEFINED >");
        TintMovement(value, true);
        return;
    }
    value.SetText(mapping->GetDirMappingName(index));
    TintMovement(value, index == mapping->GetDirMapping());
}

String JoystickConfigMenu::GetKeyPrettyName(const String& inputName) const
{
    if (!owner_ || !owner_->GetInputMapping()) {
        return {};
    }
    const Ref<InputHardware>& device = owner_->GetInputMapping()->GetHardware();
    const Ref<InputEntry> entry = device ? device->SearchInputByName(inputName) : nullptr;
    if (!entry) {
        return inputName;
    }
    if (const auto& color = entry->GetColor()) {
        return Font::FT_Color(color->r, color->g, color->b) + entry->GetName();
    }
    return entry->GetName();
}

void JoystickConfigMenu::Reset()
{
    MoveCursorToOption(kRowDevice);
    CloseOverMsg();
}

void JoystickConfigMenu::Update(int ms)
{
    if (!enabled) {
        return;
    }
    GDO::Update(ms);
    const Ref<GDO> device = GetOption(kRowDevice);
    if (!owner_ || !owner_->GetInputMapping()) {
        // Not reached from the screens: they open a controls menu only for a player who
        // has a device.
        if (device) {
            device->visible = false;
        }
        if (!OverMsgVisible()) {
            ShowOverMsg(U"PRESS ANY KEY", kOverMsgCapture, true);
        }
        if (GetSelectedOption() != kRowDevice) {
            MoveCursorToOption(kRowDevice);
        }
        return;
    }
    if (device) {
        device->visible = true;
    }
    if (InCaptureMode()) {
        UpdateCapture();
    } else if (!OverMsgVisible()) {
        UpdateBrowsing();
    }
}

void JoystickConfigMenu::UpdateCapture()
{
    if (GameData::GlobalCancelPressed()) {
        CloseOverMsg();
        return;
    }
    const int row = GetSelectedOption();
    const Ref<InputMapping>& mapping = owner_->GetInputMapping();
    const InputMapping* otherMapping = other_ ? other_->GetInputMapping().get() : nullptr;
    if (row == kRowDevice) {
        const String device = GameData::GetAnyKeyFromAnyHardware(otherMapping);
        if (!device.empty() && GameData::SetNewInputDeviceForPlayer(PlayerNumber(), device)) {
            CloseOverMsg();
            // Event 1010 does this too, but events are lost while a transition mutes them.
            RefreshInputDeviceForPlayer();
        }
        return;
    }
    if (row < kRowAccept || row > kRowStart || !mapping->GetHardware()) {
        return;
    }
    const String key = mapping->GetHardware()->GetAnyInput();
    if (key.empty()) {
        return;
    }
    if (otherMapping != nullptr && mapping->CheckIfEqualHardware(otherMapping) &&
        otherMapping->KeyInCurrentMapping(key) >= 0) {
        return;  // the other player's key on the shared device: keep waiting
    }
    if (GameData::SafeInputSet(PlayerNumber(), row - kRowAccept, key)) {
        UpdateInputKeysWithCurrentConfig();
        CloseOverMsg();
    }
}

bool JoystickConfigMenu::JumpToHitKeyRow()
{
    const int row = GetSelectedOption();
    const InputMapping& mapping = *owner_->GetInputMapping();
    const bool onKeyRow = row >= kRowAccept && row <= kRowStart;
    const bool onCommittedMovement =
        row == kRowMovement && displayedScheme_ == mapping.GetDirMapping();
    if (!onKeyRow && !onCommittedMovement) {
        return false;
    }
    for (int action = kActionAccept; action < kActionKeyCount; ++action) {
        if (mapping.InputHit(action)) {
            MoveCursorToOption(kRowAccept + action);
            return true;
        }
    }
    return false;
}

void JoystickConfigMenu::UpdateBrowsing()
{
    if (JumpToHitKeyRow()) {
        return;
    }
    const InputMapping& mapping = *owner_->GetInputMapping();
    if (mapping.InputHit(kActionLeft)) {
        ChangeOptionValue(GetSelectedOption(), -1);
    } else if (mapping.InputHit(kActionRight)) {
        ChangeOptionValue(GetSelectedOption(), 1);
    } else {
        MenuWithOptions::UpdateInput();
    }
}

bool JoystickConfigMenu::ShowArrowsForOption(int index)
{
    return index >= kRowDevice && index <= kRowStart;
}

void JoystickConfigMenu::ChangeOptionValue(int index, int delta)
{
    if (index == kRowDevice || (index >= kRowAccept && index <= kRowStart)) {
        ShowOverMsg(U"PRESS ANY KEY...", kOverMsgCapture, true);
        return;
    }
    if (index != kRowMovement || !owner_ || !owner_->GetInputMapping()) {
        return;
    }
    const int count = owner_->GetInputMapping()->GetDirMappingCount();
    if (count == 0) {
        return;
    }
    int next = displayedScheme_ + delta;
    if (next < 0) {
        next = count - 1;
    } else if (next >= count) {
        next = 0;
    }
    UpdateMovementSchemeSelectionTo(next);
}

int JoystickConfigMenu::CheckBeforeOptionChange(int from, int to)
{
    if (from != kRowMovement || to == kRowMovement || !owner_ || !owner_->GetInputMapping()) {
        return 0;
    }
    if (displayedScheme_ == owner_->GetInputMapping()->GetDirMapping()) {
        return 0;
    }
    if (!GameData::SafeMoveSchemeSet(PlayerNumber(), displayedScheme_)) {
        ShowOverMsg(Font::FT_Color(255, 108, 0) /* orange */ + U"SCHEME CONFLICT!",
                    kSchemeConflictMs, false);
        return 1;
    }
    UpdateInputKeysWithCurrentConfig();
    ShowOverMsg(Font::FT_Color(120, 120, 120) /* grey */ + U"SCHEME CHANGED!", kSchemeChangedMs,
                false);
    return 0;
}

void JoystickConfigMenu::OkPressed(int index)
{
    if (index == kRowDefaults && owner_) {
        owner_->ResetCurrentInputMapping(GameData::Is2PMode());
        ZELKA::NotifyPlayerInputMode(PlayerNumber());
        const Ref<PlayerData>& p1 = GameData::player1;
        const Ref<PlayerData>& p2 = GameData::player2;
        if (p1 && p2 && p1->GetInputMapping() &&
            p1->GetInputMapping()->CheckMappingConflict(p2->GetInputMapping().get(), -1) &&
            other_) {
            other_->ResetCurrentInputMapping(GameData::Is2PMode());
            ZELKA::NotifyPlayerInputMode(other_->GetPlayerNumber());
        }
        UpdateInputKeysWithCurrentConfig();
        ShowOverMsg(Font::FT_Color(120, 120, 120) /* grey */ + U"RESET OK!", kResetOkMs, false);
    } else if (index == kRowExit) {
        playerconfig::SaveGameSettings();
        CloseEnclosingPanel();
    }
}

void JoystickConfigMenu::CancelPressed(int /*index*/, bool /*byEscape*/)
{
    if (!OverMsgVisible()) {
        CloseEnclosingPanel();  // keeps the changes in memory; only EXIT writes the file
    }
}

}  // namespace zelka
