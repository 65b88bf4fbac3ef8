#include "screens/title/StatsPanel.h"

#include "match/items/ItemStackSlot.h"
#include "services/player/PlayerStats.h"
#include "tests/screens/ScreenTestSupport.h"

namespace zelka {
namespace {

class StatsPanelTest : public testing_screens::ScreenFixture {
protected:
    // The text of the label centred at (x, y), "<none>" when there is none.
    static String TextAt(const GDO& panel, float x, float y)
    {
        for (int i = 0; i < panel.ChildCount(); ++i) {
            auto* label = dynamic_cast<Label*>(panel.GetChild(i).get());
            if (label && label->position->x == x && label->position->y == y) {
                return label->GetText();
            }
        }
        return U"<none>";
    }
};

TEST_F(StatsPanelTest, PlayerTwoWinsAreNeitherDrawsNorPlayerOneWins)
{
    MatchStats* race = GameData::stats->GetModeStats(1);
    race->matches = 10;
    race->draws = 3;
    race->victories = 4;
    const Ref<StatsPanel> panel = StatsPanel::New();
    // Mode 1 has the second column of the four.
    EXPECT_EQ(TextAt(*panel, -40, -100), GameData::GetGameModeShortName(1));
    EXPECT_EQ(TextAt(*panel, -40, -84), U"4");
    EXPECT_EQ(TextAt(*panel, -40, -68), U"3");
    EXPECT_EQ(TextAt(*panel, -40, -52), U"3");
    EXPECT_EQ(TextAt(*panel, -140, -52), U"0");   // mode 0, nothing played
    EXPECT_EQ(TextAt(*panel, 160, -100), GameData::GetGameModeShortName(3));
    EXPECT_EQ(TextAt(*panel, 260, -100), U"<none>");
}

TEST_F(StatsPanelTest, ItemUsesShowPerPlayerUnderEachIcon)
{
    for (int i = 0; i < 12; ++i) GameData::stats->AddItemUse(1, 0);
    GameData::stats->AddItemUse(2, 8);
    GameData::stats->AddItemUse(1, 9);   // the roulette is never counted
    const Ref<StatsPanel> panel = StatsPanel::New();
    EXPECT_EQ(TextAt(*panel, -240, 70), U"X12");
    EXPECT_EQ(TextAt(*panel, -240, 86), U"X0");
    EXPECT_EQ(TextAt(*panel, 240, 70), U"X0");
    EXPECT_EQ(TextAt(*panel, 240, 86), U"X1");
    int icons = 0;
    for (int i = 0; i < panel->ChildCount(); ++i) {
        if (auto* icon = dynamic_cast<ItemStackSlot*>(panel->GetChild(i).get())) {
            EXPECT_EQ(icon->position->x, -240.0f + 60.0f * icon->GetItemType());
            ++icons;
        }
    }
    EXPECT_EQ(icons, 9);
}

}  // namespace
}  // namespace zelka
