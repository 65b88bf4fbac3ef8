#include "screens/title/TitleStage.h"

#include "engine/audio/AudioManager.h"
#include "engine/ui/Panel.h"
#include "screens/menus/GameModeMenuOption.h"
#include "screens/menus/MultiMenuOption.h"
#include "screens/title/HowToPlay.h"
#include "services/config/GlobalOptions.h"
#include "services/mapping/InputMapping.h"
#include "services/roster/Roster.h"
#include "tests/screens/ScreenTestSupport.h"

#include <filesystem>
#include <iterator>

namespace zelka {
namespace {

constexpr int kExitOption = 3;
constexpr int kSfxMenuShown = 15;
constexpr int kSfxAccept = 1;

class TitleStageTest : public testing_screens::ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        GameData::options->displayHowToPlay = false;
    }

    void LoadTitle()
    {
        if (stage) stage->Deallocate();
        Load(TitleStage::New());
        Title().SetEndAction([this] { ++ends; });
    }
    TitleStage& Title() { return *dynamic_cast<TitleStage*>(stage.get()); }
    GDO& Node(const char32_t* name) { return *stage->GetRootGDO()->GetChildByName(name, true); }
    bool PromptLit() { return Node(U"PRESSANYKEY").visible; }

    // Player 1 takes the keyboard with a key; the menu comes up in that update or the next.
    void OpenMenu()
    {
        Press(kKeyA);
        Steps(1);
        ASSERT_TRUE(Node(U"GAMEMENU").visible);
    }
    void WaitForSlide() { Steps(32); }   // 512 ms

    int ends = 0;
};

// Attract starts at the first update with the prompt lit past 15 s of idling; the modes
// alternate 1, 2, 1 and the characters and the world are drawn in range.
TEST_F(TitleStageTest, AttractStartsAtTheFirstLitUpdateBeyondFifteenSecondsAndAlternates)
{
    std::vector<int> modes;
    for (int run = 0; run < 3; ++run) {
        LoadTitle();
        if (run > 0) {
            Step(nullptr, 15000);
        } else {
            bool early = false;
            for (int i = 0; i < 1200 && Pending() == kNoStageId; ++i) {
                const int idleBefore = Title().GetIdleTime();
                Step();
                if (Pending() == kNoStageId && Title().GetIdleTime() > 14999 && PromptLit()) {
                    early = true;
                }
                if (Pending() != kNoStageId) {
                    EXPECT_LE(idleBefore + kStepMs, Title().GetIdleTime());
                }
            }
            EXPECT_FALSE(early);
            ASSERT_EQ(Pending(), kStageMatch);
            EXPECT_GT(Title().GetIdleTime(), 14999);
            EXPECT_TRUE(PromptLit());
        }
        for (int i = 0; i < 40 && GameData::currentWorldNdx < 0; ++i) Step();
        for (int i = 0; i < 40 && !GameData::isDemoMode; ++i) Step();
        ASSERT_TRUE(GameData::isDemoMode);
        modes.push_back(GameData::curGameMode);
        const auto inRange = [](int index, int count) { return index >= 0 && index < count; };
        for (const Ref<PlayerData>& player : {GameData::player1, GameData::player2}) {
            EXPECT_TRUE(player->character && inRange(player->characterIndex, Roster::GetTotalCharacters()))
                << player->characterIndex;
        }
        EXPECT_TRUE(inRange(GameData::currentWorldNdx, GameData::GetTotalWorlds())) << GameData::currentWorldNdx;
        GameData::isDemoMode = false;
        GameData::currentWorldNdx = -1;
    }
    EXPECT_EQ(modes, (std::vector<int>{1, 2, 1}));
}

