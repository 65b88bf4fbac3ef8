#pragma once

#include "platform/core/Ref.h"

#include <span>
#include <vector>

namespace zelka {

// A position on the tile grid over the cell maze (column, row): cell (x, y) is tile
// (2x + 1, 2y + 1); the tiles between cells are walls or passages.
struct TilePos {
    int c = 0;
    int r = 0;
    bool operator==(const TilePos&) const = default;
};

// The cell maze of one match: width x height cells, index = x + y * width (x from the
// left, y from the top). A cell holds its walls in bits 0-3 and its flags in bits 8-11
// (see MatchConstants.h). Every accessor checks its arguments and never touches memory
// outside the grid. Generation draws only from the shared generator random::Rnd, in a
// fixed order, so a seed reproduces the maze.
class ExtendedMaze {
public:
    // A 0 x 0 maze; InitMaze sizes it.
    ExtendedMaze() = default;
    // A maze of width x height cells, every cell 15. Negative sizes count as 0.
    static Ref<ExtendedMaze> New(int width, int height);

    // Resizes to width x height (negative sizes count as 0) and resets every cell.
    void InitMaze(int width, int height);
    // Every cell back to 15: four walls, no flags.
    void ResetMaze();

    int MazeWidth() const { return width_; }
    int MazeHeight() const { return height_; }

    bool IsValidCell(int x, int y) const;
    int CellIndex(int x, int y) const;        // -1 outside
    int XFromIndex(int i) const;              // i mod width (0 for a 0-wide maze)
    int YFromIndex(int i) const;              // floor(i / width) (0 for a 0-wide maze)

    int GetCell(int i) const;                 // -1 outside
    int GetCell2(int x, int y) const;         // -1 outside
    void SetCell(int i, int value);           // ignored outside
    void SetCell2(int x, int y, int value);   // ignored outside
    // ORs (flag AND 0xF00) into the cell; ignored when flag < 0 or outside.
    void SetCellFlag(int i, int flag);
    void SetCellFlag2(int x, int y, int flag);
    int GetCellFlag(int x, int y) const;      // flag bits; 0xF00 outside
    int GetCellFlag2(int i) const;            // flag bits; 0xF00 outside
    int WallsAt(int i) const;                 // 0 to 4; 4 outside
    int WallsAt2(int x, int y) const;         // 0 to 4; 4 outside
    bool IsDeadEnd(int i) const;              // more than 2 walls; true outside
    int MirrorIndex(int i) const;             // index of (width - 1 - x, y); -1 outside
    // The index moved by the signs of dx and dy; -1 when either cell is outside.
    int GetNeighborIndex(int i, int dx, int dy) const;

    // The low eight bits of value with the west and east walls exchanged; flags dropped.
    static int MirrorCellValue(int value);
    // Flags read the same in a mirror.
    static int MirrorCellFlags(int value) { return value; }

    // Opens the wall between cells a and b (neighbours in one row or column) on both
    // sides; both cells lose every flag. Ignored when either index is outside the grid or
    // the cells are not neighbours. Cells in different rows and columns are fatal.
    void RemoveWall(int a, int b);

    // Versus maze, from a maze whose cells all hold 15: the right half mirrors the left,
    // joined only through the centre walls of the top and bottom rows. Fatal for an odd
    // width, and for a width below 2 or a height below 1.
    void GenerateMaze();

    // Idol track on an 18-wide maze at least 6 rows high. Returns the orientation code:
    // kTrackIdolOnRight | kTrackStartOnRight bits. Retries a failed attempt without limit.
    int GenerateRFTIMaze();
    // One attempt: the orientation code, or -1 when a block did not fit. Fatal for a
    // height below 6 or a width other than 18.
    int GenerateRFTIMazeWithBlocks();
    // Writes a prefab block (tables as in racetrack::Block) to rows firstRow onward,
    // mirrored left to right if asked. False, writing nothing, when the tables are empty,
    // not whole 18-wide rows or of different lengths, when the maze is not 18 wide, or
    // when the block would start above row 0 or run past the last row.
    bool CopyRFTIPatternToMaze(std::span<const int> walls, std::span<const int> flags,
                               int firstRow, bool mirrored);
    // The middle blocks' tables for 2 to 6 rows; any other count is fatal.
    std::span<const int> GetRFTIWalls(int rows) const;
    std::span<const int> GetRFTIFlags(int rows) const;

    // Player 1 or 2's start tile in a versus maze: tiles (w - 1, h) and (w + 1, h), for
    // odd heights the walker's first cell and its mirror.
    TilePos VersusStartTile(int player) const;
    // Player 1 or 2's start tile on an idol track with the given orientation code.
    TilePos RaceStartTile(int player, int orientation) const;
    // The idol's tile: the passage between rows 0 and 1 where both lanes meet.
    TilePos RaceIdolTile(int orientation) const;

private:
    void CarveMirroredWalk();
    void PlaceBlockTraps();
    void FlagOpenCells();

    int width_ = 0;
    int height_ = 0;
    std::vector<int> cells_;
};

}  // namespace zelka
