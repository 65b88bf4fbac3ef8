#include "screens/charsel/WorldSelector.h"

#include "CharSelFixture.h"
#include "engine/text/Label.h"

namespace zelka {
namespace {

using WorldSelectorTest = CharSelFixture;

const Label& WorldLabel(const WorldSelector& selector)
{
    return dynamic_cast<const Label&>(*selector.GetChildByName(U"WORLD_LABEL"));
}

TEST_F(WorldSelectorTest, StartsOnTheCurrentWorldAndWrapsBothWays)
{
    GameData::currentWorldNdx = 1;
    const Ref<WorldSelector> selector = WorldSelector::New();
    EXPECT_EQ(selector->GetSelectedWorld(), 1);
    EXPECT_EQ(WorldLabel(*selector).GetText(), GameData::GetWorldName(1));

    selector->SelectWorld(-1);  // left from the first
    EXPECT_EQ(selector->GetSelectedWorld(), 3);
    selector->SelectWorld(4);   // right from the last
    EXPECT_EQ(selector->GetSelectedWorld(), 0);
    selector->SelectWorld(-5);  // more than a lap
    EXPECT_EQ(selector->GetSelectedWorld(), 3);
}

TEST_F(WorldSelectorTest, LockedWorldsAreGreyAndHaveANotice)
{
    const Ref<WorldSelector> selector = WorldSelector::New();
    // List order: The Grand Gallery, The Frozen Labyrinth, The Lost Tombs, The Haunted
    // Graveyard; the last two want matches played first, and none has been.
    const bool locked[] = {false, false, true, true};
    for (int i = 0; i < 4; ++i) {
        selector->SelectWorld(i);
        EXPECT_EQ(selector->IsLocked(i), locked[i]) << i;
        EXPECT_EQ(WorldLabel(*selector).tint.r, locked[i] ? 64 : 255) << i;
    }
    EXPECT_FALSE(selector->IsLocked(4));  // outside the list
}

}  // namespace
}  // namespace zelka