TEST_F(TitleStageTest, OnlyAKeyResetsTheIdleCountAndTheMenuNeverStartsAttract)
{
    LoadTitle();
    for (int i = 0; i < 100; ++i) {
        pads_->SetAxis(0, i % 2, i % 3 == 0 ? 0.3f : -0.35f);   // a worn stick's jitter
        Step();
    }
    EXPECT_EQ(Title().GetIdleTime(), 100 * kStepMs);
    EXPECT_FALSE(GameData::player1->GetInputMapping());
    Step(nullptr, 14983 - 100 * kStepMs);
    EXPECT_EQ(Title().GetIdleTime(), 14983);
    Press(kKeyA);   // at 14999: back to 0, and player 1 has the keyboard
    EXPECT_EQ(Title().GetIdleTime(), 0);
    Steps(1500);
    EXPECT_GT(Title().GetIdleTime(), 20000);
    EXPECT_EQ(Pending(), kNoStageId);
}

// The version label shows only past the first option.
TEST_F(TitleStageTest, MenuComesUpWithSoundFifteenThenWrapsAndWaitsForTheSlide)
{
    LoadTitle();
    Steps(3);
    EXPECT_FALSE(Node(U"GAMEMENU").visible);
    OpenMenu();
    EXPECT_TRUE(Played(kSfxMenuShown));
    const PlaybackInfo* info = AudioManager::GetSFXChannelInfo(kSfxChannelGeneral);
    ASSERT_TRUE(info && info->soundName == U"15");   // loaded, so it was heard
    EXPECT_FALSE(PromptLit());
    EXPECT_EQ(Title().GetCurrentOption(), 0);
    EXPECT_FALSE(Title().GetVersionLabel()->visible);

    GDO& label = Node(U"OPTION_LABEL1");
    Press(kKeyLeft);   // still sliding in from the right: ignored
    EXPECT_EQ(Title().GetCurrentOption(), 0);
    WaitForSlide();
    EXPECT_FLOAT_EQ(label.position->x, 0.0f);
    EXPECT_TRUE(Node(U"CURSOR1").visible);
    EXPECT_TRUE(Node(U"CURSOR3").visible);   // the game modes step up and down
    EXPECT_FALSE(Title().GetVersionLabel()->visible);

    Press(kKeyLeft);
    EXPECT_EQ(Title().GetCurrentOption(), kExitOption);
    EXPECT_FALSE(Node(U"CURSOR1").visible);
    Steps(10);
    EXPECT_TRUE(Title().GetVersionLabel()->visible);
    // Sliding in from the left on the full position key.
    EXPECT_LT(label.position->x, 0.0f);
    EXPECT_GT(label.position->x, -640.0f);
    Press(kKeyRight);
    EXPECT_EQ(Title().GetCurrentOption(), kExitOption);
    WaitForSlide();
    EXPECT_FALSE(Node(U"CURSOR3").visible);   // EXIT has no entries to step
    Press(kKeyRight);
    EXPECT_EQ(Title().GetCurrentOption(), 0);
    Steps(1);
    EXPECT_FALSE(Title().GetVersionLabel()->visible);
}

TEST_F(TitleStageTest, OnePlayerModeDropsPlayerTwoAndGoesToCharacterSelect)
{
    ASSERT_TRUE(GameData::SetNewInputDeviceForPlayer(2, U"JOYSTICK 1"));
    LoadTitle();
    OpenMenu();
    WaitForSlide();
    // Down through the modes to the one-player versus (mode 0).
    auto* modes = dynamic_cast<MultiMenuOption*>(Title().GetOption(0).get());
    for (int i = 0; i < 4; ++i) {
        auto* entry = dynamic_cast<const GameModeMenuOption*>(modes->GetOption2());
        if (entry->GetGameModeId() == 0) break;
        Press(kKeyDown);
    }
    EXPECT_EQ(dynamic_cast<Label&>(Node(U"OPTION_LABEL1")).GetText(), modes->GetName());
    Press(kKeySpace);
    EXPECT_EQ(Pending(), kStageCharSelect);
    EXPECT_EQ(GameData::curGameMode, 0);
    EXPECT_FALSE(GameData::player2->GetInputMapping());
    EXPECT_TRUE(Played(kSfxAccept));
}

