#include "screens/menus/JoystickConfigMenu.h"

#include "platform/input/sdl/SdlJoystickBackend.h"
#include "platform/input/sdl/SdlVirtualPad.h"
#include "screens/app/AppConstants.h"
#include "screens/app/PlayerEventData.h"
#include "screens/menus/JoystickConfigPanel.h"
#include "screens/menus/MenuConstants.h"
#include "tests/screens/MenuSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace zelka {
namespace {

// Any node below `node` named `name` with that value.
bool HasNode(const XMLNode& node, const String& name, const String& value)
{
    for (const Ref<XMLNode>& child : node.children) {
        if ((child->name == name && child->value == value) || HasNode(*child, name, value)) {
            return true;
        }
    }
    return false;
}

// Any label below `node` whose text ends with `tail`.
bool ShowsText(const GDO& node, const String& tail)
{
    for (int i = 0; i < node.ChildCount(); ++i) {
        const Ref<GDO> child = node.GetChild(i);
        const auto* label = dynamic_cast<const Label*>(child.get());
        if ((label != nullptr && EndsWith(label->GetText(), tail)) || ShowsText(*child, tail)) {
            return true;
        }
    }
    return false;
}

// The three keys stored for `player`'s keyboard in the settings file, in slot order.
std::vector<String> StoredKeyboardKeys(XMLNode& tree, const char32_t* player)
{
    std::vector<String> keys;
    const Ref<XMLNode> input =
        tree.GetChild2(U"mapping", U"player", player)->GetChild2(U"input", U"device", U"keyboard");
    for (const Ref<XMLNode>& key : input->GetChild2(U"buttons")->GetChild2(U"map")->GetChildren(U"key")) {
        keys.push_back(key->value);
    }
    return keys;
}

}  // namespace

class JoystickConfigMenuTest : public MenuFixture {
protected:
    // Both players on the keyboard in a two-player mode: the clash resets them apart
    // (player 1 W A S D with SPACE, CTRL, ENTER; player 2 the arrows with INS, DEL,
    // BACKSPACE).
    void ShareTheKeyboard()
    {
        GameData::SetGameMode(1);
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
        ASSERT_EQ(GameData::player1->GetInputMapping()->GetKey(kActionRight), U"D");
        ASSERT_EQ(GameData::player2->GetInputMapping()->GetKey(kActionAccept), U"INS");
    }

    // Player 1's menu inside its open panel.
    JoystickConfigMenu& OpenP1()
    {
        panel = JoystickConfigPanel::New();
        panel->Open(true, false, 0);
        return *panel->GetMenu(1);
    }

    void Tap(int code) { Press(code, [&] { panel->Update(16); }); }
    void Wait(int updates)
    {
        for (int i = 0; i < updates; ++i) Idle([&] { panel->Update(16); });
    }
    const String& KeyValue(JoystickConfigMenu& menu, int key)
    {
        return menu.GetKeyRow(key)->GetValueLabel()->GetText();
    }

    Ref<JoystickConfigPanel> panel;
};

TEST_F(JoystickConfigMenuTest, ActionKeyOnAKeyRowJumpsToItsRowAndArrowsStartTheCapture)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));  // arrows, SPACE ...
    JoystickConfigMenu& menu = OpenP1();
    EXPECT_EQ(KeyValue(menu, 0), U"SPACE");
    menu.MoveCursorToOption(JoystickConfigMenu::kRowStart);
    Tap(kKeySpace);  // accept
    EXPECT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowAccept);
    Tap(kKeyControl);  // cancel: a jump too, the panel stays
    EXPECT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowCancel);
    EXPECT_TRUE(panel->IsVisible());
    EXPECT_FALSE(menu.OverMsgVisible());

    menu.MoveCursorToOption(JoystickConfigMenu::kRowMovement);  // scheme committed: jumps
    Tap(kKeyEnter);
    EXPECT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowStart);

    Tap(kKeyRight);
    EXPECT_TRUE(menu.InCaptureMode());
    Tap(kKeyEscape);  // leaves capture, binds nothing
    Wait(30);
    EXPECT_FALSE(menu.OverMsgVisible());
    EXPECT_EQ(GameData::player1->GetInputMapping()->GetKey(kActionStart), U"ENTER");
}

