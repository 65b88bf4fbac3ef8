#include "screens/results/ResultStage.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/RefusedProperty.h"
#include "engine/media/StaticImage.h"
#include "engine/stage/Game.h"
#include "engine/text/EmbossFont.h"
#include "engine/text/IncrementalIntLabel.h"
#include "engine/text/RetroFontWithShadow.h"
#include "platform/audio/null/NullAudioDevice.h"
#include "platform/input/KeyCodes.h"
#include "services/config/PlayerConfig.h"
#include "services/player/PlayerStats.h"
#include "services/roster/Roster.h"
#include "tests/engine/NothingRefused.h"
#include "tests/services/MediaFixture.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>
#include <vector>

namespace zelka {
namespace {

using testing::kStepMs;
constexpr int kCharSelect = 2;
constexpr int kCountSfx = 3;
constexpr int kCountChannel = 1;
constexpr int kVoiceChannel = 3;
constexpr int kMode1P = 0;
constexpr int kMode2P = 1;
constexpr int kModeIdol2P = 2;
constexpr int kModeIdol1P = 3;

// Records every stage request instead of switching.
class RequestRecorder final : public Game {
public:
    RequestRecorder() : Game(60, -1, -1) {}
    void GoToStage(int id) override { requests.push_back(id); }
    std::vector<int> requests;
};

struct Side {
    int score = 0;
    int gems = 0;
    int treasures = 0;
    int chests = 0;
    int character = 0;
};

std::vector<String> Texts(const GDO& panel)
{
    std::vector<String> texts;
    for (int i = 0; i < panel.ChildCount(); ++i) {
        if (auto* label = dynamic_cast<const Label*>(panel.GetChild(i).get())) {
            texts.push_back(label->GetText());
        }
    }
    return texts;
}

}  // namespace

class ResultStageTest : public MediaFixture, public NothingRefused {
protected:
    void SetUp() override
    {
        MediaFixture::SetUp();
        std::filesystem::create_directory("savedata");
        UseGameMedia();
        RetroFontWithShadow::shadowFont = GameData::secFont;
        game = std::make_unique<RequestRecorder>();
    }

    void TearDown() override
    {
        ExpectNothingRefused();
        if (stage) {
            stage->Deallocate();
            stage.reset();
        }
        EventManager::RemoveAllListeners();
        game.reset();
        MediaFixture::TearDown();
    }

    // Both players' match as the match stage leaves it, then the screen, loaded.
    // `rawMode`, when given, is set directly (SetGameMode refuses unknown modes).
    void Finish(int mode, const Side& one, const Side& two, std::optional<int> rawMode = {})
    {
        GameData::SetGameMode(mode);
        if (rawMode) {
            GameData::curGameMode = *rawMode;
        }
        for (const auto& [player, side] : {std::pair{GameData::player1, one},
                                           std::pair{GameData::player2, two}}) {
            player->score = side.score;
            player->gems = side.gems;
            player->treasures = side.treasures;
            player->chests = side.chests;
            player->character = Roster::GetCharacterById(side.character);
        }
        stage = ResultStage::New();
        while (stage->GetLoadingProgress() < 100) {
        }
    }

    void Run(int ms)
    {
        for (int t = 0; t < ms; t += kStepMs) Step();
    }
    void Step()
    {
        keys_->BeginUpdate();
        GameData::UpdateRegisteredHardware();
        stage->Update(kStepMs);
        keys_->EndUpdate();
    }
    void PressEscape()
    {
        keys_->KeyEvent(kEventKeyDown, kKeyEscape);
        Step();
        keys_->KeyEvent(kEventKeyUp, kKeyEscape);
    }
    // Updates without input until the show is done (at most a minute).
    void RunUntilDone()
    {
        for (int t = 0; t < 60000 && !stage->IsDone(); t += kStepMs) Step();
        ASSERT_TRUE(stage->IsDone());
    }

    Ref<GDO> Node(std::u32string_view name) const
    {
        return stage->GetRootGDO()->GetChildByName(name, true);
    }

