#pragma once

#include "engine/collision/Rectangle.h"
#include "engine/core/EventManager.h"
#include "match/maze/MazeTileMap.h"
#include "platform/core/Text.h"

#include <vector>

namespace zelka {

class ExtendedMaze;
class MazeWalker;
class PlayerStageData;

// The match maze: the tile grid over a cell maze, its drawable MazeTileMap, a distance
// field toward a goal, and the rules that keep the characters on the grid. It listens to
// the characters' turn (0) and move (1) events and answers them: turning window, wall push,
// digging, wall breaking, trails, falling rocks, ice.
//
// Positions are relative to the tile map's centre: tile (c, r) has its centre at
// (c * 32 + 16 - columns * 16, r * 32 + 16 - rows * 16).
class GameMaze : public Object, public EventListener {
public:
    // Tiles from the current world's "mazeset.png" and "floorset.png" (and the root
    // "lightmap.png" in a dark world); walls and corners of every cell, traps on trap cells,
    // rocks on open cells in a world of falling rocks, then autotiling (randomised).
    static Ref<GameMaze> New(const ExtendedMaze& maze, const String& name);
    // The same with the world's flags given (kWorldIce | kWorldFallingRocks | kWorldDarkness).
    static Ref<GameMaze> New(const ExtendedMaze& maze, const String& name, int worldFlags);

    const Ref<MazeTileMap>& GetMazeBaseGDO() const { return map_; }
    const Ref<TileMap>& GetMazeWalls() const { return map_->GetWalls(); }
    const Ref<TileMap>& GetMazeFloor() const { return map_->GetFloor(); }
    int GetCols() const { return columns_; }
    int GetRows() const { return rows_; }
    int GetWorldFlags() const { return worldFlags_; }
    bool IsCellPosValid(int c, int r) const;

    // ---- Geometry (relative to the map's centre, px).
    float TileCenterX(int c) const { return map_->TileCenterX(c); }
    float TileCenterY(int r) const { return map_->TileCenterY(r); }
    // The tile under a point; floor, so points left of or above the map give negatives.
    int TileColAt(float x) const;
    int TileRowAt(float y) const;
    bool IsWall(int c, int r) const;            // outside counts as wall
    bool IsBorder(int c, int r) const;          // the outer ring of tiles
    bool IsTrapFloor(int c, int r) const;

    // ---- Distance field (tiles of walking distance, -1 unknown).
    void ClearDistanceArray();
    void SetCellDistInfo(int c, int r, int value);     // ignored outside
    int GetCellDistInfo(int c, int r) const;           // -1 outside
    int GetCellDistInfoWithDir(int c, int r, int dir) const;
    // Walking distances from the goal through non-wall tiles (traps ignored).
    void ComputeDistancesToGoal(int c, int r);
    // The neighbour (right, left, up, down; first wins a tie) with the smallest distance
    // below this tile's; -1 on the goal, outside, or without a distance.
    int GetNavigationDirAt(int c, int r) const;

    // ---- Movement queries.
    // Whether the walker on tile (c, r) may turn to dir now: the tile ahead is open (or a
    // wall it may enter: interior walls for diggers and for the wall-breaker unless it is a
    // raised trap) and the walker is less than 4 px from the tile's centre on both axes.
    // With snap an accepted turn puts the walker on the centre.
    bool CanChangeDirTo(MazeWalker& walker, int c, int r, int dir, bool snap);
    // Not a wall, and not a trap floor while the traps are up.
    bool IsCellClear(int c, int r) const;
    bool CoordIsNearTileCenter(float x, float y) const;
    // The first open way out of a tile for a start direction; -1 on the border or none.
    int GetFirstExitFromCell(int c, int r) const;
    // Raises the traps when they are down, else lowers them.
    void ToggleBlockTraps();

    // Events 0 and 1 from a MazeWalker (see the class comment); others are ignored.
    void HandleEvent(Object* source, int id, Object* data) override;

    const Rectangle& GetProbe() const { return probe_; }

private:
    void Build(const ExtendedMaze& maze);
    void ClampToMap(Vector& position) const;
    void HandleTurn(MazeWalker& walker, int c, int r, Object* data);
    void HandleMove(MazeWalker& walker, int c, int r, PlayerStageData* stage);
    void PushOffWall(MazeWalker& walker, int c, int r, PlayerStageData* stage);
    void BreakWall(int c, int r);
    void LeaveTrail(int fromC, int fromR, int toC, int toR);
    void CheckRock(MazeWalker& walker, int c, int r);
    void ApplyIce(MazeWalker& walker, int c, int r);

    Ref<MazeTileMap> map_;
    int columns_ = 0;
    int rows_ = 0;
    int worldFlags_ = 0;
    std::vector<int> distance_;
    Rectangle probe_;
    Vector push_;
};

}  // namespace zelka
