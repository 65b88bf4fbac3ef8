#pragma once

#include <array>

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

// Directions in the match (the joystick's movement queries number them differently).
inline constexpr int kDirNone = -1;
inline constexpr int kDirRight = 0;
inline constexpr int kDirLeft = 1;
inline constexpr int kDirUp = 2;
inline constexpr int kDirDown = 3;
inline constexpr int kDirCount = 4;
// Tile steps per direction, indexed by the direction number.
inline constexpr std::array<int, kDirCount> kDirStepC = {1, -1, 0, 0};
inline constexpr std::array<int, kDirCount> kDirStepR = {0, 0, -1, 1};

// Neighbour orders. The order decides ties, so a seeded match depends on it.
// Left, right, up, down: maze candidates, the computer player, item scans, human turns.
inline constexpr std::array<int, kDirCount> kOrderLRUD = {kDirLeft, kDirRight, kDirUp, kDirDown};
// Right, left, up, down: the distance field, navigation, first exits, the shovel.
inline constexpr std::array<int, kDirCount> kOrderRLUD = {kDirRight, kDirLeft, kDirUp, kDirDown};

// Tile-side masks (wall neighbours and floor trails; differ from the cell wall bits above).
inline constexpr int kSideUp = 1;
inline constexpr int kSideDown = 2;
inline constexpr int kSideLeft = 4;
inline constexpr int kSideRight = 8;
inline constexpr int kSidesMask = 15;
// The side mask toward each direction, indexed by the direction number.
inline constexpr std::array<int, kDirCount> kDirSide = {kSideRight, kSideLeft, kSideUp, kSideDown};

// Tile grid over the cell maze: (2w + 1) x (2h + 1) tiles, cell (x, y) on tile (2x + 1, 2y + 1).
inline constexpr int kTileSize = 32;          // px
inline constexpr int kHalfTile = 16;          // px

// Match time: every update adds this step (1000 / 60 updates per second, integer).
inline constexpr int kMatchStepMs = 16;

// ---- Tile map.
inline constexpr int kEmptyTile = -1;               // not drawn
inline constexpr int kVisibilityBlock = 4;          // tiles per culling block side
inline constexpr int kWallTile = 1;                 // wall placeholder before autotiling
inline constexpr int kHorizontalWall = kSideLeft | kSideRight;   // 12: the piece with variants
inline constexpr int kFirstWallVariant = 16;        // wall tiles 16.. vary the piece 12
inline constexpr int kWallVariantPercent = 60;      // a variant shows when r * 100 >= 60
inline constexpr int kTrailFloorTiles = 17;         // a floor set this big has trails
inline constexpr int kBreakAnimations = 8;          // pool size
inline constexpr float kTurnWindow = 4.0f;          // px from a tile centre, strict
inline constexpr float kMapClampInset = 48.0f;      // px a character keeps from the map edge
inline constexpr float kProbeHalfExtent = 19.0f;    // px, wall probe half width and height
// Light layer: the breathing radius (tiles), quadratic in-out, back and forth.
inline constexpr float kLightBreathFrom = 5.0f;
inline constexpr float kLightBreathTo = 3.0f;
inline constexpr int kLightBreathMs = 1200;

// ---- Maze elements.
inline constexpr int kTrapRaisedMs = 5000;          // block traps stay up this long
inline constexpr int kTrapLiftPerFrame = 16;        // px an item rides up per trap frame
inline constexpr int kTrapAboveCentre = 8;          // px the trap sprite sits above its tile
inline constexpr int kRockAboveCentre = 31;         // px the rock sprite sits above its tile
inline constexpr int kRockWaitMs = 4000;            // hidden before each fall (> 3999)
inline constexpr int kRockLandedMs = 1000;          // blinking after the fall (> 999)
inline constexpr int kRockBlinkPeriodMs = 60;       // shown the first 30 ms of each period
inline constexpr int kRockImpactStep = 4;           // the impact plays at the first step above
inline constexpr float kRockDangerProgress = 0.5f;  // confuses above this fall progress
inline constexpr int kRockConfusionMs = 5000;
inline constexpr int kQuakeMs = 300;
inline constexpr float kIceAccel = 300.0f;          // px/s^2 on ice

// ---- Characters.
inline constexpr int kCharWalking = 0;
inline constexpr int kCharTeleporting = 1;
inline constexpr int kCharDigAnimation = 2;         // going down or coming up
inline constexpr int kCharUnderground = 3;
// Buff types (at most one at a time), then debuff types (likewise).
inline constexpr int kBuffNone = 0;
inline constexpr int kBuffWallBreaker = 1;
inline constexpr int kBuffTurbo = 2;
inline constexpr int kDebuffConfused = 3;           // turns inverted
inline constexpr int kDebuffSlow = 4;
inline constexpr int kDebuffFrozen = 5;

// ---- Sound effects of the maze.
inline constexpr int kSfxConfused = 8;              // per player channel
inline constexpr int kSfxWallBreak = 23;
inline constexpr int kSfxRockImpact = 26;

}  // namespace zelka
