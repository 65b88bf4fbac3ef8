#pragma once

#include "platform/core/Text.h"

namespace zelka {

// The item kinds: names, categories and the drop weights that decide which item a chest
// holds. The weights are shared by every chest and roulette of a match: the item manager
// sets them for its game mode when it is made (a race drops neither the pickaxe nor the
// shovel). Until then the versus weights apply.
class ItemTable {
public:
    ItemTable() = delete;

    // "GEM", "EPICKAXE" ...; "???" for an unknown type.
    [[nodiscard]] static String Name(int type);
    // 1, 2 or 3 for the inventory items (the chest stripe colour), 0 otherwise.
    [[nodiscard]] static int Category(int type);

    // Versus weights (sum 126), or race weights (sum 109: types 0 and 7 weigh 0).
    static void SetWeights(bool race);
    // 0 outside 0 .. 9.
    [[nodiscard]] static int Weight(int id);
    [[nodiscard]] static int WeightSum();
    // weight / sum; 0 when the sum is 0 or id is outside 0 .. 9.
    [[nodiscard]] static float Probability(int id);
    // One draw of the shared generator: the first id whose running weight total exceeds
    // int(sum x Rnd()); kNoItemId when none does (an all-zero table).
    [[nodiscard]] static int RandomItemId();
    // The next id after `type` in 0 .. 8 (wrapping) with a weight above 0: the roulette's
    // step. Returns `type` itself when no other id qualifies.
    [[nodiscard]] static int NextPossibleItem(int type);
};

}  // namespace zelka
