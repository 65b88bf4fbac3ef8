#include "screens/menus/CfgConflictMenu.h"

#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "screens/menus/CfgConflictPanel.h"
#include "screens/menus/JoystickConfigPanel.h"
#include "tests/screens/AppFixture.h"

#include <gtest/gtest.h>

namespace zelka {

class CfgConflictMenuTest : public AppFixture {};

// Two players getting through the conflict on the real character select is WholeGameTest's.
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
