#include "match/maze/ExtendedMaze.h"

#include "engine/core/Random.h"
#include "match/MatchConstants.h"
#include "match/maze/RaceTrackBlocks.h"
#include "platform/core/Fatal.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace zelka {

namespace {

constexpr int kRandomTrapCount = 4;     // random block traps per half, at most
constexpr int kNeighbourCount = 4;      // left, right, up, down
constexpr int kWallsOutside = 4;        // a cell outside the grid counts as walled in
constexpr int kMaxCorridorWalls = 2;    // more walls than this: a dead end
constexpr int kMaxOpenCellWalls = 1;    // a falling rock needs a cell this open
constexpr int kFlagShift = 8;           // flags sit above the low byte
constexpr int kMaxMiddleBlockRows = 6;
constexpr int kMinMiddleBlockRows = 2;
constexpr int kEdgeBlockRows = 2;       // rows of the top block and of the bottom block
constexpr int kMinTrackHeight = 6;
constexpr float kPercent = 100.0f;              // the top block's draw is read as 0-100
constexpr float kTopMirrorThreshold = 50.0f;    // mirrored from 50 up: even odds
constexpr int kFlagEntryBase = 16;      // prefab flag entry = 16 + (flag >> 8)
constexpr int kLowByte = 0xFF;

}  // namespace

Ref<ExtendedMaze> ExtendedMaze::New(int width, int height)
{
    auto maze = std::make_shared<ExtendedMaze>();
    maze->InitMaze(width, height);
    return maze;
}

void ExtendedMaze::InitMaze(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    cells_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), kCellAllWalls);
}

void ExtendedMaze::ResetMaze()
{
    std::fill(cells_.begin(), cells_.end(), kCellAllWalls);
}

bool ExtendedMaze::IsValidCell(int x, int y) const
{
    return x >= 0 && x < width_ && y >= 0 && y < height_;
}

int ExtendedMaze::CellIndex(int x, int y) const
{
    return IsValidCell(x, y) ? x + y * width_ : -1;
}

int ExtendedMaze::XFromIndex(int i) const
{
    return width_ > 0 ? i - YFromIndex(i) * width_ : 0;
}

int ExtendedMaze::YFromIndex(int i) const
{
    if (width_ == 0) {
        return 0;
    }
    // Floor, not truncation, so negative indices land in row -1 and below.
    return i >= 0 ? i / width_ : -((-i + width_ - 1) / width_);
}

int ExtendedMaze::GetCell(int i) const
{
    return i >= 0 && i < static_cast<int>(cells_.size()) ? cells_[i] : -1;
}

int ExtendedMaze::GetCell2(int x, int y) const
{
    return GetCell(CellIndex(x, y));
}

void ExtendedMaze::SetCell(int i, int value)
{
    if (i >= 0 && i < static_cast<int>(cells_.size())) {
        cells_[i] = value;
    }
}

void ExtendedMaze::SetCell2(int x, int y, int value)
{
    SetCell(CellIndex(x, y), value);
}

void ExtendedMaze::SetCellFlag(int i, int flag)
{
    if (flag >= 0 && GetCell(i) >= 0) {
        cells_[i] |= flag & kCellFlagsMask;
    }
}

void ExtendedMaze::SetCellFlag2(int x, int y, int flag)
{
    SetCellFlag(CellIndex(x, y), flag);
}

int ExtendedMaze::GetCellFlag(int x, int y) const
{
    return GetCellFlag2(CellIndex(x, y));
}

int ExtendedMaze::GetCellFlag2(int i) const
{
    const int cell = GetCell(i);
    return cell < 0 ? kCellFlagsMask : cell & kCellFlagsMask;
}

int ExtendedMaze::WallsAt(int i) const
{
    const int cell = GetCell(i);
    return cell < 0 ? kWallsOutside : std::popcount(static_cast<unsigned>(cell & kWallsMask));
}

