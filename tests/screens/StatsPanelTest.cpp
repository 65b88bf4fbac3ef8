#include "screens/title/StatsPanel.h"

#include "match/items/ItemStackSlot.h"
#include "services/player/PlayerStats.h"
#include "tests/screens/ScreenTestSupport.h"

namespace zelka {
namespace {

class StatsPanelTest : public testing_screens::ScreenFixture {
protected:
    // The texts of the labels centred at x and each of `ys`, "<none>" where there is none.
    static std::vector<String> Column(const GDO& panel, float x, std::initializer_list<float> ys)
    {
        std::vector<String> texts;
        for (float y : ys) {
            texts.push_back(U"<none>");
            for (int i = 0; i < panel.ChildCount(); ++i) {
                auto* label = dynamic_cast<Label*>(panel.GetChild(i).get());
                if (label && label->position->x == x && label->position->y == y) texts.back() = label->GetText();
            }
        }
        return texts;
    }
};

TEST_F(StatsPanelTest, PlayerTwoWinsAreNeitherDrawsNorPlayerOneWins)
{
    MatchStats* race = GameData::stats->GetModeStats(1);
    race->matches = 10;
    race->draws = 3;
    race->victories = 4;
    const Ref<StatsPanel> panel = StatsPanel::New();
    // Mode 1 has the second column of the four: its name above its three counts.
    EXPECT_EQ(Column(*panel, -40, {-100, -84, -68, -52}),
              (std::vector<String>{GameData::GetGameModeShortName(1), U"4", U"3", U"3"}));
    EXPECT_EQ(Column(*panel, -140, {-52}), std::vector<String>{U"0"});   // mode 0, nothing played
    EXPECT_EQ(Column(*panel, 160, {-100}), std::vector<String>{GameData::GetGameModeShortName(3)});
    EXPECT_EQ(Column(*panel, 260, {-100}), std::vector<String>{U"<none>"});
}

TEST_F(StatsPanelTest, ItemUsesShowPerPlayerUnderEachIcon)
{
    for (int i = 0; i < 12; ++i) GameData::stats->AddItemUse(1, 0);
    GameData::stats->AddItemUse(2, 8);
    GameData::stats->AddItemUse(1, 9);   // the roulette is never counted
    const Ref<StatsPanel> panel = StatsPanel::New();
    // Player 1's uses above player 2's.
    EXPECT_EQ(Column(*panel, -240, {70, 86}), (std::vector<String>{U"X12", U"X0"}));
    EXPECT_EQ(Column(*panel, 240, {70, 86}), (std::vector<String>{U"X0", U"X1"}));
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
