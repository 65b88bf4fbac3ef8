#include "match/stage/ZELKAStage.h"

#include "engine/core/Cog.h"
#include "engine/display/GDOWithTween.h"
#include "engine/stage/Window.h"
#include "engine/text/FXLabel.h"
#include "engine/text/Label.h"
#include "engine/particles/ParticleEmitter.h"
#include "engine/particles/ParticleEngine.h"
#include "match/character/Character.h"
#include "match/maze/ExtendedMaze.h"
#include "match/maze/GameMaze.h"
#include "match/maze/MazeTileMap.h"
#include "match/topbar/TopBar.h"
#include "tests/match/StageTestSupport.h"

#include <gtest/gtest.h>

namespace zelka {
namespace {

constexpr int kVersus2P = 1;
constexpr int kRace2P = 2;

// Counts the updates the stage gives its cogs.
class CountingCog final : public Cog {
public:
    void Update(int) override { ++updates; }
    int updates = 0;
};

using ZELKAStageTest = stagetest::StageFixture;

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

}  // namespace
}  // namespace zelka