int ExtendedMaze::WallsAt2(int x, int y) const
{
    return WallsAt(CellIndex(x, y));
}

bool ExtendedMaze::IsDeadEnd(int i) const
{
    return WallsAt(i) > kMaxCorridorWalls;
}

int ExtendedMaze::MirrorIndex(int i) const
{
    if (GetCell(i) < 0) {
        return -1;
    }
    return CellIndex(width_ - 1 - XFromIndex(i), YFromIndex(i));
}

int ExtendedMaze::GetNeighborIndex(int i, int dx, int dy) const
{
    if (GetCell(i) < 0) {
        return -1;
    }
    const int sx = (dx > 0) - (dx < 0);
    const int sy = (dy > 0) - (dy < 0);
    return CellIndex(XFromIndex(i) + sx, YFromIndex(i) + sy);
}

int ExtendedMaze::MirrorCellValue(int value)
{
    const int low = value & kLowByte;
    const int west = (low & kWallWest) ? kWallEast : 0;
    const int east = (low & kWallEast) ? kWallWest : 0;
    return (low & ~(kWallWest | kWallEast)) | west | east;
}

void ExtendedMaze::RemoveWall(int a, int b)
{
    if (GetCell(a) < 0 || GetCell(b) < 0) {
        return;
    }
    const int ax = XFromIndex(a);
    const int ay = YFromIndex(a);
    const int bx = XFromIndex(b);
    const int by = YFromIndex(b);
    if (ax != bx && ay != by) {
        RuntimeError("removing walls diagonally is not a supported operation");
    }
    int wallOfA = 0;
    int wallOfB = 0;
    if (by == ay && bx == ax + 1) {
        wallOfA = kWallEast;
        wallOfB = kWallWest;
    } else if (by == ay && bx == ax - 1) {
        wallOfA = kWallWest;
        wallOfB = kWallEast;
    } else if (bx == ax && by == ay - 1) {
        wallOfA = kWallNorth;
        wallOfB = kWallSouth;
    } else if (bx == ax && by == ay + 1) {
        wallOfA = kWallSouth;
        wallOfB = kWallNorth;
    } else {
        return;  // same cell, or two apart
    }
    // Only the low byte survives: opening a wall also clears both cells' flags.
    cells_[a] = cells_[a] & kLowByte & ~wallOfA;
    cells_[b] = cells_[b] & kLowByte & ~wallOfB;
}

void ExtendedMaze::GenerateMaze()
{
    if (width_ % 2 != 0) {
        RuntimeError("Maze width must be even!");
    }
    // The walker starts at (width/2 - 1, height/2): it needs a column on each side of the
    // centre line and at least one row.
    if (width_ < 2 || height_ < 1) {
        RuntimeError("Maze must be at least 2 x 1 cells!");
    }
    CarveMirroredWalk();
    PlaceBlockTraps();
    const int left = width_ / 2 - 1;
    RemoveWall(CellIndex(left, 0), CellIndex(left + 1, 0));
    RemoveWall(CellIndex(left, height_ - 1), CellIndex(left + 1, height_ - 1));
    FlagOpenCells();
}

