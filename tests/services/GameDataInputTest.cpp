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

class GameDataInputTest : public GameDataFixture {
protected:
    void SetUp() override
    {
        GameDataFixture::SetUp();
        GameData::Init();
    }

    // Both players on the keyboard with the two-player defaults, hooks cleared.
    void BothOnKeyboard()
    {
        GameData::SetGameMode(1);
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
        ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
        GameData::ResetDeviceSettings(1);
        GameData::ResetDeviceSettings(2);
        ASSERT_FALSE(GameData::CheckInputDeviceClashes());
        hooks_ = RecordingHooks{};
    }

    InputMapping& Mapping(int player) { return *GameData::GetPlayer(player)->GetInputMapping(); }
    String Scheme(int player) { return Mapping(player).GetDirMappingName(Mapping(player).GetDirMapping()); }
};

TEST_F(GameDataInputTest, KeyboardClashResetsBothAndRaisesThePanelOnce)
{
    GameData::SetGameMode(1);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    EXPECT_EQ(Scheme(1), U"\u2020 \u2039 \u2021 \u203A");  // a new device gets the plain defaults
    EXPECT_EQ(hooks_.notified[1], 1);

    // Player 2's defaults use the arrows too: both are reset for two players.
    EXPECT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
    EXPECT_EQ(hooks_.conflictPanels, 1);
    // One notice (one event 1010) per reset, the asking player first.
    EXPECT_EQ(hooks_.notices, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(Scheme(1), U"W A S D");
    EXPECT_EQ(Mapping(2).GetKey(kActionAccept), U"INS");
    EXPECT_FALSE(GameData::CheckInputDeviceClashes());
}

TEST_F(GameDataInputTest, PadsAreNeverSharedAndNeverClash)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"JOYSTICK 1"));
    hooks_ = RecordingHooks{};
    EXPECT_FALSE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 1"));
    EXPECT_FALSE(GameData::GetPlayer(2)->GetInputMapping());
    EXPECT_EQ(hooks_.notified[2], 0);

    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 3"));
    EXPECT_EQ(Mapping(2).GetKey(kActionStart), U"START (8)");
    EXPECT_EQ(Scheme(2), U"X,Y + POV");
    EXPECT_FALSE(GameData::CheckInputDeviceClashes());  // identical keys, different pads
}

TEST_F(GameDataInputTest, UnknownDeviceLeavesThePlayerWithout)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    EXPECT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U""));
    EXPECT_FALSE(GameData::GetPlayer(1)->GetInputMapping());
    EXPECT_EQ(hooks_.notified[1], 2);
    EXPECT_FALSE(GameData::SafeInputSet(1, 0, U"Q"));
    EXPECT_FALSE(GameData::SafeMoveSchemeSet(1, 1));
}

TEST_F(GameDataInputTest, TakenKeyIsRefusedInTwoPlayerMode)
{
    BothOnKeyboard();
    EXPECT_FALSE(GameData::SafeInputSet(2, 0, U"SPACE"));
    EXPECT_EQ(Mapping(2).GetKey(kActionAccept), U"INS");
    EXPECT_TRUE(GameData::SafeInputSet(2, 0, U"Q"));
    EXPECT_EQ(Mapping(2).GetKey(kActionAccept), U"Q");
    EXPECT_EQ(GameData::GetPlayer(2)->storedControls[U"keyboard"]->ToString(),
              Mapping(2).ToXMLConfig()->ToString());
}

TEST_F(GameDataInputTest, OnePlayerModeClearsPlayerTwoForPlayerOne)
{
    BothOnKeyboard();
    GameData::SetGameMode(0);
    EXPECT_TRUE(GameData::SafeInputSet(1, 0, U"INS"));
    EXPECT_EQ(Mapping(1).GetKey(kActionAccept), U"INS");
    EXPECT_FALSE(GameData::GetPlayer(2)->GetInputMapping());
    EXPECT_EQ(hooks_.notified[2], 1);
}

