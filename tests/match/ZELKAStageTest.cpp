#include "match/stage/ZELKAStage.h"

#include "engine/core/Cog.h"
#include "engine/display/GDOWithTween.h"
#include "engine/stage/Window.h"
#include "engine/text/FXLabel.h"
#include "engine/text/Label.h"
#include "engine/particles/ParticleEmitter.h"
#include "engine/particles/ParticleEngine.h"
#include "match/ai/AILogic.h"
#include "match/camera/SplitScreenCamera.h"
#include "match/character/Character.h"
#include "match/character/ManualLogic.h"
#include "match/items/ItemConstants.h"
#include "match/items/ItemStack.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "match/maze/MazeTileMap.h"
#include "match/topbar/TopBar.h"
#include "services/input/InputKeyboard.h"
#include "tests/match/StageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zelka {
namespace {

using stagetest::kRace2P;
using stagetest::kVersus2P;

// Counts the updates the stage gives its cogs.
class CountingCog final : public Cog {
public:
    void Update(int) override { ++updates; }
    int updates = 0;
};

using ZELKAStageTest = stagetest::StageFixture;

// Where a node's centre is drawn on the screen: its position carried up through each
// parent's position and scale, up to the layer `top` (the banner turns nothing).
Vector ScreenCentre(const GDO& node, const GDO& top)
{
    Vector at(node.position->x, node.position->y);
    for (const GDO* p = node.GetParent(); p != nullptr; p = p->GetParent()) {
        at.Set(p->position->x + p->scale.x * at.x, p->position->y + p->scale.y * at.y);
        if (p == &top) break;
    }
    return at;
}

// The vertical offsets of both windows from where they rest, update by update for 300 ms
// and a little more.
std::pair<std::vector<float>, std::vector<float>> WindowOffsets(ZELKAStage& stage,
                                                                 const std::function<void()>& step)
{
    const Window& w1 = *stage.GetRootWindow();
    const Window& w2 = *stage.GetP2Window();
    const float rest1 = w1.position->y;
    const float rest2 = w2.position->y;
    std::pair<std::vector<float>, std::vector<float>> offsets;
    for (int i = 0; i < 300 / 16 + 2; ++i) {
        step();
        offsets.first.push_back(w1.position->y - rest1);
        offsets.second.push_back(w2.position->y - rest2);
    }
    return offsets;
}

bool Still(const std::vector<float>& offsets)
{
    return std::all_of(offsets.begin(), offsets.end(), [](float y) { return y == 0.0f; });
}

TEST_F(ZELKAStageTest, LimitOfZeroOrLessEndsTheMatchOnTheFirstUpdateAfterTheBanner)
{
    ZELKAStage& stage = Load(kVersus2P, -5000);
    EXPECT_EQ(stage.GetTime(), 0);
    EXPECT_TRUE(stage.IsIntroRunning());
    RunIntro();
    EXPECT_EQ(stage.GetRequestedStage(), kNoStageId);   // the banner never ends a match
    Step();
    EXPECT_EQ(stage.GetRequestedStage(), 4);
    Step();   // a late update asks again for nothing
    EXPECT_EQ(game_->requests, std::vector<int>{4});
    EXPECT_EQ(Plays(303, kSfxChannelVoice), 1);
    stage.FirstStageUpdate();
    EXPECT_EQ(Plays(302, kSfxChannelVoice), 1);
}

// The banner (2200 ms of slide, 300 ms of "GO") freezes the world and the clock; then 60 s
// take 3750 updates. The top bar updates with the layers, before the clock runs: it
// shows the time the previous update left.
TEST_F(ZELKAStageTest, SixtySecondsLast3750UpdatesAfterTheBanner)
{
    ZELKAStage& stage = Load(kVersus2P, 60000);
    auto cog = std::make_shared<CountingCog>();
    stage.AddCog(cog);
    EXPECT_EQ(RunIntro(), 2200 / 16 + 1 + 300 / 16 + 1);
    EXPECT_EQ(std::pair(cog->updates, stage.GetTime()), std::pair(0, 60000));
    EXPECT_FALSE(stage.GetBanner()->visible);
    Step();
    EXPECT_EQ(stage.GetTopBar()->GetTimeLabel()->GetText(), U"01:00");
    Step();
    EXPECT_EQ(stage.GetTopBar()->GetTimeLabel()->GetText(), U"00:59");
    EXPECT_EQ(RunUntilLeaving(5000), 3750 - 2);
    EXPECT_EQ((std::vector<int>{stage.GetRequestedStage(), stage.GetTime(), cog->updates}),
              (std::vector<int>{4, 0, 3750}));
    stage.SetTime(60001);   // never above the limit
    EXPECT_EQ(stage.GetTime(), 60000);
}

// A race has no clock (a limit of 0 ends only a versus match); both players start at the
// track end the orientation code names.
TEST_F(ZELKAStageTest, RaceHasNoClockAndStartsAtTheTrackEnd)
{
    ZELKAStage& stage = Load(kRace2P, 0);
    EXPECT_TRUE(stage.IsRace());
    const GameMaze& maze = *stage.GetMaze();
    const int column = (stage.GetTrackOrientation() & kTrackStartOnRight) ? 2 * 18 - 1 : 1;
    for (int player = 1; player <= 2; ++player) {
        const Vector& at = *stage.GetPlayer(player)->character->position;
        EXPECT_EQ(at.x, maze.TileCenterX(column)) << player;
        EXPECT_EQ(at.y, maze.TileCenterY(2 * 19 + 1 - 2 * player)) << player;
    }
    RunIntro();
    EXPECT_EQ(RunUntilLeaving(200), 200);   // nothing asked for
}

// 25000 ms at 16 ms an update: 1562 updates make 24992 ms. A key or Escape ends it at
// once, without a pause menu.
TEST_F(ZELKAStageTest, AttractEndsAfter1563UpdatesOrOnAKeyAtTheTitle)
{
    GameData::isDemoMode = true;
    Load(kVersus2P, 150000);
    RunIntro();
    EXPECT_EQ(RunUntilLeaving(5000), 1563);
    EXPECT_EQ(game_->requests, std::vector<int>{3});
    EXPECT_EQ(Plays(303, kSfxChannelVoice), 0);
    for (const int key : {static_cast<int>('A'), 27}) {
        ZELKAStage& stage = Load(kVersus2P, 150000);
        RunIntro();
        Step();
        EXPECT_EQ(stage.GetRequestedStage(), kNoStageId) << key;
        Press(key);
        Step();
        EXPECT_EQ(stage.GetRequestedStage(), 3) << key;
        EXPECT_EQ(overlay_.opens, 0);
    }
}

TEST_F(ZELKAStageTest, TakingTheIdolEndsARaceAtTheResultsButTheDemoAtTheTitle)
{
    for (const bool attract : {false, true}) {
        GameData::isDemoMode = attract;
        ZELKAStage& stage = Load(kRace2P, 150000);
        RunIntro();
        const GameMaze& maze = *stage.GetMaze();
        const bool right = (stage.GetTrackOrientation() & kTrackIdolOnRight) != 0;
        const int column = right ? maze.GetCols() - 2 : 1;
        stage.GetPlayer(1)->character->position->Set(maze.TileCenterX(column), maze.TileCenterY(2));
        RunUntilLeaving(10);
        EXPECT_EQ(std::pair(stage.GetRequestedStage(), game_->requests.back()),
                  std::pair(attract ? 3 : 4, attract ? 3 : 4)) << attract;
    }
}

TEST_F(ZELKAStageTest, PauseIsRefusedUntilTheBannerHasGoneThenAlternates500And501)
{
    stage_ = ZELKAStage::New(60000);   // before the banner exists
    stage_->ShowPauseMenu();
    EXPECT_EQ(overlay_.opens, 0);

    ZELKAStage& stage = Load(kVersus2P, 60000);
    Press(27);
    Step();
    stage.ShowPauseMenu();
    EXPECT_EQ(overlay_.opens, 0);
    EXPECT_EQ(Plays(500, kSfxChannelVoice), 0);

    RunIntro();
    const int before = stage.GetTime();
    Press(27);
    Step();
    EXPECT_EQ(overlay_.opens, 1);
    EXPECT_EQ(stage.GetTime(), before);   // the pausing update runs nothing else
    stage.ShowPauseMenu();                // already open: nothing more
    EXPECT_EQ(overlay_.opens, 1);
    overlay_.Close();
    stage.ShowPauseMenu();
    overlay_.Close();
    stage.ShowPauseMenu();
    EXPECT_EQ(overlay_.opens, 3);
    EXPECT_EQ(std::pair(Plays(500, kSfxChannelVoice), Plays(501, kSfxChannelVoice)), std::pair(2, 1));
}

// Loading puts the players beside the centre with their counters zeroed and their boxes
// on their characters; the player state then outlives the stage without touching the
// device, and a second release is harmless.
TEST_F(ZELKAStageTest, PlayersStartBesideTheCentreAndTheirStateOutlivesTheStage)
{
    GameData::player1->score = 12;
    GameData::player2->gems = 3;
    ZELKAStage& stage = Load(kVersus2P, 60000);
    const int w = stage.GetCellMaze()->MazeWidth();
    const int h = stage.GetCellMaze()->MazeHeight();
    const GameMaze& maze = *stage.GetMaze();
    const Character& p1 = *stage.GetPlayer(1)->character;
    const Character& p2 = *stage.GetPlayer(2)->character;
    EXPECT_EQ((std::vector<float>{p1.position->x, p2.position->x, p1.position->y}),
              (std::vector<float>{maze.TileCenterX(w - 1), maze.TileCenterX(w + 1), maze.TileCenterY(h)}));
    EXPECT_EQ(std::pair(GameData::player1->score, GameData::player2->gems), std::pair(0, 0));
    EXPECT_EQ(GameData::player1->stageData, stage.GetPlayer(1));
    EXPECT_EQ(stage.GetPlayer(1)->maze, stage.GetMaze().get());
    EXPECT_EQ(stage.GetPlayer(1)->collisionAnchor->x,
              p1.position->x + stage.GetMaze()->GetMazeBaseGDO()->position->x);

    RunIntro();
    Unload();
    const Ref<PlayerStageData> data = GameData::player1->stageData;
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->character, nullptr);
    data->Deallocate();
    device.ClearCalls();
    GameData::player1->stageData.reset();
    GameData::player2->stageData.reset();
    EXPECT_TRUE(device.Calls().empty());
}

