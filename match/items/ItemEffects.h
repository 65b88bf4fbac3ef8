#pragma once

namespace zelka {

class ItemMaze;
class ItemUser;
class PlayerStats;

// Whether a use counts in the statistics, read from the game data at the use.
struct ItemUseRules {
    bool attract = false;       // the attract demo counts nothing
    bool twoPlayer = false;     // player 2's uses count only when a human plays it
    PlayerStats* stats = nullptr;

    static ItemUseRules FromGameData();
};

// The player's use action on the selected inventory item, and coming up from underground.
class ItemEffects {
public:
    ItemEffects() = delete;

    // Applies the selected item to the user, the opponent or the maze. True when used (the
    // item is then gone, except a roulette that only stopped cycling); false when nothing
    // happened and the item stays.
    static bool UseCurrentItem(ItemUser& user, ItemUser& opponent, ItemMaze& maze,
                               const ItemUseRules& rules);
    static bool UseCurrentItem(ItemUser& user, ItemUser& opponent, ItemMaze& maze);

    // Brings a digging or underground character up on the centre of its tile, unless a wall
    // or a raised block trap stands there.
    static void SafeResurface(ItemUser& user, ItemMaze& maze);
};

}  // namespace zelka
