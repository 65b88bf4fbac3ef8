#pragma once

// Helpers shared by the maze tests: an independent copy of the generator's step, and
// walking the maze through its open walls.

#include "match/MatchConstants.h"
#include "match/maze/ExtendedMaze.h"

#include <cstdint>
#include <unistd.h>
#include <deque>
#include <utility>
#include <vector>

namespace zelka::mazetest {

// The shared generator's step, written out again so tests do not lean on Rnd itself.
inline float NextDraw(uint32_t& seed)
{
    seed = seed * 1664525u + 1013904223u;
    return static_cast<float>(seed >> 8) / 16777216.0f;
}

inline uint32_t AdvanceSeed(uint32_t seed, int draws)
{
    for (int k = 0; k < draws; ++k) NextDraw(seed);
    return seed;
}

// For death tests: fatal errors print on standard output, death tests read standard error.
inline void StdoutToStderr()
{
    dup2(2, 1);
}

// The walls facing each other between a cell and its neighbour in direction (dx, dy).
struct FacingWalls {
    int own;
    int other;
};

inline FacingWalls WallsToward(int dx, int dy)
{
    if (dx > 0) return {kWallEast, kWallWest};
    if (dx < 0) return {kWallWest, kWallEast};
    if (dy < 0) return {kWallNorth, kWallSouth};
    return {kWallSouth, kWallNorth};
}

// A passage exists when neither cell has its wall on the shared edge (the tile map
// draws the union of both sides).
inline bool IsPassage(const ExtendedMaze& maze, int x, int y, int dx, int dy)
{
    const int a = maze.GetCell2(x, y);
    const int b = maze.GetCell2(x + dx, y + dy);
    if (a < 0 || b < 0) return false;
    const FacingWalls w = WallsToward(dx, dy);
    return (a & w.own) == 0 && (b & w.other) == 0;
}

inline constexpr int kStepX[] = {1, -1, 0, 0};
inline constexpr int kStepY[] = {0, 0, -1, 1};

// Cells reachable from (x, y) through passages, as visited marks by cell index. Cells
// for which `allowed` is false are never entered; `closed` (a pair of cell indices) is
// treated as walled.
template <typename Allowed>
std::vector<char> Reachable(const ExtendedMaze& maze, int x, int y, Allowed allowed,
                            std::pair<int, int> closed = {-1, -1})
{
    std::vector<char> seen(maze.MazeWidth() * maze.MazeHeight(), 0);
    std::deque<int> queue{maze.CellIndex(x, y)};
    seen[queue.front()] = 1;
    while (!queue.empty()) {
        const int i = queue.front();
        queue.pop_front();
        const int cx = maze.XFromIndex(i);
        const int cy = maze.YFromIndex(i);
        for (int d = 0; d < 4; ++d) {
            const int j = maze.CellIndex(cx + kStepX[d], cy + kStepY[d]);
            const bool isClosed = (i == closed.first && j == closed.second) ||
                                  (i == closed.second && j == closed.first);
            if (j < 0 || seen[j] || isClosed || !allowed(j) ||
                !IsPassage(maze, cx, cy, kStepX[d], kStepY[d])) {
                continue;
            }
            seen[j] = 1;
            queue.push_back(j);
        }
    }
    return seen;
}

inline std::vector<char> Reachable(const ExtendedMaze& maze, int x, int y)
{
    return Reachable(maze, x, y, [](int) { return true; });
}

}  // namespace zelka::mazetest