// What the running match does for its parts: the teleport swap is heard once each way
// (only player 1's character is heard), moving block traps play sfx 12 and quake the
// view for 300 ms, the dust pool of 20 can be exhausted and refills, and messages pop
// over the character in their font.
TEST_F(ZELKAStageTest, TeleportTrapsDustAndMessagesDuringAMatch)
{
    ZELKAStage& stage = Load(kVersus2P, 60000);
    const Ref<ParticleEmitter> dust = stage.GetParticleEngine()->GetEmitter(U"dustEmitter");
    ASSERT_NE(dust, nullptr);
    auto live = [&] {
        int n = 0;
        for (int i = 0; i < dust->GetParticleCount(); ++i) n += dust->GetParticle(i)->IsEnabled() ? 1 : 0;
        return n;
    };
    for (int i = 0; i < 25; ++i) stage.EmitDust(static_cast<float>(i), 5.0f);
    EXPECT_EQ(std::pair(dust->GetParticleCount(), live()), std::pair(20, 20));
    EXPECT_EQ(dust->GetParticle(0)->GetGDO()->position->x, 0.0f);   // placed where emitted
    dust->UpdateParticles(800);
    EXPECT_EQ(live(), 0);
    stage.EmitDust(1.0f, 1.0f);
    EXPECT_EQ(live(), 1);

    RunIntro();
    Character& p1 = *stage.GetPlayer(1)->character;
    Character& p2 = *stage.GetPlayer(2)->character;
    const Vector a = *p1.position;
    const Vector b = *p2.position;
    stage.AddMsgLabel(U"SWITCH", 1, true);
    const FXLabel& big = *stage.GetMsgLabel(1);
    EXPECT_EQ(big.GetText(), U"SWITCH");
    EXPECT_EQ(big.GetFontScaleX(), 2.0f);
    EXPECT_NE(big.GetFont(), GameData::stdFont);
    const Vector at = stage.GetPlayer(1)->GetCameraPosition();
    // No letterbox and no view moved yet.
    EXPECT_EQ(std::pair(big.position->x, big.position->y), std::pair(at.x, at.y - 16.0f));
    stage.AddMsgLabel(U"", 7, false);   // any other number is player 2; empty keeps the text
    const FXLabel& small = *stage.GetMsgLabel(2);
    EXPECT_EQ(small.GetFont(), GameData::stdFont);
    EXPECT_EQ(std::pair(small.GetFontScaleX(), small.GetFontScaleY()), std::pair(0.25f, 0.6f));
    Step();
    EXPECT_TRUE(small.visible);

    p1.Teleport(b.x, b.y);
    p2.Teleport(a.x, a.y);
    for (int i = 0; i < 150; ++i) Step();
    EXPECT_FALSE(p1.IsTeleporting() || p2.IsTeleporting());
    EXPECT_EQ(std::pair(Plays(10, kSfxChannelGeneral), Plays(11, kSfxChannelGeneral)), std::pair(1, 1));

    const float restY = stage.GetRootWindow()->position->y;
    stage.GetMaze()->ToggleBlockTraps();
    EXPECT_EQ(Plays(12, kSfxChannelGeneral), 1);
    Step();
    EXPECT_NE(stage.GetRootWindow()->position->y, restY);
    for (int i = 0; i < 300 / 16; ++i) Step();
    EXPECT_EQ(stage.GetRootWindow()->position->y, restY);
}