// Depth-first walk over the left half, every step copied onto the right half. A cell is
// a candidate only if its mirror is unvisited too, so the walker never steps onto the
// centre line's other side. One draw per step: width * height / 2 - 1 draws.
void ExtendedMaze::CarveMirroredWalk()
{
    const int total = width_ * height_;
    std::vector<char> visited(total, 0);
    std::vector<int> backtrack;
    backtrack.reserve(total / 2);
    int a = CellIndex(width_ / 2 - 1, height_ / 2);
    int g = MirrorIndex(a);
    visited[a] = 1;
    visited[g] = 1;
    int count = 2;
    // Left, right, up, down: the order fixes which cell a draw picks.
    static constexpr int kStepX[kNeighbourCount] = {-1, 1, 0, 0};
    static constexpr int kStepY[kNeighbourCount] = {0, 0, -1, 1};
    int candidates[kNeighbourCount];
    while (count < total) {
        int n = 0;
        for (int d = 0; d < kNeighbourCount; ++d) {
            const int c = GetNeighborIndex(a, kStepX[d], kStepY[d]);
            if (c >= 0 && !visited[c] && !visited[MirrorIndex(c)]) {
                candidates[n++] = c;
            }
        }
        if (n == 0) {
            assert(!backtrack.empty());  // the left half is connected
            a = backtrack.back();
            backtrack.pop_back();
            g = MirrorIndex(a);
            continue;
        }
        backtrack.push_back(a);
        const float r = random::Rnd();
        const int chosen = candidates[static_cast<int>(n * r)];
        const int mirror = MirrorIndex(chosen);
        RemoveWall(a, chosen);
        RemoveWall(g, mirror);
        a = chosen;
        g = mirror;
        visited[a] = 1;
        visited[g] = 1;
        count += 2;
    }
}

// Corner traps, then up to four random traps picked from the left half's corridor cells
// and copied to their mirrors. One draw per random trap.
void ExtendedMaze::PlaceBlockTraps()
{
    SetCellFlag2(0, 0, kCellTrap);
    SetCellFlag2(width_ - 1, 0, kCellTrap);
    SetCellFlag2(width_ - 1, height_ - 1, kCellTrap);
    SetCellFlag2(0, height_ - 1, kCellTrap);

    std::vector<int> spots;
    for (int x = 0; x < width_ / 2; ++x) {
        for (int y = 0; y < height_; ++y) {
            const int i = CellIndex(x, y);
            if (WallsAt(i) <= kMaxCorridorWalls && (GetCellFlag2(i) & kCellTrap) == 0) {
                spots.push_back(i);
            }
        }
    }
    for (int k = 0; k < kRandomTrapCount && !spots.empty(); ++k) {
        const int m = static_cast<int>(spots.size());
        // m - 1 as designed: the last spot is only taken once it is the only one left.
        const float r = random::Rnd();
        const auto pick = spots.begin() + static_cast<int>((m - 1) * r);
        const int i = *pick;
        spots.erase(pick);
        SetCellFlag(i, kCellTrap);
        SetCellFlag(MirrorIndex(i), kCellTrap);
    }
}

void ExtendedMaze::FlagOpenCells()
{
    for (int i = 0; i < static_cast<int>(cells_.size()); ++i) {
        if (WallsAt(i) <= kMaxOpenCellWalls && (cells_[i] & kCellTrap) == 0) {
            SetCellFlag(i, kCellOpen);
        }
    }
}

int ExtendedMaze::GenerateRFTIMaze()
{
    int code = GenerateRFTIMazeWithBlocks();
    while (code == -1) {
        std::puts("WARNING: Failed to do create a Race for the Idol track. Trying again!");
        code = GenerateRFTIMazeWithBlocks();
    }
    return code;
}

