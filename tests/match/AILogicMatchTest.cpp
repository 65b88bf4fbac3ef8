// A computer player left alone in a generated versus maze for five minutes of match time,
// with gems on every floor tile that come back after a while as in a versus match.

#include "match/ai/AILogic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "AITestSupport.h"

namespace zelka {
namespace {

constexpr int kMatchMs = 5 * 60 * 1000;
constexpr int kGemRespawnMs = 20625;     // a taken versus gem comes back after this
constexpr int kMaxStandingMs = 3000;     // "a few seconds"
// The nearest gems can lie far off once the AI has cleared its part of the maze; the
// longest walk between two gems seen over these seeds took 10.4 s.
constexpr int kMaxGapMs = 15000;

struct Respawn {
    int c;
    int r;
    int at;   // ms
};

struct RunStats {
    int taken = 0;
    int longestGapMs = 0;        // between two takes while gems lay on the map
    int longestStandingMs = 0;   // not moving while gems lay on the map
    bool leftGrid = false;
};

class AILogicMatchTest : public aitest::AIFixture {
protected:
    int PutGemsEverywhere()
    {
        int gems = 0;
        for (int r = 1; r < maze_->GetRows() - 1; ++r) {
            for (int c = 1; c < maze_->GetCols() - 1; ++c) {
                if (!maze_->IsWall(c, r) && !maze_->IsTrapFloor(c, r)) {
                    Put(c, r, kItemGem);
                    ++gems;
                }
            }
        }
        return gems;
    }

    RunStats Run()
    {
        RunStats stats;
        MazeTileMap& map = *maze_->GetMazeBaseGDO();
        int onMap = PutGemsEverywhere();
        std::deque<Respawn> respawns;
        int lastTake = 0;
        int still = 0;
        Vector last = *me_->character->position;
        for (int t = 0; t < kMatchMs; t += matchtest::kStep) {
            while (!respawns.empty() && respawns.front().at <= t) {
                Put(respawns.front().c, respawns.front().r, kItemGem);
                respawns.pop_front();
                ++onMap;
            }
            Step();
            const int c = me_->tileC;
            const int r = me_->tileR;
            if (c < 1 || r < 1 || c > maze_->GetCols() - 2 || r > maze_->GetRows() - 2) {
                stats.leftGrid = true;
                return stats;
            }
            if (map.GetItemAtCell(c, r)) {   // the stand-in pick-up: on the tile
                map.SetItemAtCell(c, r, nullptr);
                respawns.push_back({c, r, t + kGemRespawnMs});
                --onMap;
                ++stats.taken;
                lastTake = t;
            }
            const Vector& p = *me_->character->position;
            still = std::fabs(p.x - last.x) + std::fabs(p.y - last.y) < 1e-3f ? still + matchtest::kStep : 0;
            last = p;
            if (onMap > 0) {
                stats.longestStandingMs = std::max(stats.longestStandingMs, still);
                stats.longestGapMs = std::max(stats.longestGapMs, t - lastTake);
            } else {
                lastTake = t;
            }
        }
        return stats;
    }
};

TEST_F(AILogicMatchTest, LeftAloneItCollectsGemsSteadilyOnEveryMazeSize)
{
    struct Size {
        int w;
        int h;
    };
    for (const Size size : {Size{10, 9}, Size{16, 15}, Size{24, 25}}) {
        for (uint32_t seed : {7u, 1999u, 31337u, 424242u}) {
            auto cells = Versus(size.w, size.h, seed);
            Build(*cells, cells->VersusStartTile(2), cells->VersusStartTile(1));
            const RunStats stats = Run();
            SCOPED_TRACE(testing::Message() << size.w << "x" << size.h << " seed " << seed);
            EXPECT_FALSE(stats.leftGrid);
            EXPECT_LE(stats.longestStandingMs, kMaxStandingMs);
            EXPECT_LE(stats.longestGapMs, kMaxGapMs);
            // About one tile per 320 ms at 100 px/s: most steps should take a gem.
            EXPECT_GE(stats.taken, kMatchMs / 320 / 2);
            me_->character->Deallocate();
            them_->character->Deallocate();
        }
    }
}

}  // namespace
}  // namespace zelka