// "GO" sits between two 120-px pads, so it is the point its group scales around: it grows
// in place from 1 to 8 instead of running off to a side.
TEST_F(ZELKAStageTest, GoGrowsInPlaceBetweenEqualPads)
{
    ZELKAStage& stage = Load(kVersus2P, 60000);
    const GDO& banner = *stage.GetBanner();
    const Ref<GDO> grower = banner.GetChild(0)->GetChild(3);
    const Ref<GDO> group = grower->GetChild(0);
    ASSERT_EQ(group->ChildCount(), 3);
    const GDO& go = *group->GetChild(1);
    EXPECT_GT(go.GetWidth(), 0.0f);
    EXPECT_EQ((std::vector<float>{group->GetChild(0)->GetWidth(), go.GetWidth(),
                                  group->GetChild(2)->GetWidth()}),
              (std::vector<float>{120.0f, go.GetWidth(), 120.0f}));
    EXPECT_EQ(group->GetWidth(), 240.0f + go.GetWidth());

    // Once the slide has ended the strip stands at its last place; "GO" then grows.
    const float slideEnd = 640.0f - banner.GetChild(0)->GetWidth() * 0.5f;
    std::vector<std::pair<float, Vector>> grown;   // (scale, GO's centre) per update
    for (int n = 0; stage.IsIntroRunning() && n < 1000; ++n) {
        Step();
        if (banner.position->x == slideEnd) {
            grown.emplace_back(grower->scale.x, ScreenCentre(go, banner));
        }
    }
    ASSERT_GE(grown.size(), 3u);
    EXPECT_EQ(grown.front().first, 1.0f);
    EXPECT_EQ(grown.back().first, 8.0f);
    bool middle = false;
    const Vector first = grown.front().second;
    for (const auto& [scale, centre] : grown) {
        middle = middle || (scale > 3.0f && scale < 6.0f);
        EXPECT_NEAR(centre.x, first.x, 1.0f) << scale;
        EXPECT_NEAR(centre.y, first.y, 1.0f) << scale;
    }
    EXPECT_TRUE(middle);
    EXPECT_TRUE(first.x > 0.0f && first.x < 640.0f) << first.x;   // on screen
}

