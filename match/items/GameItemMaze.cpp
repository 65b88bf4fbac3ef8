#include "match/items/GameItemMaze.h"

#include "match/MatchConstants.h"
#include "match/maze/GameMaze.h"

namespace zelka {

float GameItemMaze::TileCenterX(int c) const
{
    return maze_.TileCenterX(c);
}

float GameItemMaze::TileCenterY(int r) const
{
    return maze_.TileCenterY(r);
}

bool GameItemMaze::HasWallAt(int c, int r) const
{
    const TileMap& walls = *maze_.GetMazeWalls();
    return walls.IsInside(c, r) && walls.GetTile(c, r) != kEmptyTile;
}

bool GameItemMaze::IsTrapFloorAt(int c, int r) const
{
    return maze_.IsTrapFloor(c, r);
}

bool GameItemMaze::AreBlocksUp() const
{
    return maze_.GetMazeBaseGDO()->AreBlocksUp();
}

void GameItemMaze::ToggleBlockTraps()
{
    maze_.ToggleBlockTraps();
}

}  // namespace zelka
