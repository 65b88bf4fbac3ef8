#include "match/items/ItemTable.h"

#include "engine/core/Random.h"
#include "match/items/ItemConstants.h"

#include <array>

namespace zelka {

namespace {

struct ItemKind {
    const char* name;
    int versusWeight;
    int raceWeight;
    int category;
};

// Ids 0 .. 9 in order.
constexpr std::array<ItemKind, kInventoryItemTypes> kKinds = {{
    {"EPICKAXE", 5, 0, 1},
    {"TELEPORTER", 3, 3, 2},
    {"SQUEAKY HAMMER", 20, 20, 3},
    {"IT'S-A-TRAP", 10, 10, 2},
    {"TURBO SNEAKERS", 30, 30, 1},
    {"THE BALL&CHAIN", 15, 15, 3},
    {"HYPER HAND", 7, 7, 2},
    {"MIGHTY SHOVEL", 12, 0, 1},
    {"ICE WAND", 12, 12, 3},
    {"ROULETTE!!!", 12, 12, 2},
}};

struct State {
    std::array<int, kInventoryItemTypes> weights{};
    int sum = 0;

    State() { Set(false); }

    void Set(bool race)
    {
        sum = 0;
        for (int id = 0; id < kInventoryItemTypes; ++id) {
            const ItemKind& kind = kKinds[static_cast<size_t>(id)];
            weights[static_cast<size_t>(id)] = race ? kind.raceWeight : kind.versusWeight;
            sum += weights[static_cast<size_t>(id)];
        }
    }
};

State& TheState()
{
    // Never destroyed: an exit() from a library runs static destructors in any order.
    static State& state = *new State;
    return state;
}

}  // namespace

String ItemTable::Name(int type)
{
    switch (type) {
    case kItemIdol:
        return U"GOLDEN IDOL";
    case kItemTreasure:
        return U"TREASURE";
    case kItemGem:
        return U"GEM";
    default:
        return IsInventoryItem(type) ? FromLatin1(kKinds[static_cast<size_t>(type)].name) : U"???";
    }
}

int ItemTable::Category(int type)
{
    return IsInventoryItem(type) ? kKinds[static_cast<size_t>(type)].category : kCategoryNone;
}

void ItemTable::SetWeights(bool race)
{
    TheState().Set(race);
}

int ItemTable::Weight(int id)
{
    return IsInventoryItem(id) ? TheState().weights[static_cast<size_t>(id)] : 0;
}

int ItemTable::WeightSum()
{
    return TheState().sum;
}

float ItemTable::Probability(int id)
{
    const State& state = TheState();
    if (state.sum == 0 || !IsInventoryItem(id)) {
        return 0.0f;
    }
    return static_cast<float>(state.weights[static_cast<size_t>(id)]) /
           static_cast<float>(state.sum);
}

int ItemTable::RandomItemId()
{
    const State& state = TheState();
    const int r = static_cast<int>(static_cast<float>(state.sum) * random::Rnd());
    int total = 0;
    for (int id = 0; id < kInventoryItemTypes; ++id) {
        total += state.weights[static_cast<size_t>(id)];
        if (total > r) {
            return id;
        }
    }
    return kNoItemId;
}

int ItemTable::NextPossibleItem(int type)
{
    // A negative type starts the search at 0.
    int next = type < 0 ? kIconItemTypes - 1 : type;
    for (int step = 0; step < kIconItemTypes; ++step) {
        next = (next + 1) % kIconItemTypes;
        if (Weight(next) > 0) {
            return next;
        }
    }
    return type;
}

}  // namespace zelka