// The clock reads "00:00" through READY and GO; the first update after the banner shows the
// limit, every later one the time the update before left.
TEST_F(ZELKAStageTest, ClockReadsZeroUntilTheBannerHasGoneThenCountsDown)
{
    ZELKAStage& stage = Load(kVersus2P, 150000);
    const Label& clock = *stage.GetTopBar()->GetTimeLabel();
    EXPECT_EQ(clock.GetText(), U"00:00");
    for (int n = 0; stage.IsIntroRunning() && n < 1000; ++n) {
        Step();
        ASSERT_EQ(clock.GetText(), U"00:00") << n;
    }
    EXPECT_EQ(stage.GetTime(), 150000);
    Step();
    EXPECT_EQ(clock.GetText(), U"02:30");
    Step();
    EXPECT_EQ(clock.GetText(), U"02:29");   // 149984 ms left
    for (int n = 2; n < 200; ++n) Step();
    EXPECT_EQ(clock.GetText(), U"02:26");   // 150000 - 199 x 16 = 146816 ms
}

// An item hit quakes the window that shows the opponent, shaken as the stage's quake shakes
// a window: split, player 2's half alone; shared, the one window. Moving block traps still
// quake both halves.
TEST_F(ZELKAStageTest, AnIceWandQuakesOnlyTheWindowShowingTheOpponent)
{
    ZELKAStage& stage = Load(kVersus2P, 150000);
    RunIntro();
    Step();
    PlayerStageData& p1 = *stage.GetPlayer(1);
    PlayerStageData& p2 = *stage.GetPlayer(2);
    const auto step = [this] { Step(); };
    ASSERT_FALSE(stage.GetCamera()->IsSplit());
    p1.itemStack->Add(kItemIceWand, 0);
    ASSERT_TRUE(p1.UseCurrentItem());
    const auto shared = WindowOffsets(stage, step);
    EXPECT_FALSE(Still(shared.first));   // the one window shows player 2
    EXPECT_TRUE(Still(shared.second));

    // Player 2 to the far end of the row: the screen splits, player 2 on the right.
    const GameMaze& maze = *stage.GetMaze();
    p2.character->position->x = maze.TileCenterX(maze.GetCols() - 2);
    p1.character->position->x = maze.TileCenterX(1);
    ASSERT_GT(std::fabs(p2.character->position->x - p1.character->position->x), 544.0f);
    for (int i = 0; i < 5 && !stage.GetCamera()->IsSplit(); ++i) Step();
    ASSERT_TRUE(stage.GetCamera()->IsSplit());
    Step();
    p1.itemStack->Add(kItemIceWand, 0);
    ASSERT_TRUE(p1.UseCurrentItem());
    const auto split = WindowOffsets(stage, step);
    EXPECT_TRUE(Still(split.first));
    EXPECT_EQ(split.second, shared.first);   // the same shake, in player 2's half only

    stage.GetMaze()->ToggleBlockTraps();
    const auto traps = WindowOffsets(stage, step);
    EXPECT_EQ(traps.first, shared.first);
    EXPECT_EQ(traps.second, shared.first);
}