TEST_F(GameDataInputTest, OnePlayerModeRefusesPlayerTwoWithoutSideEffects)
{
    BothOnKeyboard();
    GameData::SetGameMode(0);
    String before = Mapping(2).ToXMLConfig()->ToString();
    EXPECT_FALSE(GameData::SafeInputSet(2, 0, U"SPACE"));
    EXPECT_FALSE(GameData::SafeMoveSchemeSet(2, 1));  // W A S D is player 1's
    ASSERT_TRUE(GameData::GetPlayer(2)->GetInputMapping());
    EXPECT_EQ(Mapping(2).ToXMLConfig()->ToString(), before);
    EXPECT_TRUE(hooks_.notified.empty());
}

TEST_F(GameDataInputTest, SchemeChangeChecksTheCallersOwnKeysFirst)
{
    BothOnKeyboard();
    GameData::SetGameMode(0);
    Mapping(1).SetKey(kActionAccept, U"UP");  // player 1: W A S D with UP, CTRL, ENTER
    // The arrows clash with player 2 and with player 1's own UP: the request is refused
    // before player 2 is asked to make way.
    EXPECT_FALSE(GameData::SafeMoveSchemeSet(1, 0));
    EXPECT_EQ(Scheme(1), U"W A S D");
    ASSERT_TRUE(GameData::GetPlayer(2)->GetInputMapping());
    EXPECT_TRUE(hooks_.notified.empty());
}

TEST_F(GameDataInputTest, SchemeClashWithTheOtherPlayer)
{
    BothOnKeyboard();
    EXPECT_FALSE(GameData::SafeMoveSchemeSet(2, 1));  // W A S D, player 1's, in 2P mode
    EXPECT_EQ(Scheme(2), U"\u2020 \u2039 \u2021 \u203A");
    EXPECT_FALSE(GameData::SafeMoveSchemeSet(2, 2));  // E S D F shares S and D
    EXPECT_TRUE(GameData::SafeMoveSchemeSet(2, 3));   // I J K L shares nothing
    EXPECT_EQ(Scheme(2), U"I J K L");

    GameData::SetGameMode(0);
    EXPECT_TRUE(GameData::SafeMoveSchemeSet(1, 3));   // takes I J K L: player 2 makes way
    EXPECT_EQ(Scheme(1), U"I J K L");
    EXPECT_FALSE(GameData::GetPlayer(2)->GetInputMapping());
}

TEST_F(GameDataInputTest, PadSchemeFlagsReachTheDevice)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"JOYSTICK 1"));
    EXPECT_EQ(Mapping(1).GetHardware()->GetHardwareFlags(), kMoveFlagsStickAndHat);
    EXPECT_TRUE(GameData::SafeMoveSchemeSet(1, 2));
    EXPECT_EQ(Mapping(1).GetHardware()->GetHardwareFlags(), kMoveFlagsHatOnly);
}

TEST_F(GameDataInputTest, AnyKeySkipsTheMappingsOwnKeys)
{
    BothOnKeyboard();
    keys_->KeyEvent(kEventKeyDown, kKeySpace);
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(), U"KEYBOARD");
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(&Mapping(1)), U"");   // SPACE is player 1's
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(&Mapping(2)), U"KEYBOARD");

    pads_->SetButton(2, 0, true);
    GameData::UpdateRegisteredHardware();
    EXPECT_EQ(GameData::GetAnyKeyFromAnyHardware(&Mapping(1)), U"JOYSTICK 3");
    EXPECT_EQ(pads_->Updates(), 1);  // one poll of the pads per update
}

TEST_F(GameDataInputTest, BothPlayersInputAnswersForEither)
{
    BothOnKeyboard();
    EXPECT_FALSE(GameData::bothPlayersIn->InputHit(kActionAccept));
    keys_->KeyEvent(kEventKeyDown, kKeyInsert);  // player 2's accept
    EXPECT_TRUE(GameData::bothPlayersIn->InputHit(kActionAccept));
    EXPECT_FALSE(GameData::bothPlayersIn->InputHit(kActionStart));
    GameData::GetPlayer(2)->ClearInputMapping();
    EXPECT_FALSE(GameData::bothPlayersIn->InputHit(kActionAccept));
    keys_->KeyEvent(kEventKeyDown, kKeyEscape);
    EXPECT_TRUE(GameData::GlobalCancelPressed());
}

}  // namespace
}  // namespace zelka