// CREDITS asking for the credits and cancel bringing the prompt back are driven in
// WholeGameTest.
TEST_F(TitleStageTest, StatsPanelOpensFromTheMenuAndClosesOnAccept)
{
    LoadTitle();
    OpenMenu();
    WaitForSlide();
    Press(kKeyRight);   // CONTROLS / SETTINGS / HOW TO PLAY / PLAYER STATS
    WaitForSlide();
    Press(kKeyUp);      // up from the first entry wraps to the last
    EXPECT_EQ(Title().GetOption(1)->GetOption2()->GetName(), U"PLAYER STATS");
    Press(kKeySpace);
    const Ref<Panel>& stats = Title().GetStatsPanel();
    EXPECT_TRUE(stats->IsOpen());
    Steps(30);
    Press(kKeyLeft);    // the menu behind does not move
    EXPECT_EQ(Title().GetCurrentOption(), 1);
    Press(kKeySpace);
    Steps(30);
    EXPECT_FALSE(stats->IsOpen());
}

// Accept, cancel and start each fold the statistics away, also while they still unfold;
// a press while they fold away does nothing, not even in the menu behind.
TEST_F(TitleStageTest, StatsPanelClosesOnAcceptCancelOrStartAlsoWhileOpening)
{
    LoadTitle();
    OpenMenu();
    WaitForSlide();
    Press(kKeyRight);
    WaitForSlide();
    Press(kKeyUp);   // PLAYER STATS
    const Ref<Panel>& stats = Title().GetStatsPanel();
    for (int key : {kKeySpace, kKeyControl, kKeyEnter}) {
        SCOPED_TRACE(key);
        Press(kKeySpace);
        ASSERT_TRUE(stats->IsOpen());
        Steps(2);    // pressed 48 ms after opening
        ASSERT_TRUE(stats->IsAnimating());
        plays.clear();
        Press(key);
        EXPECT_EQ(stats->GetTween()->GetEnd(), 0.0f);   // folding away
        EXPECT_EQ(plays, std::vector<int>{kSfxPanelClose});
        const int folded = stats->GetTween()->GetElapsed();
        plays.clear();
        Press(key);  // nothing more to do: the fold goes on, not over again
        EXPECT_TRUE(plays.empty());
        EXPECT_GT(stats->GetTween()->GetElapsed(), folded);
        EXPECT_EQ(stats->GetTween()->GetEnd(), 0.0f);
        Steps(30);
        EXPECT_FALSE(stats->IsOpen());
        EXPECT_TRUE(GameData::player1->GetInputMapping());   // the cancels never reached the menu
    }
}

TEST_F(TitleStageTest, EscapeQuitsSavingBothFilesEvenOverAPanel)
{
    LoadTitle();
    OpenMenu();
    Title().ShowHowToPlay(0);
    Steps(30);
    std::filesystem::remove_all("savedata");
    Press(kKeyEscape);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("savedata"), {}), 2);
}

// The page's choices and cancel, and the menu coming back without it, are driven in
// WholeGameTest; here its delay and its release.
TEST_F(TitleStageTest, FirstRunGuideOpensByItselfOnceAndItsSecondChoiceOpensTheControls)
{
    GameData::options->displayHowToPlay = true;
    LoadTitle();
    OpenMenu();
    const Ref<Panel> panel = Title().GetHowToPlayPanel();
    ASSERT_TRUE(panel);
    Steps(55);   // 880 ms of the 1000 ms delay
    EXPECT_FALSE(panel->IsFullyOpen());
    Steps(40);
    EXPECT_TRUE(panel->IsFullyOpen());
    Press(kKeyRight);   // the title's menu waits
    EXPECT_EQ(Title().GetCurrentOption(), 0);

    Press(kKeyDown);
    Press(kKeySpace);   // "LET ME CHANGE IT!"
    EXPECT_EQ(Title().GetHowToPlay()->GetResult(), 1);
    Steps(40);
    EXPECT_FALSE(Title().GetHowToPlayPanel());
    EXPECT_FALSE(panel->GetParent());
    EXPECT_TRUE(panel->IsReleased());
    EXPECT_FALSE(GameData::options->displayHowToPlay);
    ASSERT_TRUE(Title().GetInputConfigPanel() && Title().GetInputConfigPanel()->IsVisible());

    // A later visit of the title does not open it again.
    LoadTitle();
    Steps(100);
    EXPECT_FALSE(Title().GetHowToPlayPanel());
}

}  // namespace
}  // namespace zelka