int ExtendedMaze::GenerateRFTIMazeWithBlocks()
{
    if (height_ < kMinTrackHeight) {
        RuntimeError("Height should be >= 6!");
    }
    if (width_ != kRaceTrackWidth) {
        RuntimeError("Maze width should be " + std::to_string(kRaceTrackWidth) + "!");
    }
    bool ok = true;
    const float x = random::Rnd() * kPercent;
    const bool topMirrored = x >= kTopMirrorThreshold;
    const racetrack::Block top = racetrack::TopBlock();
    ok = CopyRFTIPatternToMaze(top.walls, top.flags, 0, topMirrored) && ok;

    // Middle blocks of 2 to 6 rows fill rows 2 to height - 3, alternating the mirror so
    // each block's exit meets the next one's entry. A lone leftover row is never allowed.
    int rowsLeft = height_ - 2 * kEdgeBlockRows;
    int row = kEdgeBlockRows;
    bool mirrored = topMirrored;
    while (rowsLeft > 0) {
        const float r = random::Rnd();
        const int most = std::min(rowsLeft, kMaxMiddleBlockRows);
        int n = static_cast<int>(std::floor((most + 1 - kMinMiddleBlockRows) * r +
                                            static_cast<float>(kMinMiddleBlockRows)));
        if (rowsLeft - n == 1) {
            n = n == kMaxMiddleBlockRows ? kMaxMiddleBlockRows - 1 : n + 1;
        }
        ok = CopyRFTIPatternToMaze(GetRFTIWalls(n), GetRFTIFlags(n), row, mirrored) && ok;
        row += n;
        rowsLeft -= n;
        mirrored = !mirrored;
    }
    // The bottom block continues the last middle block's lanes: same mirror setting.
    const bool bottomMirrored = !mirrored;
    const racetrack::Block bottom = racetrack::BottomBlock();
    ok = CopyRFTIPatternToMaze(bottom.walls, bottom.flags, height_ - kEdgeBlockRows,
                               bottomMirrored) && ok;
    if (!ok) {
        return -1;
    }
    return (topMirrored ? kTrackIdolOnRight : 0) | (bottomMirrored ? 0 : kTrackStartOnRight);
}

bool ExtendedMaze::CopyRFTIPatternToMaze(std::span<const int> walls, std::span<const int> flags,
                                         int firstRow, bool mirrored)
{
    const int size = static_cast<int>(walls.size());
    if (size == 0 || size % kRaceTrackWidth != 0 || flags.size() != walls.size() ||
        width_ != kRaceTrackWidth) {
        return false;
    }
    const int rows = size / kRaceTrackWidth;
    if (firstRow < 0 || firstRow + rows > height_) {
        return false;
    }
    for (int row = 0; row < rows; ++row) {
        for (int x = 0; x < kRaceTrackWidth; ++x) {
            const int column = mirrored ? kRaceTrackWidth - 1 - x : x;
            const int entry = row * kRaceTrackWidth + column;
            int value = walls[entry] - 1;
            if (mirrored) {
                value = MirrorCellValue(value);
            }
            if (flags[entry] > 0) {
                value |= (flags[entry] - kFlagEntryBase) << kFlagShift;
            }
            SetCell2(x, firstRow + row, value);
        }
    }
    return true;
}

std::span<const int> ExtendedMaze::GetRFTIWalls(int rows) const
{
    const racetrack::Block block = racetrack::MiddleBlock(rows);
    if (block.walls.empty()) {
        RuntimeError("There's no RFTI block of " + std::to_string(rows) + " rows!");
    }
    return block.walls;
}

std::span<const int> ExtendedMaze::GetRFTIFlags(int rows) const
{
    const racetrack::Block block = racetrack::MiddleBlock(rows);
    if (block.flags.empty()) {
        RuntimeError("There's no RFTI flags block of " + std::to_string(rows) + " rows!");
    }
    return block.flags;
}

TilePos ExtendedMaze::VersusStartTile(int player) const
{
    assert(player == 1 || player == 2);
    // Tile (w - 1, h) is cell (w/2 - 1, h/2) for the odd heights the settings give.
    return TilePos{player == 1 ? width_ - 1 : width_ + 1, height_};
}

TilePos ExtendedMaze::RaceStartTile(int player, int orientation) const
{
    assert(player == 1 || player == 2);
    const int column = (orientation & kTrackStartOnRight) ? 2 * width_ - 1 : 1;
    // Player 1 in the bottom row, player 2 one cell above.
    return TilePos{column, player == 1 ? 2 * height_ - 1 : 2 * height_ - 3};
}

TilePos ExtendedMaze::RaceIdolTile(int orientation) const
{
    // Column 1 or the last interior column; row 2 is the passage between cell rows 0 and 1.
    const int column = (orientation & kTrackIdolOnRight) ? 2 * width_ - 1 : 1;
    return TilePos{column, 2};
}

}  // namespace zelka
