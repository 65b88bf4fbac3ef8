#include "services/data/GameData.h"

#include "GameDataFixture.h"
#include "platform/input/KeyCodes.h"
#include "services/input/InputConstants.h"
#include "services/input/InputHardware.h"
#include "services/mapping/BothPlayersInput.h"
#include "services/mapping/InputMapping.h"
#include "services/xml/XMLNode.h"

namespace zelka {
namespace {

const String kArrows = U"\u2020 \u2039 \u2021 \u203A";

class GameDataInputTest : public GameDataFixture {
protected:
    void SetUp() override
    {
        GameDataFixture::SetUp();
        GameData::Init();
    }

    // Both players on the keyboard with the two-player defaults, then `mode`; hooks cleared.
    void BothOnKeyboard(int mode)
    {
        GameData::SetGameMode(1);
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
        GameData::ResetDeviceSettings(1);
        GameData::ResetDeviceSettings(2);
        ASSERT_FALSE(GameData::CheckInputDeviceClashes());
        GameData::SetGameMode(mode);
        hooks_ = RecordingHooks{};
    }

    InputMapping& Mapping(int player) { return *GameData::GetPlayer(player)->GetInputMapping(); }
    String Scheme(int player) { return Mapping(player).GetDirMappingName(Mapping(player).GetDirMapping()); }
    String Stored(int player) { return Mapping(player).ToXMLConfig()->ToString(); }
};

TEST_F(GameDataInputTest, KeyboardClashResetsBothAndRaisesThePanelOnce)
{
    GameData::SetGameMode(1);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    EXPECT_EQ(Scheme(1), kArrows);  // a new device gets the plain defaults

    // Player 2's defaults use the arrows too: both are reset for two players.
    EXPECT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
    EXPECT_EQ(hooks_.conflictPanels, 1);
    // One notice (one event 1010) per change or reset, the asking player first.
    EXPECT_EQ(hooks_.notices, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(std::pair(Scheme(1), Mapping(2).GetKey(kActionAccept)), std::pair(String(U"W A S D"), String(U"INS")));
    EXPECT_FALSE(GameData::CheckInputDeviceClashes());
}

TEST_F(GameDataInputTest, PadsAreNeverSharedAndNeverClash)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"JOYSTICK 1"));
    hooks_ = RecordingHooks{};
    EXPECT_FALSE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 1"));
    EXPECT_FALSE(GameData::GetPlayer(2)->GetInputMapping() || !hooks_.notices.empty());

    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 3"));
    EXPECT_EQ(Mapping(2).GetKey(kActionStart), U"START (8)");
    EXPECT_FALSE(GameData::CheckInputDeviceClashes());  // identical keys, different pads
    // The scheme's stick and hat flags reach the pad.
    EXPECT_EQ(Mapping(2).GetHardware()->GetHardwareFlags(), kMoveFlagsStickAndHat);
    EXPECT_TRUE(GameData::SafeMoveSchemeSet(2, 2));
    EXPECT_EQ(Mapping(2).GetHardware()->GetHardwareFlags(), kMoveFlagsHatOnly);

    // An unknown device leaves the player without one, and then nothing can be changed.
    EXPECT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U""));
    EXPECT_EQ(std::pair(!GameData::GetPlayer(1)->GetInputMapping(), hooks_.notified[1]), std::pair(true, 1));
    EXPECT_FALSE(GameData::SafeInputSet(1, 0, U"Q") || GameData::SafeMoveSchemeSet(1, 1));
}

TEST_F(GameDataInputTest, TwoPlayerModeRefusesWhatTheOtherHolds)
{
    BothOnKeyboard(1);
    EXPECT_FALSE(GameData::SafeInputSet(2, 0, U"SPACE"));
    EXPECT_EQ(Mapping(2).GetKey(kActionAccept), U"INS");
    EXPECT_TRUE(GameData::SafeInputSet(2, 0, U"Q"));
    EXPECT_EQ(GameData::GetPlayer(2)->storedControls[U"keyboard"]->ToString(), Stored(2));

    EXPECT_FALSE(GameData::SafeMoveSchemeSet(2, 1));  // W A S D, player 1's
    EXPECT_FALSE(GameData::SafeMoveSchemeSet(2, 2));  // E S D F shares S and D
    EXPECT_EQ(Scheme(2), kArrows);
    EXPECT_TRUE(GameData::SafeMoveSchemeSet(2, 3));   // I J K L shares nothing
    EXPECT_EQ(Scheme(2), U"I J K L");
    EXPECT_TRUE(hooks_.notices.empty());
}

// In a one-player mode player 2 makes way for player 1, never the other way round, and a
// refused request costs nobody anything.
TEST_F(GameDataInputTest, OnePlayerModeClearsPlayerTwoOnlyForAGrantedChange)
{
    BothOnKeyboard(0);
    const String before = Stored(2);
    EXPECT_FALSE(GameData::SafeInputSet(2, 0, U"SPACE") || GameData::SafeMoveSchemeSet(2, 1));  // player 1's
    EXPECT_EQ(Stored(2), before);

    // Player 1's own UP clashes with the arrows: refused before player 2 is asked.
    Mapping(1).SetKey(kActionAccept, U"UP");
    EXPECT_FALSE(GameData::SafeMoveSchemeSet(1, 0));
    EXPECT_EQ(Scheme(1), U"W A S D");
    ASSERT_TRUE(GameData::GetPlayer(2)->GetInputMapping() && hooks_.notices.empty());

    EXPECT_TRUE(GameData::SafeInputSet(1, 0, U"INS"));
    EXPECT_EQ(Mapping(1).GetKey(kActionAccept), U"INS");
    EXPECT_EQ(std::pair(!GameData::GetPlayer(2)->GetInputMapping(), hooks_.notices), std::pair(true, std::vector{2}));
}

TEST_F(GameDataInputTest, OnePlayerSchemeChangeClearsPlayerTwo)
{
    BothOnKeyboard(0);
    EXPECT_TRUE(GameData::SafeMoveSchemeSet(1, 0));  // the arrows, player 2's
    EXPECT_EQ(Scheme(1), kArrows);
    EXPECT_EQ(std::pair(!GameData::GetPlayer(2)->GetInputMapping(), hooks_.notices), std::pair(true, std::vector{2}));
}

TEST_F(GameDataInputTest, AnyKeyAndBothPlayersInput)
{
    BothOnKeyboard(1);
    keys_->KeyEvent(kEventKeyDown, kKeySpace);
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(), U"KEYBOARD");
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(&Mapping(1)), U"");  // SPACE is player 1's
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(&Mapping(2)), U"KEYBOARD");
    pads_->SetButton(2, 0, true);
    GameData::UpdateRegisteredHardware();
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(&Mapping(1)), U"JOYSTICK 3");
    EXPECT_EQ(pads_->Updates(), 1);  // one poll of the pads per update

    keys_->EndUpdate();  // SPACE, player 1's accept, is held now: no hit
    EXPECT_FALSE(GameData::bothPlayersIn->InputHit(kActionAccept));
    keys_->KeyEvent(kEventKeyDown, kKeyInsert);  // player 2's accept
    EXPECT_TRUE(GameData::bothPlayersIn->InputHit(kActionAccept) && !GameData::bothPlayersIn->InputHit(kActionStart));
    GameData::GetPlayer(2)->ClearInputMapping();
    EXPECT_FALSE(GameData::bothPlayersIn->InputHit(kActionAccept));
    keys_->KeyEvent(kEventKeyDown, kKeyEscape);
    EXPECT_TRUE(GameData::GlobalCancelPressed());
}

}  // namespace
}  // namespace zelka
