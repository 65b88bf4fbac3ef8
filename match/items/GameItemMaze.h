#pragma once

#include "match/items/ItemUser.h"

namespace zelka {

class GameMaze;

// The item effects' view of the match maze.
class GameItemMaze : public ItemMaze {
public:
    // Not owned: the maze outlives the effect it is lent to.
    explicit GameItemMaze(GameMaze& maze) : maze_(maze) {}

    // Implements ItemMaze.
    float TileCenterX(int c) const override;
    float TileCenterY(int r) const override;
    // Outside the wall layer there is no wall to stand in.
    bool HasWallAt(int c, int r) const override;
    bool IsTrapFloorAt(int c, int r) const override;
    bool AreBlocksUp() const override;
    void ToggleBlockTraps() override;

private:
    GameMaze& maze_;
};

}  // namespace zelka
