#include "screens/menus/PauseMenu.h"

#include "engine/core/Random.h"
#include "match/stage/ZELKAStage.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "screens/menus/PauseMenuPanel.h"
#include "tests/screens/AppFixture.h"

#include <gtest/gtest.h>

namespace zelka {

class PauseMenuTest : public AppFixture {
protected:
    // Opens the current stage's pause menu and lets it unfold.
    PauseMenuPanel& OpenPause()
    {
        Stage().ShowPauseMenu();
        Steps(30);
        return PanelOf<PauseMenuPanel>(Stage().GetPausePanel());
    }

    // Keys of player 1 on the keyboard (1P defaults: arrows, SPACE accepts).
    void GiveP1TheKeyboard() { ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(1, U"KEYBOARD")); }
};

TEST_F(PauseMenuTest, PlayerTwoRowIsUsableOnlyWithAMappingInATwoPlayerMode)
{
    struct Case {
        int mode;
        bool p2Device;
        bool usable;
    };
    const Case cases[] = {
        {1, true, true},     // "2P MODE"
        {2, true, true},     // "IDOL 2P"
        {1, false, false},   // no mapping
        {0, true, false},    // one-player mode
        {-1, true, false},   // none chosen (the title)
        {9, true, false},    // not in the list
    };
    for (const Case& c : cases) {
        if (c.p2Device) ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"KEYBOARD"));
        else GameData::player2->ClearInputMapping();
        GameData::curGameMode = c.mode;
        const Ref<PauseMenu> menu = PauseMenu::New(nullptr);
        // Usable, and drawn white rather than grey.
        EXPECT_EQ(std::pair(menu->IsP2RowEnabled(), menu->GetOption(PauseMenu::kRowP2Controls)->tint.r),
                  std::pair(c.usable, c.usable ? 255 : 128))
            << "mode " << c.mode << ", player 2 on a device: " << c.p2Device;
    }
}

TEST_F(PauseMenuTest, FirstTitleAfterSeed1234IsGiveMeASec)
{
    const Ref<PauseMenu> menu = PauseMenu::New(nullptr);
    random::Seed = 1234;
    menu->SetRandomTitle();
    EXPECT_EQ(menu->GetTitle()->GetText(), U"GIVE ME A SEC!");
    EXPECT_EQ(menu->GetTitle()->name, U"TITLE_LABEL");
}

// The last row's label and target on character select and in a match, the rows' panels
// over the menu and cancel resuming are driven in WholeGameTest.
TEST_F(PauseMenuTest, GreyedPlayerTwoRowCanBeSelectedButDoesNothing)
{
    GiveP1TheKeyboard();
    GameData::SetGameMode(0);
    RunTo(kStageMatch);
    PauseMenuPanel& pause = OpenPause();
    Step(kKeyDown);
    Step(kKeyDown);
    EXPECT_EQ(pause.GetMenu()->GetSelectedOption(), PauseMenu::kRowP2Controls);
    Step(kKeySpace);
    Steps(30);
    EXPECT_FALSE(Stage().GetInputConfigPanel()->IsVisible());
    EXPECT_TRUE(pause.IsVisible());
}

TEST_F(PauseMenuTest, StartOnTheMatchPausesItUntilResumed)
{
    UseGameScreens();
    GiveP1TheKeyboard();
    RunTo(kStageMatch);
    auto& match = dynamic_cast<ZELKAStage&>(Stage());
    Step(kKeyEnter);  // refused while the intro banner runs
    EXPECT_FALSE(Stage().GetPausePanel()->IsVisible());
    for (int i = 0; i < 300 && match.IsIntroRunning(); ++i) Step();
    Step(kKeyEnter);  // player 1's start
    EXPECT_TRUE(Stage().GetPausePanel()->IsVisible());
    const int paused = match.GetTime();
    Steps(300);
    EXPECT_EQ(match.GetTime(), paused);   // the clock stands while paused
    EXPECT_EQ(app->GetNextStageId(), kNoStageId);
    Step(kKeyEscape);
    Steps(30);
    EXPECT_FALSE(Stage().GetPausePanel()->IsVisible());
    EXPECT_LT(match.GetTime(), paused);
}

}  // namespace zelka