// Player 2 plays by hand only with an input device; the demo gives both to the computer.
TEST_F(ZELKAStageTest, ControlIsHumanForADeviceAndTheComputerOtherwiseOrInTheDemo)
{
    const auto controls = [this] {
        ZELKAStage& stage = Load(kVersus2P, 60000);
        std::vector<const char*> kinds;
        for (const int player : {1, 2}) {
            Cog* control = stage.GetPlayer(player)->control.get();
            kinds.push_back(dynamic_cast<ManualLogic*>(control) != nullptr ? "human"
                            : dynamic_cast<AILogic*>(control) != nullptr  ? "computer"
                                                                           : "none");
        }
        return std::vector<std::string>(kinds.begin(), kinds.end());
    };
    GameData::player2->ClearInputMapping();
    EXPECT_EQ(controls(), (std::vector<std::string>{"human", "computer"}));
    GameData::player2->SetInputHardware(InputKeyboard::New());
    GameData::player2->ResetCurrentInputMapping(true);
    ASSERT_NE(GameData::player2->GetInputMapping(), nullptr);
    EXPECT_EQ(controls(), (std::vector<std::string>{"human", "human"}));
    GameData::isDemoMode = true;
    EXPECT_EQ(controls(), (std::vector<std::string>{"computer", "computer"}));
    GameData::player2->ClearInputMapping();
}

}  // namespace
}  // namespace zelka
