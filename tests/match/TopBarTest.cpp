#include "match/topbar/TopBar.h"

#include "engine/audio/AudioManager.h"
#include "engine/audio/SoundManager.h"
#include "engine/media/StaticImage.h"
#include "engine/media/Texture.h"
#include "engine/text/Label.h"
#include "engine/text/LabelWithShadow.h"
#include "match/topbar/PlayerProfilePic.h"
#include "match/topbar/SETimersBar.h"
#include "match/topbar/StatusEffectSource.h"
#include "match/topbar/StatusEffectTimer.h"
#include "match/topbar/TopBarSource.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"
#include "tests/engine/MediaTestSupport.h"
#include "tests/engine/StubFont.h"
#include "tests/support/UpdateStep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelka {
namespace {

using testing::kStepMs;

struct FakeStatus : StatusEffectSource {
    int GetCurrentBuff() const override { return buff; }
    int GetCurrentDeBuff() const override { return debuff; }
    int GetCurrentBuffTimer() const override { return buff != 0 ? buffMs : -1; }
    int GetCurrentDeBuffTimer() const override { return debuff != 0 ? debuffMs : -1; }

    int buff = 0;
    int debuff = 0;
    int buffMs = 0;
    int debuffMs = 0;
};

struct FakeMatch : TopBarSource {
    bool IsRace() const override { return race; }
    int GetRemainingTime() const override { return remaining; }
    int GetScore(int player) const override { return scores[player - 1]; }
    int GetIdolDistance(int player) const override { return distances[player - 1]; }
    const StatusEffectSource* GetStatus(int player) const override
    {
        return &status[player - 1];
    }

    bool race = false;
    int remaining = 150000;
    int scores[2] = {0, 0};
    int distances[2] = {-1, -1};
    FakeStatus status[2];
};

class TopBarTest : public testing_media::RecordingFixture {
protected:
    void SetUp() override
    {
        RecordingFixture::SetUp();
        device_.AddFakeImage("topbar.png", 640, 76);
        device_.AddFakeImage("hero/face.png", 48, 48);
        device_.AddFakeImage("icon-buff.png", 112, 16);
        device_.AddFakeImage("icon-debuff.png", 112, 16);
        GameData::stdFont = testing_media::StubFont::New();
        AudioManager::ResetState();
        SoundManager::ResetState();
        SoundManager::SetSpy([this](const SoundManager::Request& r) {
            if (!r.preload) plays.push_back(r);
        });
        PlayerData::ResetPlayerCounter();
        player1 = PlayerData::New();
        player2 = PlayerData::New();
        player1->character = CharProfile::New(U"hero", U"HERO", 0);
        player1->color.Set(200, 40, 40);
    }
    void TearDown() override
    {
        for (const Ref<GDO>& node : made) node->Deallocate();
        SoundManager::SetSpy(nullptr);
        SoundManager::ResetState();
        AudioManager::ResetState();
        GameData::stdFont.reset();
        RecordingFixture::TearDown();
    }

    Ref<TopBar> MakeBar()
    {
        Ref<TopBar> bar = TopBar::New(&match, player1, player2);
        made.push_back(bar);
        return bar;
    }
    int Ticks() const
    {
        return static_cast<int>(std::count_if(plays.begin(), plays.end(), [](const auto& r) {
            return r.number == 24 && r.channel == kSfxChannelClock;
        }));
    }
    static void Run(GDO& bar, int updates)
    {
        for (int i = 0; i < updates; ++i) bar.Update(kStepMs);
    }

