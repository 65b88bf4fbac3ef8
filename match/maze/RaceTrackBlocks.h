#pragma once

#include <span>

namespace zelka::racetrack {

// One prefab block of the idol track, row after row, 18 entries a row (column 0 first),
// as drawn unmirrored. Wall entries hold the cell's wall bits + 1; flag entries hold 0
// (none) or 16 + (flag >> 8): 17 block trap, 18 item spot, 20 open cell.
struct Block {
    std::span<const int> walls;
    std::span<const int> flags;
};

// Rows 0 and 1 of the track: both lanes meet at column 0 between the two rows (the idol).
Block TopBlock();
// The last two rows: both lanes end in dead ends at column 17 (the players' starts).
Block BottomBlock();
// The middle block of 2 to 6 rows, entered from above in columns 16 and 17 and left
// downward in columns 0 and 1. Empty spans for any other row count.
Block MiddleBlock(int rows);

}  // namespace zelka::racetrack
