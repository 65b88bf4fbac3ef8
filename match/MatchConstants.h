#pragma once

namespace zelka {

// Cell maze values (ExtendedMaze). Bits 0-3: walls, set while the wall stands.
inline constexpr int kWallNorth = 1;
inline constexpr int kWallSouth = 2;
inline constexpr int kWallWest = 4;
inline constexpr int kWallEast = 8;
inline constexpr int kWallsMask = 0xF;
inline constexpr int kCellAllWalls = 15;      // a fresh cell: four walls, no flags
// Bits 8-11: cell flags.
inline constexpr int kCellTrap = 0x100;       // block trap
inline constexpr int kCellItemSpot = 0x200;   // item spot (idol track only)
inline constexpr int kCellOpen = 0x400;       // at most one wall: a falling rock may go here
inline constexpr int kCellFlagsMask = 0xF00;

// Idol track: every track is this wide; the race uses this height (cells).
inline constexpr int kRaceTrackWidth = 18;
inline constexpr int kRaceTrackHeight = 19;
// Bits of the track orientation code returned by GenerateRFTIMaze.
inline constexpr int kTrackStartOnRight = 1;  // the players start in the rightmost column
inline constexpr int kTrackIdolOnRight = 2;   // the idol lies in the rightmost column

// Directions in the match.
inline constexpr int kDirNone = -1;
inline constexpr int kDirRight = 0;
inline constexpr int kDirLeft = 1;
inline constexpr int kDirUp = 2;
inline constexpr int kDirDown = 3;

// Tile grid over the cell maze: (2w + 1) x (2h + 1) tiles, cell (x, y) on tile (2x + 1, 2y + 1).
inline constexpr int kTileSize = 32;          // px

}  // namespace zelka