    FakeMatch match;
    Ref<PlayerData> player1;
    Ref<PlayerData> player2;
    std::vector<SoundManager::Request> plays;
    std::vector<Ref<GDO>> made;
};

// Scores pad to three digits and show larger ones in full; the clock shows minutes
// (not cut at 99) and seconds.
TEST_F(TopBarTest, ScoresAndClockText)
{
    Ref<Label> label = TopBar::CreateScoreLabel(RGB(1, 2, 3), 1);
    EXPECT_EQ(label->GetText(), U"000");
    for (const auto& [score, text] : {std::pair{7, U"007"}, {99, U"099"}, {1234, U"1234"}}) {
        TopBar::SetScoreLabel(*label, score);
        EXPECT_EQ(label->GetText(), text);
    }
    Ref<TopBar> bar = MakeBar();
    EXPECT_EQ(bar->GetTimeLabel()->GetText(), U"00:00");
    for (const auto& [ms, text] : {std::pair{150000, U"02:30"}, {59999, U"00:59"}, {6000000, U"100:00"}}) {
        match.remaining = ms;
        bar->Update(kStepMs);
        EXPECT_EQ(bar->GetTimeLabel()->GetText(), text);
    }
    EXPECT_TRUE(bar->GetTimeLabel()->visible);
    EXPECT_EQ(Ticks(), 0);
}

TEST_F(TopBarTest, LastSixSecondsBlinkWithOneTickPerBlink)
{
    Ref<TopBar> bar = MakeBar();
    const Ref<Label>& clock = bar->GetTimeLabel();
    match.remaining = 7000;
    bar->Update(kStepMs);
    EXPECT_TRUE(clock->visible);
    match.remaining = 6999;
    bar->Update(kStepMs);
    EXPECT_EQ(clock->GetText(), U"00:06");
    EXPECT_FALSE(clock->visible);   // second half of the second
    EXPECT_EQ(Ticks(), 0);

    int lightings = 0;
    std::vector<String> shown{clock->GetText()};
    while (match.remaining > 0) {
        match.remaining = std::max(match.remaining - kStepMs, 0);
        const bool wasLit = clock->visible;
        const int ticksBefore = Ticks();
        bar->Update(kStepMs);
        lightings += !wasLit && clock->visible ? 1 : 0;
        // A tick exactly when the clock lights up, never otherwise.
        EXPECT_EQ(Ticks() - ticksBefore, !wasLit && clock->visible ? 1 : 0);
        EXPECT_EQ(clock->visible, match.remaining % 1000 < 500);
        if (shown.back() != clock->GetText()) shown.push_back(clock->GetText());
    }
    // Lit at 6499, 5499, ... 499 ms: once a second.
    EXPECT_EQ(lightings, 7);
    EXPECT_EQ(shown, (std::vector<String>{U"00:06", U"00:05", U"00:04", U"00:03", U"00:02",
                                          U"00:01", U"00:00"}));
}

TEST_F(TopBarTest, ScoreCatchesUpOnePointPerRefresh)
{
    Ref<TopBar> bar = MakeBar();
    match.scores[0] = 100;   // a treasure
    match.scores[1] = 3;
    Run(*bar, 6);
    EXPECT_EQ(bar->GetShownScore(1), 0);   // 96 ms: no refresh yet
    bar->Update(kStepMs);                  // 112 ms: refresh, the count starts again at 0
    EXPECT_EQ(bar->GetScoreLabel(1)->GetText(), U"001");
    // One point per 7 updates of 16 ms: 60 updates (about a second) give 8 or 9 points.
    Run(*bar, 63);
    EXPECT_EQ(std::pair(bar->GetShownScore(1), bar->GetShownScore(2)), std::pair(10, 3));   // 2 caught up
    EXPECT_EQ(bar->GetScoreLabel(2)->GetText(), U"003");
    Run(*bar, 700);
    EXPECT_EQ(bar->GetScoreLabel(1)->GetText(), U"100");
    // A score that drops is followed down the same way.
    match.scores[0] = 98;
    Run(*bar, 14);
    EXPECT_EQ(bar->GetShownScore(1), 98);
}

TEST_F(TopBarTest, RaceShowsIdolDistancesAndNoClock)
{
    match.race = true;
    match.distances[0] = 37;
    Ref<TopBar> bar = MakeBar();
    int goals = 0;
    for (int i = 0; i < bar->ChildCount(); ++i) {
        auto label = std::dynamic_pointer_cast<Label>(bar->GetChild(i));
        goals += label && label->GetText() == U"GOAL" ? 1 : 0;
    }
    EXPECT_EQ(goals, 2);
    Run(*bar, 7);
    EXPECT_EQ(bar->GetScoreLabel(1)->GetText(), U"037");
    EXPECT_EQ(bar->GetScoreLabel(2)->GetText(), U"000");   // unknown distance: unchanged
    match.distances[0] = -1;
    Run(*bar, 7);
    EXPECT_EQ(bar->GetScoreLabel(1)->GetText(), U"037");
    EXPECT_EQ(bar->GetTimeLabel()->GetText(), U"00:00");
}

TEST_F(TopBarTest, FacesAreTintedByTheDebuffAndShakeInTwoModes)
{
    Ref<TopBar> bar = MakeBar();
    Ref<PlayerProfilePic> face1 = bar->GetP1ProfilePic();
    Ref<PlayerProfilePic> face2 = bar->GetP2ProfilePic();
    const auto tint = [](const PlayerProfilePic& face) {
        const auto& t = face.GetFace()->tint;
        return std::vector<int>{t.r, t.g, t.b};
    };
    EXPECT_EQ(face1->scale.x, -1);   // mirrored to look inwards
    EXPECT_EQ(face1->GetFace()->GetTexture()->GetSource(), U"hero/face.png");

    match.status[0].debuff = 3;   // confused
    match.status[1].debuff = 5;   // frozen
    bar->Update(kStepMs);
    EXPECT_EQ(tint(*face1), (std::vector<int>{128, 255, 128}));
    EXPECT_EQ(tint(*face2), (std::vector<int>{128, 128, 255}));
    match.status[0].debuff = 0;
    bar->Update(kStepMs);
    EXPECT_EQ(tint(*face1), (std::vector<int>{255, 255, 255}));
    // Sideways (mashing out of a freeze): the face moves, the picture does not turn.
    face2->Shake2(300, 1);
    float widest = 0;
    for (int t = 0; t < 300; t += kStepMs) {
        bar->Update(kStepMs);
        widest = std::max(widest, std::fabs(face2->GetFace()->position->x));
        EXPECT_LE(std::fabs(face2->GetFace()->position->x), 3.0f);
        EXPECT_EQ(face2->rotation, 0);
    }
    EXPECT_GT(widest, 1.0f);
    EXPECT_EQ(std::pair(face2->GetFace()->position->x, face2->GetShakeTime()), std::pair(0.0f, 0));
    // Hit by an item: the picture wobbles, then stands straight.
    face1->Shake2(300, 0);
    bar->Update(kStepMs);
    EXPECT_NE(face1->rotation, 0);
    EXPECT_LE(std::fabs(face1->rotation), 5.0f);
    EXPECT_EQ(face1->GetFace()->position->x, 0);
    Run(*bar, 20);
    EXPECT_EQ(face1->rotation, 0);
}

TEST_F(TopBarTest, BuffTakesTheOuterPlaceFromTheDebuff)
{
    FakeStatus status;
    for (const int side : {1, -1}) {
        Ref<SETimersBar> bar = SETimersBar::New(&status, side);
        made.push_back(bar);
        const Ref<StatusEffectTimer>& buff = bar->GetBuffTimer();
        const Ref<StatusEffectTimer>& debuff = bar->GetDebuffTimer();
        const float outer = -18.0f * static_cast<float>(side);
        status = FakeStatus{};
        bar->Update(kStepMs);
        EXPECT_FALSE(buff->visible || debuff->visible);

        status.debuff = 4;   // slow, alone: outer place
        status.debuffMs = 4999;
        bar->Update(kStepMs);
        EXPECT_TRUE(debuff->visible);
        EXPECT_EQ(debuff->GetLabel()->GetText(), U"4");
        EXPECT_EQ(debuff->position->x, outer);

        status.buff = 1;     // a buff starts: it goes outside, the debuff moves in
        status.buffMs = 5000;
        bar->Update(kStepMs);
        EXPECT_TRUE(buff->visible);
        EXPECT_EQ(buff->GetLabel()->GetText(), U"5");
        EXPECT_EQ(std::pair(buff->position->x, debuff->position->x), std::pair(outer, -outer));

        status.buff = 0;     // the buff ends: the debuff goes back out
        bar->Update(kStepMs);
        EXPECT_EQ(std::pair(buff->visible, debuff->position->x), std::pair(false, outer));
        status.debuffMs = 999;
        bar->Update(kStepMs);
        EXPECT_EQ(debuff->GetLabel()->GetText(), U"0");
    }
}

}  // namespace
}  // namespace zelka
