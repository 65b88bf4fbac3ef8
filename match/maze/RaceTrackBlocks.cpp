#include "match/maze/RaceTrackBlocks.h"

#include "match/MatchConstants.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zelka::racetrack {

namespace {

constexpr int kFlagBase = 16;  // flag entry = kFlagBase + (flag >> 8)

// A block written as in the design sheet: per row, the 18 cells' wall bits in hex
// separated by spaces, and the 18 cells' flags as characters (T trap, I item spot,
// O open, '.' none). Parsed at compile time; a malformed row does not compile.
template <std::size_t Rows>
struct Sheet {
    std::array<std::string_view, Rows> walls;
    std::array<std::string_view, Rows> flags;
};

template <std::size_t Rows>
struct Table {
    std::array<int, Rows * kRaceTrackWidth> walls{};
    std::array<int, Rows * kRaceTrackWidth> flags{};
};

constexpr int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

constexpr int FlagEntry(char c)
{
    switch (c) {
    case 'T': return kFlagBase + (kCellTrap >> 8);
    case 'I': return kFlagBase + (kCellItemSpot >> 8);
    case 'O': return kFlagBase + (kCellOpen >> 8);
    case '.': return 0;
    default: return -1;
    }
}

template <std::size_t Rows>
constexpr bool IsWellFormed(const Sheet<Rows>& sheet)
{
    for (std::size_t row = 0; row < Rows; ++row) {
        const std::string_view walls = sheet.walls[row];
        const std::string_view flags = sheet.flags[row];
        if (walls.size() != 2 * kRaceTrackWidth - 1 || flags.size() != kRaceTrackWidth) {
            return false;
        }
        for (int x = 0; x < kRaceTrackWidth; ++x) {
            if (HexDigit(walls[2 * x]) < 0 || (x > 0 && walls[2 * x - 1] != ' ') ||
                FlagEntry(flags[x]) < 0) {
                return false;
            }
        }
    }
    return true;
}

template <std::size_t Rows>
constexpr Table<Rows> Parse(const Sheet<Rows>& sheet)
{
    Table<Rows> table;
    for (std::size_t row = 0; row < Rows; ++row) {
        for (int x = 0; x < kRaceTrackWidth; ++x) {
            const std::size_t i = row * kRaceTrackWidth + x;
            table.walls[i] = HexDigit(sheet.walls[row][2 * x]) + 1;
            table.flags[i] = FlagEntry(sheet.flags[row][x]);
        }
    }
    return table;
}

constexpr Sheet<2> kTopSheet{
    {"5 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 9",
     "6 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 9 C"},
    {"..O.I.......I.....",
     "..O.I.......I....."}};

constexpr Sheet<2> kMiddle2Sheet{
    {"5 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 A C",
     "C 5 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 A"},
    {"....O.I.T...O.I.TT",
     "......O.I.T...O.I."}};

constexpr Sheet<3> kMiddle3Sheet{
    {"5 3 3 9 5 3 3 9 5 3 3 9 5 3 3 9 C C",
     "C 5 9 6 A 5 9 6 A 5 9 6 A 5 9 6 A C",
     "C C 6 2 2 A 6 2 2 A 6 2 2 A 6 2 2 A"},
    {"T...T..O.I.T..O.TT",
     "..TI..T........I..",
     "II...I..O.I.T..O.I"}};

constexpr Sheet<4> kMiddle4Sheet{
    {"5 9 5 9 5 9 5 9 5 9 5 9 5 9 5 9 C C",
     "C 6 A 6 A 6 A 6 A 6 A 6 A 6 A 6 A C",
     "C 5 9 5 9 5 9 5 9 5 9 5 9 5 9 5 9 C",
     "C C 6 A 6 A 6 A 6 A 6 A 6 A 6 A 6 A"},
    {"T.....T.....T...TT",
     "....OI.....IO..I..",
     "II....OI.....IO..I",
     "..T.....T.....T..."}};

// Rows 3 and 4 carry no flags.
constexpr Sheet<5> kMiddle5Sheet{
    {"5 3 3 9 5 3 3 9 5 3 3 9 5 3 3 9 C C",
     "C 5 9 C C 5 9 C C 5 9 C C 5 9 C C C",
     "C C C C C C C C C C C C C C C C C C",
     "C C C 6 A C C 6 A C C 6 A C C 6 A C",
     "C C 6 2 2 A 6 2 2 A 6 2 2 A 6 2 2 A"},
    {"T.......T...I...TT",
     "..T.......T...I...",
     "II..OO..II..OO..II",
     "..................",
     ".................."}};

constexpr Sheet<6> kMiddle6Sheet{
    {"5 3 3 3 3 3 3 3 3 3 3 3 3 3 3 9 C C",
     "C 5 3 3 3 3 3 3 3 3 3 3 3 3 3 A C C",
     "C 6 3 3 3 3 3 3 3 3 3 3 3 3 3 3 A C",
     "C 5 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 A",
     "C 6 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 9",
     "C 5 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 A"},
    {"T.......O.I.T...TT",
     ".T.I.O............",
     "I.........O.....II",
     "..T.........O.....",
     ".I.O.............T",
     "....I.T.......O.I."}};

constexpr Sheet<2> kBottomSheet{
    {"C 6 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 B",
     "6 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 3 B"},
    {".T.I...O...I......",
     ".T.I...O...I......"}};

static_assert(IsWellFormed(kTopSheet) && IsWellFormed(kBottomSheet));
static_assert(IsWellFormed(kMiddle2Sheet) && IsWellFormed(kMiddle3Sheet) &&
              IsWellFormed(kMiddle4Sheet) && IsWellFormed(kMiddle5Sheet) &&
              IsWellFormed(kMiddle6Sheet));

constexpr Table<2> kTop = Parse(kTopSheet);
constexpr Table<2> kMiddle2 = Parse(kMiddle2Sheet);
constexpr Table<3> kMiddle3 = Parse(kMiddle3Sheet);
constexpr Table<4> kMiddle4 = Parse(kMiddle4Sheet);
constexpr Table<5> kMiddle5 = Parse(kMiddle5Sheet);
constexpr Table<6> kMiddle6 = Parse(kMiddle6Sheet);
constexpr Table<2> kBottom = Parse(kBottomSheet);

template <std::size_t Rows>
Block BlockOf(const Table<Rows>& table)
{
    return Block{table.walls, table.flags};
}

}  // namespace

Block TopBlock()
{
    return BlockOf(kTop);
}

Block BottomBlock()
{
    return BlockOf(kBottom);
}

Block MiddleBlock(int rows)
{
    switch (rows) {
    case 2: return BlockOf(kMiddle2);
    case 3: return BlockOf(kMiddle3);
    case 4: return BlockOf(kMiddle4);
    case 5: return BlockOf(kMiddle5);
    case 6: return BlockOf(kMiddle6);
    default: return Block{};
    }
}

}  // namespace zelka::racetrack