// The message folds away over 300 ms after a key is bound, after Escape and after a device
// is chosen; a key in that time binds nothing and moves nothing.
TEST_F(JoystickConfigMenuTest, CaptureEndsTheMomentItsMessageStartsToFold)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));  // arrows, SPACE, CTRL, ENTER
    JoystickConfigMenu& menu = OpenP1();
    const InputMapping* mapping = GameData::player1->GetInputMapping().get();
    const auto keys = [&] {
        return std::vector{mapping->GetKey(kActionAccept), mapping->GetKey(kActionCancel),
                           mapping->GetKey(kActionStart)};
    };
    Tap(kKeyDown);
    Tap(kKeyDown);
    ASSERT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowAccept);

    Tap(kKeyRight);
    ASSERT_TRUE(menu.InCaptureMode());
    Tap(kKeyQ);
    EXPECT_FALSE(menu.InCaptureMode());
    Wait(5);             // 96 ms after the bind, still folding
    ASSERT_TRUE(menu.OverMsgVisible());
    Tap(kKeyControl);    // player 1's cancel, once taken as the next binding
    Wait(30);
    EXPECT_EQ(keys(), (std::vector<String>{U"Q", U"CTRL", U"ENTER"}));
    EXPECT_EQ(KeyValue(menu, 0), U"Q");
    EXPECT_TRUE(panel->IsVisible());  // nor was it a cancel for the menu

    Tap(kKeyRight);
    ASSERT_TRUE(menu.InCaptureMode());
    Tap(kKeyEscape);
    Wait(10);            // 176 ms after Escape
    ASSERT_TRUE(menu.OverMsgVisible());
    Tap(kKeyW);
    Wait(30);
    EXPECT_EQ(keys(), (std::vector<String>{U"Q", U"CTRL", U"ENTER"}));
    EXPECT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowAccept);

    // The device row: the keyboard chosen again, then a pad's button during the fold.
    Tap(kKeyUp);
    Tap(kKeyUp);
    ASSERT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowDevice);
    Tap(kKeyLeft);
    ASSERT_TRUE(menu.InCaptureMode());
    Tap(kKeyZ);
    ASSERT_TRUE(menu.OverMsgVisible());
    EXPECT_FALSE(menu.InCaptureMode());
    pads_->SetButton(0, 0, true);
    Wait(1);
    pads_->SetButton(0, 0, false);
    Wait(30);
    EXPECT_EQ(GameData::player1->GetInputMapping()->GetHardwareName(), U"KEYBOARD");
    mapping = GameData::player1->GetInputMapping().get();

    // EXIT, reached and pressed with keys, writes what was meant.
    Tap(kKeyUp);         // from the first row up to the last
    ASSERT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowExit);
    Tap(kKeyQ);          // accept is Q now
    Wait(30);
    EXPECT_FALSE(panel->IsVisible());
    const Ref<XMLNode> tree = SettingsFileTree();
    ASSERT_TRUE(tree);
    EXPECT_EQ(StoredKeyboardKeys(*tree, U"1"), (std::vector<String>{U"Q", U"CTRL", U"ENTER"}));
    EXPECT_EQ(keys(), (std::vector<String>{U"Q", U"CTRL", U"ENTER"}));
}

TEST_F(JoystickConfigMenuTest, OnASharedKeyboardCaptureIgnoresTheOtherPlayerAndAClashingSchemeIsRefused)
{
    ShareTheKeyboard();
    JoystickConfigMenu& menu = OpenP1();
    menu.MoveCursorToOption(JoystickConfigMenu::kRowAccept);
    Tap(kKeyD);  // player 1's right
    ASSERT_TRUE(menu.InCaptureMode());
    Tap(kKeyInsert);  // player 2's accept
    Tap(kKeyUp);      // player 2's up
    EXPECT_TRUE(menu.InCaptureMode());
    EXPECT_EQ(GameData::player1->GetInputMapping()->GetKey(kActionAccept), U"SPACE");
    Tap(kKeyQ);
    EXPECT_EQ(GameData::player1->GetInputMapping()->GetKey(kActionAccept), U"Q");
    EXPECT_EQ(KeyValue(menu, 0), U"Q");
    Wait(30);
    EXPECT_FALSE(menu.OverMsgVisible());

    // A scheme that clashes is refused on leaving its row, a free one committed.
    const InputMapping& p1 = *GameData::player1->GetInputMapping();
    const int wasd = p1.GetDirMapping();
    menu.MoveCursorToOption(JoystickConfigMenu::kRowMovement);
    Tap(kKeyA);  // left: the arrows, player 2's
    EXPECT_EQ(menu.GetMovementRow()->GetValueLabel()->tint.b, 255);  // shown, not committed
    Tap(kKeyS);  // down: leaving the row commits
    EXPECT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowMovement);
    EXPECT_TRUE(EndsWith(menu.GetOverMsg()->GetText(), U"SCHEME CONFLICT!"));
    EXPECT_EQ(p1.GetDirMapping(), wasd);
    Wait(59);
    EXPECT_TRUE(menu.OverMsgVisible());  // one second
    Wait(30);
    ASSERT_FALSE(menu.OverMsgVisible());

    Tap(kKeyD);
    Tap(kKeyD);  // past W A S D: E S D F
    Tap(kKeyS);
    EXPECT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowAccept);
    EXPECT_EQ(p1.GetDirMappingName(p1.GetDirMapping()), U"E S D F");
    EXPECT_TRUE(EndsWith(menu.GetOverMsg()->GetText(), U"SCHEME CHANGED!"));
    EXPECT_EQ(menu.GetMovementRow()->GetValueLabel()->tint.b, 0);  // gold: committed
}

