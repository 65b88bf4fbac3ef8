#include "screens/title/StatsPanel.h"

#include "match/items/ItemStackSlot.h"
#include "services/player/PlayerStats.h"
#include "tests/screens/ScreenTestSupport.h"
#include "tests/services/SaveFileSupport.h"

#include <climits>
#include <string>

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

// A hand-edited save file: negative counts, wins beyond the matches, counts at the
// integer limit. Every number shown is a count from 0 up and the columns add up.
TEST_F(StatsPanelTest, DamagedSaveFileShowsOnlyCountsFromZeroUp)
{
    savefiles::WriteBytes(savefiles::kSave, savefiles::Encoded(
        "<SAVE><stats>"
        "<counters mode=\"0\"><matches>5</matches><victories>4</victories><draws>3</draws></counters>"
        "<counters mode=\"1\"><matches>2147483647</matches><victories>-2147483648</victories>"
        "<draws>2147483646</draws></counters>"
        "<counters mode=\"2\"><matches>-2147483648</matches><victories>7</victories><draws>-1</draws></counters>"
        "<counters mode=\"3\"><matches>2147483647</matches><victories>2147483647</victories>"
        "<draws>2147483647</draws></counters>"
        "</stats><items><item id=\"4\" uses=\"-9\" uses_p2=\"2147483647\"></item></items></SAVE>"));
    GameData::ResetForTest();
    ::testing::internal::CaptureStdout();
    UseGameMedia();
    EXPECT_NE(::testing::internal::GetCapturedStdout().find("Statistics out of range"), std::string::npos);

    const Ref<StatsPanel> panel = StatsPanel::New();
    // Per mode column: player 1's wins, the draws, player 2's wins.
    std::vector<std::vector<String>> columns;
    for (float x : {-140, -40, 60, 160}) columns.push_back(Column(*panel, x, {-84, -68, -52}));
    EXPECT_EQ(columns, (std::vector<std::vector<String>>{{U"2", U"3", U"0"},
                                                         {U"0", U"999999999", U"0"},
                                                         {U"0", U"0", U"0"},
                                                         {U"0", U"999999999", U"0"}}));
    EXPECT_EQ(Column(*panel, 0, {70, 86}), (std::vector<String>{U"X0", U"X999999999"}));

    // A record changed in memory is not clamped: still no negative or overflowing count.
    MatchStats& record = *GameData::stats->GetModeStats(1);
    record.matches = INT_MAX;
    record.draws = -5;
    record.victories = INT_MIN;
    GameData::stats->SetItemUses(1, 0, -3);
    const Ref<StatsPanel> again = StatsPanel::New();
    EXPECT_EQ(Column(*again, -40, {-84, -68, -52}),
              (std::vector<String>{U"0", U"0", FromLatin1(std::to_string(INT_MAX))}));
    EXPECT_EQ(Column(*again, -240, {70}), std::vector<String>{U"X0"});
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
