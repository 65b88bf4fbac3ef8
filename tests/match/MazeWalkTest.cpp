// A character walks a generated maze only by the maze's answers to its turn and move
// events: from its start tile to a dead end, and back.

#include "match/maze/GameMaze.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

#include "MatchTestSupport.h"
#include "match/character/Character.h"

namespace zelka {
namespace {

using matchtest::kStep;

// Tiles from `from` to the nearest dead-end cell tile, through open tiles.
std::vector<TilePos> PathToDeadEnd(const GameMaze& maze, TilePos from)
{
    std::map<std::pair<int, int>, TilePos> parent;
    std::deque<TilePos> queue{from};
    parent[{from.c, from.r}] = from;
    while (!queue.empty()) {
        const TilePos t = queue.front();
        queue.pop_front();
        int open = 0;
        for (int d = 0; d < kDirCount; ++d) open += maze.IsWall(t.c + kDirStepC[d], t.r + kDirStepR[d]) ? 0 : 1;
        if (open == 1 && t.c % 2 == 1 && t.r % 2 == 1 && !(t == from)) {
            std::vector<TilePos> path{t};
            while (!(path.back() == from)) path.push_back(parent[{path.back().c, path.back().r}]);
            std::reverse(path.begin(), path.end());
            return path;
        }
        for (int d = 0; d < kDirCount; ++d) {
            const TilePos n{t.c + kDirStepC[d], t.r + kDirStepR[d]};
            if (!maze.IsWall(n.c, n.r) && parent.emplace(std::make_pair(n.c, n.r), t).second) {
                queue.push_back(n);
            }
        }
    }
    return {};
}

int DirBetween(TilePos a, TilePos b)
{
    for (int d = 0; d < kDirCount; ++d) {
        if (a.c + kDirStepC[d] == b.c && a.r + kDirStepR[d] == b.r) return d;
    }
    return kDirNone;
}

class MazeWalkTest : public matchtest::MazeFixture {
protected:
    // Walks the path, asking the maze before every turn; checks after every update that
    // the figure's box overlaps no wall tile. The number of updates, or -1 when stuck.
    int Walk(const std::vector<TilePos>& path)
    {
        size_t k = 0;
        for (int n = 0; n < 20000; ++n) {
            const TilePos here{maze_->TileColAt(w_->position->x), maze_->TileRowAt(w_->position->y)};
            while (k + 1 < path.size() && !(path[k] == here)) ++k;
            if (k + 1 == path.size() && std::fabs(w_->position->x - maze_->TileCenterX(here.c)) < 4 &&
                std::fabs(w_->position->y - maze_->TileCenterY(here.r)) < 4) {
                return n;
            }
            if (k + 1 < path.size()) {
                w_->SetDirection(DirBetween(path[k], path[k + 1]));   // the maze may refuse
            }
            Step();
            EXPECT_FALSE(OverlapsWall()) << "update " << n;
            if (OverlapsWall()) return -1;
        }
        return -1;
    }

    // One match update: the character moves, its box follows, the move event goes out.
    void Step()
    {
        w_->Update(kStep);
        stage_->collisionAnchor->Set(w_->position->x, w_->position->y);
        EventManager::SendEvent(w_.get(), kEventMoved, stage_.get());
    }

    bool OverlapsWall() const
    {
        const float x = w_->position->x;
        const float y = w_->position->y;
        for (int r = maze_->TileRowAt(y) - 1; r <= maze_->TileRowAt(y) + 1; ++r) {
            for (int c = maze_->TileColAt(x) - 1; c <= maze_->TileColAt(x) + 1; ++c) {
                if (maze_->IsWall(c, r) && std::fabs(maze_->TileCenterX(c) - x) < 32.0f - 1e-3f &&
                    std::fabs(maze_->TileCenterY(r) - y) < 32.0f - 1e-3f) {
                    return true;
                }
            }
        }
        return false;
    }

    Ref<GameMaze> maze_;
    Ref<Character> w_;
    Ref<PlayerStageData> stage_ = std::make_shared<PlayerStageData>();
};

TEST_F(MazeWalkTest, ACharacterWalksToADeadEndAndBackWithoutEnteringAWall)
{
    stage_->collisionBox = CollisionBox::New(stage_->collisionAnchor, 0, 0, 32, 32, nullptr);
    for (uint32_t seed : {5u, 77u, 2026u}) {
        auto cells = Versus(16, 15, seed);
        maze_ = MakeMaze(*cells);
        EventManager::RemoveAllListeners();
        w_ = Character::New(U"Player1", nullptr);
        const TilePos start = cells->VersusStartTile(1);
        w_->position->Set(maze_->TileCenterX(start.c), maze_->TileCenterY(start.r));
        EventManager::RegisterListener(maze_, w_, kEventAnyId);
        w_->SetDirection(maze_->GetFirstExitFromCell(start.c, start.r));
        stage_->tileC = -1;
        const std::vector<TilePos> there = PathToDeadEnd(*maze_, start);
        ASSERT_GE(there.size(), 2u);
        ASSERT_GT(Walk(there), 0) << "seed " << seed;
        EXPECT_EQ(stage_->tileC, there.back().c);
        EXPECT_EQ(stage_->tileR, there.back().r);
        // Facing the dead end's wall it rests 3 px short of the centre, inside the window.
        for (int n = 0; n < 10; ++n) Step();
        const float off = std::fabs(w_->position->x - maze_->TileCenterX(there.back().c)) +
                          std::fabs(w_->position->y - maze_->TileCenterY(there.back().r));
        EXPECT_NEAR(off, 3.0f, 1e-3f);
        std::vector<TilePos> back(there.rbegin(), there.rend());
        ASSERT_GT(Walk(back), 0) << "seed " << seed;
        EXPECT_EQ(stage_->tileC, start.c);
        EXPECT_EQ(stage_->tileR, start.r);
        w_->Deallocate();
    }
}

}  // namespace
}  // namespace zelka
