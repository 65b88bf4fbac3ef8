#include "screens/menus/CfgConflictMenu.h"

#include "screens/charsel/CharRoulette.h"
#include "screens/charsel/CharSelStage.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "services/settings/GameMode.h"
#include "screens/menus/CfgConflictPanel.h"
#include "screens/menus/JoystickConfigPanel.h"
#include "tests/screens/AppFixture.h"

#include <gtest/gtest.h>

namespace zelka {

class CfgConflictMenuTest : public AppFixture {};

// Two players on one keyboard in a two-player mode: player 2 joining with the default keys
// clashes with player 1, both are reset and the conflict menu opens; leaving it, character
// select goes on.
TEST_F(CfgConflictMenuTest, TwoPlayersOnOneKeyboardGetThroughTheConflictIntoCharacterSelect)
{
    UseGameScreens();
    // Player 1 has taken the keyboard and chosen the two-player versus mode on the title.
    GameData::SetGameMode(1);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    ASSERT_TRUE(GameData::GetGameMode_(GameData::curGameMode)->Is2P());
    RunTo(kStageCharSelect);

    Step(kKeyM);  // player 2 joins on the keyboard: its default keys clash
    CfgConflictPanel& conflict = PanelOf<CfgConflictPanel>(Stage().GetConflictPanel());
    ASSERT_TRUE(conflict.IsVisible());
    const InputMapping& p1 = *GameData::player1->GetInputMapping();
    const InputMapping& p2 = *GameData::player2->GetInputMapping();
    EXPECT_FALSE(p1.CheckMappingConflict(&p2, -1));  // both reset apart

    Steps(200);  // the stage stands still under the menu
    EXPECT_EQ(app->GetCurrentStageId(), kStageCharSelect);
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);

    Step(CodeOf(p2, kActionDown));  // either player drives it
    Step(CodeOf(p1, kActionDown));
    EXPECT_EQ(conflict.GetMenu()->GetSelectedOption(), CfgConflictMenu::kRowExit);
    Step(CodeOf(p2, kActionAccept));
    Steps(30);
    EXPECT_FALSE(conflict.IsVisible());
    EXPECT_EQ(app->GetCurrentStageId(), kStageCharSelect);

    // The screen runs on: both players confirm their characters with their new keys.
    auto& charSel = dynamic_cast<CharSelStage&>(Stage());
    Step(CodeOf(p1, kActionAccept));
    Step(CodeOf(p2, kActionAccept));
    Steps(30);
    EXPECT_TRUE(charSel.GetRoulette(0)->IsConfirmed());
    EXPECT_TRUE(charSel.GetRoulette(1)->IsConfirmed());
}

TEST_F(CfgConflictMenuTest, ControlsRowsOpenTheAskedPlayersMenuOverTheConflict)
{
    GameData::SetGameMode(1);
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD"));
    RunTo(kStageCharSelect);
    ZELKA::RaiseCfgConflictPanel();
    Steps(30);
    CfgConflictPanel& conflict = PanelOf<CfgConflictPanel>(Stage().GetConflictPanel());
    auto& controls = PanelOf<JoystickConfigPanel>(Stage().GetInputConfigPanel());
    EXPECT_EQ(conflict.GetMenu()->name, U"CONFLICT_MENU");

    conflict.GetMenu()->OkPressed(CfgConflictMenu::kRowP2Controls);  // no mapping: nothing
    EXPECT_FALSE(controls.IsVisible());

    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 1"));
    conflict.GetMenu()->OkPressed(CfgConflictMenu::kRowP2Controls);
    EXPECT_TRUE(controls.IsVisible());
    EXPECT_EQ(controls.GetShownPlayer(), 2);  // not the player-1 menu that Open forces
    EXPECT_TRUE(controls.GetMenu(2)->IsVisible());
    EXPECT_FALSE(controls.GetMenu(1)->IsEnabled());
    conflict.GetMenu()->OkPressed(CfgConflictMenu::kRowP1Controls);  // already open: kept
    EXPECT_EQ(controls.GetShownPlayer(), 2);
    EXPECT_TRUE(conflict.IsVisible());  // stays beneath

    controls.Close2(true, false);
    Steps(2);
    conflict.GetMenu()->CancelPressed(0, true);
    Steps(30);
    EXPECT_FALSE(conflict.IsVisible());
}

}  // namespace zelka