TEST_F(JoystickConfigMenuTest, DefaultSettingsResetTheOtherPlayerOnlyWhenTheyClash)
{
    ShareTheKeyboard();
    GameData::player2->GetInputMapping()->SetKey(kActionAccept, U"Q");
    JoystickConfigMenu& menu = OpenP1();
    menu.OkPressed(JoystickConfigMenu::kRowDefaults);  // W A S D again: no clash
    EXPECT_EQ(GameData::player2->GetInputMapping()->GetKey(kActionAccept), U"Q");
    EXPECT_TRUE(EndsWith(menu.GetOverMsg()->GetText(), U"RESET OK!"));

    GameData::SetGameMode(0);  // one player: player 1's defaults are the arrows
    menu.OkPressed(JoystickConfigMenu::kRowDefaults);
    EXPECT_EQ(GameData::player1->GetInputMapping()->GetKey(kActionUp), U"UP");
    EXPECT_EQ(GameData::player2->GetInputMapping()->GetKey(kActionAccept), U"INS");
}

TEST_F(JoystickConfigMenuTest, ExitWritesTheSettingsFileAndCancelDoesNot)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    JoystickConfigMenu& menu = OpenP1();
    ASSERT_TRUE(GameData::SafeInputSet(1, kActionAccept, U"Q"));
    Tap(kKeyControl);  // cancel on the device row closes
    Wait(30);
    EXPECT_FALSE(panel->IsVisible());
    EXPECT_FALSE(std::filesystem::exists("savedata/settings.dat"));

    panel->Open(true, false, 0);
    EXPECT_EQ(menu.GetSelectedOption(), JoystickConfigMenu::kRowDevice);  // reset on closing
    menu.OkPressed(JoystickConfigMenu::kRowExit);
    Wait(30);
    EXPECT_FALSE(panel->IsVisible());
    const Ref<XMLNode> tree = SettingsFileTree();
    ASSERT_TRUE(tree);
    EXPECT_TRUE(HasNode(*tree, U"key", U"Q"));
}

TEST_F(JoystickConfigMenuTest, DeviceChangeEventRefreshesThatPlayersMenu)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    JoystickConfigMenu& menu = OpenP1();
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"JOYSTICK 1"));  // behind its back
    PlayerEventData forP2(GameData::player2);
    EventManager::SendEvent(nullptr, kEventPlayerInputModeChanged, &forP2);
    EXPECT_EQ(KeyValue(menu, 0), U"SPACE");  // another player's change
    PlayerEventData forP1(GameData::player1);
    EventManager::SendEvent(nullptr, kEventPlayerInputModeChanged, &forP1);
    EXPECT_EQ(KeyValue(menu, 0), U"A (BTTN 1)");
    EXPECT_TRUE(ShowsText(*menu.GetOption(JoystickConfigMenu::kRowDevice), U"JOYSTICK 1"));
}

TEST_F(JoystickConfigMenuTest, VirtualPadIsChosenAsTheDeviceAndItsButtonsBound)
{
    const Ref<JoystickBackend> sdl = NewSdlJoystickBackend();
    ASSERT_TRUE(sdl) << "SDL's joystick subsystem did not start";
    SdlVirtualPad pad(2, 12, 1);
    ASSERT_GE(pad.DeviceIndex(), 0) << "SDL refused the virtual pad";
    GameData::SetJoystickBackend(sdl);
    GameData::ResetForTest();  // the pads are enumerated at start
    GameData::Init();
    UseStubFonts();
    const String padName = U"JOYSTICK " + FromLatin1(std::to_string(pad.DeviceIndex() + 1));
    ASSERT_TRUE(GameData::GetInputHardwareByName(padName));
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));

    const auto padTap = [&](const std::function<void(bool)>& press) {
        press(true);
        Wait(1);
        press(false);
    };
    JoystickConfigMenu& menu = OpenP1();
    Tap(kKeyRight);  // capture on the device row
    ASSERT_TRUE(menu.InCaptureMode());
    padTap([&](bool down) { pad.SetButton(0, down); });
    Wait(30);
    ASSERT_EQ(GameData::player1->GetInputMapping()->GetHardwareName(), padName);
    EXPECT_FALSE(menu.OverMsgVisible());
    EXPECT_TRUE(ShowsText(*menu.GetOption(JoystickConfigMenu::kRowDevice), padName));

    menu.MoveCursorToOption(JoystickConfigMenu::kRowAccept);
    padTap([&](bool down) { pad.SetHat(0, down ? kPadHatRight : 0); });  // the pad's right starts the capture
    Wait(1);
    ASSERT_TRUE(menu.InCaptureMode());
    padTap([&](bool down) { pad.SetButton(3, down); });
    EXPECT_EQ(GameData::player1->GetInputMapping()->GetKey(kActionAccept), U"Y (BTTN 4)");
    EXPECT_EQ(KeyValue(menu, 0), U"Y (BTTN 4)");
    GameData::ResetForTest();
    GameData::SetJoystickBackend(nullptr);
}

}  // namespace zelka