    std::unique_ptr<RequestRecorder> game;
    Ref<ResultStage> stage;
};

// The statistics as the save file keeps them: the save of the next stage creation, then a
// fresh start that reads it back.
TEST_F(ResultStageTest, StatisticsTruthTableSurvivesTheSaveFile)
{
    struct Case {
        int mode;
        int score1;
        int score2;
        bool attract;
        int matches, victories, draws;  // growth of that mode's record
    };
    const std::vector<Case> cases{
        {kMode2P, 50, 30, false, 1, 1, 0},      // player 1 wins
        {kMode2P, 30, 50, false, 1, 0, 0},      // player 2 wins: only a match
        {kMode1P, 40, 40, false, 1, 0, 1},      // draw
        {kModeIdol2P, 9, 2, false, 1, 1, 0},
        {kModeIdol1P, 0, 7, false, 1, 0, 0},
        {kMode2P, 50, 30, true, 0, 0, 0},       // attract: nothing
        {-1, 50, 30, false, 0, 0, 0},           // no mode chosen: nothing
        {4, 50, 30, false, 0, 0, 0},            // outside the table: skipped, not written
        {1000, 40, 40, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const PlayerStats before = *GameData::stats;
        GameData::isDemoMode = c.attract;
        Finish(kMode2P, {c.score1}, {c.score2, 0, 0, 0, 1}, c.mode);
        stage->Deallocate();
        stage.reset();
        GameData::isDemoMode = false;
        playerconfig::SaveUserData();
        Restart();
        for (int mode = 0; mode < GameData::stats->GetTotalModes(); ++mode) {
            const MatchStats& now = *GameData::stats->GetModeStats(mode);
            const MatchStats& was = *before.GetModeStats(mode);
            const auto growth = mode == c.mode ? std::tuple(c.matches, c.victories, c.draws) : std::tuple(0, 0, 0);
            EXPECT_EQ(std::tuple(now.matches - was.matches, now.victories - was.victories, now.draws - was.draws),
                      growth)
                << "case of mode " << c.mode << ", record of mode " << mode;
        }
    }
    EXPECT_EQ(GameData::stats->GetTotalMatches(), 5);
}

TEST_F(ResultStageTest, VersusRowsComeOneByOneAndLeavingMidCountSilencesIt)
{
    Finish(kMode2P, {120, 3, 2, 1, 0}, {80, 5, 0, 4, 1});
    const Ref<GDO> p1 = Node(U"P1_PANEL");
    const Ref<GDO> p2 = Node(U"P2_PANEL");
    ASSERT_TRUE(p1 && p2);
    Run(240);
    EXPECT_TRUE(Texts(*p1).empty());
    Run(16);  // 256 ms
    EXPECT_EQ(Texts(*p1), (std::vector<String>{U"DIAMONDS", U"x3"}));
    Run(1750 - 256);
    EXPECT_EQ(Texts(*p1), (std::vector<String>{U"DIAMONDS", U"x3", U"TREASURE", U"x2",
                                               U"ITEMS", U"x1"}));
    EXPECT_EQ(Texts(*p2), (std::vector<String>{U"DIAMONDS", U"x5", U"TREASURE", U"x0",
                                               U"ITEMS", U"x4"}));
    EXPECT_EQ(stage->GetScoreLabel(1), nullptr);
    Run(3000 - 1750);
    ASSERT_NE(stage->GetScoreLabel(1), nullptr);
    EXPECT_EQ(stage->GetScoreLabel(1)->GetTarget(), 120);
    EXPECT_EQ(stage->GetScoreLabel(2)->GetTarget(), 80);

    // Leaving mid-count stops the counting sound before its release.
    Run(16);
    ASSERT_TRUE(sound->IsSounding(kCountChannel));
    stage->Deallocate();
    EXPECT_FALSE(sound->IsSounding(kCountChannel));
    EXPECT_FALSE(AudioManager::IsSFXLoaded(U"3"));
    stage.reset();
}

TEST_F(ResultStageTest, RaceRowsShowItemsAndTheIdolForTheWinner)
{
    Finish(kModeIdol2P, {10, 3, 2, 6, 0}, {20, 5, 0, 4, 1});
    Run(1740);
    EXPECT_EQ(Texts(*Node(U"P1_PANEL")), (std::vector<String>{U"ITEMS", U"x6", U"IDOL", U"x0"}));
    EXPECT_EQ(Texts(*Node(U"P2_PANEL")), (std::vector<String>{U"ITEMS", U"x4", U"IDOL", U"x1"}));
    // The race's score comes with the third row's time.
    EXPECT_EQ(stage->GetScoreLabel(2), nullptr);
    Run(16);
    ASSERT_NE(stage->GetScoreLabel(2), nullptr);
    EXPECT_EQ(stage->GetScoreLabel(2)->GetTarget(), 20);
}

TEST_F(ResultStageTest, WinnerFlowCountsScrollsGreysTheLoserAndSpeaks)
{
    const int refused = RefusedPropertyCount();
    Finish(kMode2P, {150, 1, 1, 1, 0}, {40, 1, 1, 1, 1});
    EXPECT_FLOAT_EQ(stage->GetRootGDO()->position->x, -100.0f);  // player 1 won: s = -1
    Run(3008);
    EXPECT_TRUE(sound->IsSounding(kCountChannel));
    EXPECT_EQ(sound->Flags(kCountChannel), kPlayLoop);
    RunUntilDone();
    // The winner's count ended: the counting sound stops with it.
    EXPECT_FALSE(sound->IsSounding(kCountChannel));
    Run(1500);  // the scroll (1000 ms) and the loser's greying (250 ms)
    EXPECT_FLOAT_EQ(stage->GetRootGDO()->position->x, 100.0f);
    EXPECT_EQ(RefusedPropertyCount(), refused);
    for (int i = 0; i < Node(U"P2_PANEL")->ChildCount(); ++i) {
        const auto& label = dynamic_cast<Label&>(*Node(U"P2_PANEL")->GetChild(i));  // throws if not
        EXPECT_NE(dynamic_cast<EmbossFont*>(label.GetFont().get()), nullptr);
        EXPECT_EQ(label.tint.r, 135);
    }
    EXPECT_EQ(Node(U"P1_PANEL")->GetChild(0)->tint.r, 255);  // the winner's stays
    ASSERT_TRUE(stage->GetDialog() && stage->GetDialog()->visible);
    EXPECT_GE(stage->GetVoice(), 600);
    EXPECT_LE(stage->GetVoice(), 602);
    EXPECT_EQ(sound->Plays(kVoiceChannel), 1);
    EXPECT_EQ(std::pair(GameData::player1->wins, GameData::player2->wins), std::pair(1, 0));
    EXPECT_TRUE(game->requests.empty());
}

TEST_F(ResultStageTest, EscapeFastForwardsThenLeavesOnce)
{
    Finish(kMode2P, {30, 1, 1, 1, 0}, {900, 1, 1, 1, 1});
    Run(3008);
    ASSERT_TRUE(sound->IsSounding(kCountChannel));
    PressEscape();  // both counts jump to their targets
    EXPECT_EQ(std::pair(stage->GetScoreLabel(1)->GetValue(), stage->GetScoreLabel(2)->GetValue()), std::pair(30, 900));
    EXPECT_TRUE(stage->IsDone());
    EXPECT_FALSE(sound->IsSounding(kCountChannel));
    EXPECT_TRUE(game->requests.empty());  // the first press only hurries
    PressEscape();
    PressEscape();
    EXPECT_EQ(game->requests, (std::vector<int>{kCharSelect}));
    EXPECT_EQ(GameData::player2->wins, 1);
}

TEST_F(ResultStageTest, DrawShowsBothCountsThenScrollsBackAndClosesTheGap)
{
    Finish(kMode1P, {35, 3, 2, 1, 2}, {35, 5, 0, 4, 3});
    EXPECT_EQ(Node(U"P2_PANEL"), nullptr);
    EXPECT_EQ(stage->GetDialog(), nullptr);
    EXPECT_EQ(stage->GetVoice(), -1);
    Run(3008 + 35 * kStepMs);  // the one count, 1 by 1
    EXPECT_EQ(Texts(*Node(U"P1_PANEL")),
              (std::vector<String>{U"DIAMONDS", U"x3 vs x5", U"TREASURE", U"x2 vs x0", U"ITEMS",
                                   U"x1 vs x4", U"35"}));
    EXPECT_EQ(stage->GetScoreLabel(2), nullptr);
    EXPECT_EQ(sound->Plays(kCountChannel), 0);  // a draw counts silently
    ASSERT_TRUE(stage->GetScoreLabel(1)->IsDone());
    EXPECT_FALSE(stage->IsDone());
    RunUntilDone();
    EXPECT_FLOAT_EQ(stage->GetRootGDO()->position->x, 0.0f);
    EXPECT_FLOAT_EQ(Node(U"P1_PORTRAIT")->position->x, -220.0f);
    EXPECT_FLOAT_EQ(Node(U"P2_PORTRAIT")->position->x, 220.0f);
    EXPECT_EQ(Node(U"P1_PANEL")->GetChild(0)->tint.r, 255);  // nobody is greyed
    EXPECT_EQ(std::pair(GameData::player1->wins, GameData::player2->wins), std::pair(1, 1));
}

TEST_F(ResultStageTest, VoiceNumbersAndTheGuestsQuote)
{
    EXPECT_EQ(ResultStage::VoiceNumber(0, 0), 600);
    EXPECT_EQ(ResultStage::VoiceNumber(1, 2), 612);
    EXPECT_EQ(ResultStage::VoiceNumber(3, 2), 632);
    EXPECT_EQ(ResultStage::VoiceNumber(2, -1), -1);  // no quote: not voice 619
    EXPECT_EQ(ResultStage::VoiceNumber(0, -1), -1);  // not 599
    for (int guest : {4, 5, 6}) EXPECT_EQ(ResultStage::VoiceNumber(guest, 0), -1) << guest;
    // A guest's win shows its quote without a voice.
    Finish(kMode2P, {10, 0, 0, 0, 0}, {20, 0, 0, 0, 5});
    EXPECT_EQ(stage->GetVoice(), -1);
    ASSERT_NE(stage->GetDialog(), nullptr);
    const auto& quote = dynamic_cast<Label&>(*stage->GetDialog()->GetChild(0));
    EXPECT_FALSE(quote.GetText().empty());
    // Player 2 won: the dialog is not mirrored, nor is its text.
    EXPECT_FLOAT_EQ(stage->GetDialog()->scale.x * quote.scale.x, 1.0f);
    RunUntilDone();
    Run(1200);
    EXPECT_TRUE(stage->GetDialog()->visible);
    EXPECT_EQ(sound->Plays(kVoiceChannel), 0);
}

}  // namespace zelka
