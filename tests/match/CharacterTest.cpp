#include "match/character/Character.h"

#include <gtest/gtest.h>

#include <tuple>

#include "MatchTestSupport.h"
#include "engine/media/Sprite.h"
#include "engine/media/StaticImage.h"
#include "engine/tween/Tween.h"
#include "services/player/PlayerData.h"
#include "services/roster/CharProfile.h"
#include "services/settings/StageSettings.h"

namespace zelka {
namespace {

using matchtest::EventCounter;
using matchtest::kStep;

// Records the turn requests that reach the maze's side of the bus.
class TurnSpy : public EventListener {
public:
    void HandleEvent(Object* /*source*/, int id, Object* data) override
    {
        if (id != kEventTurnRequest) return;
        auto* request = static_cast<CharacterDirectionRequest*>(data);
        asked.push_back(request->newDirection);
        if (refuse) request->allowed = false;
    }
    std::vector<int> asked;
    bool refuse = false;
};

class CharacterTest : public matchtest::MazeFixture {
protected:
    void SetUp() override
    {
        MazeFixture::SetUp();
        PlayerData::ResetPlayerCounter();
        player_ = PlayerData::New();
        player_->character = CharProfile::New(U"mira", U"MIRA", 0);
        player_->character->SetSprite(40, 10);
        ch_ = Character::New(U"Player1", player_.get());
    }
    void TearDown() override
    {
        ch_->Deallocate();
        MazeFixture::TearDown();
    }
    void Run(int updates)
    {
        for (int n = 0; n < updates; ++n) ch_->Update(kStep);
    }

    Ref<PlayerData> player_;
    Ref<Character> ch_;
};

// Turbo on slow and slow on turbo end both; dig clears both; a new debuff replaces the
// old with a fresh timer; timers end the effect and restore the speed.
TEST_F(CharacterTest, StatusEffectsCancelReplaceAndRunOut)
{
    const auto status = [this] {
        const int shown = ch_->GetStatusSprite()->visible;
        return std::vector<int>{ch_->GetCurrentBuff(), ch_->GetCurrentDeBuff(), shown};
    };
    const std::vector<int> none{kBuffNone, kBuffNone, false};
    ch_->SetCurrentDebuff(kDebuffSlow, 5000);
    ch_->SetCurrentBuff(kBuffTurbo, 5000);
    EXPECT_EQ(status(), none);
    ch_->SetCurrentBuff(kBuffTurbo, 5000);
    EXPECT_FLOAT_EQ(ch_->GetSpeedMultiplier(), 2.0f);
    ch_->SetCurrentDebuff(kDebuffSlow, 5000);
    EXPECT_EQ(status(), none);
    EXPECT_EQ(ch_->GetCurrentBuffTimer(), -1);
    EXPECT_FLOAT_EQ(ch_->GetSpeedMultiplier(), 1.0f);
    ch_->SetCurrentBuff(kBuffWallBreaker, 5000);
    ch_->SetCurrentDebuff(kDebuffConfused, 5000);
    ch_->Dig();
    EXPECT_EQ(status(), none);
    ch_->Deallocate();
    ch_ = Character::New(U"Player1", player_.get());

    const auto body = [this] {
        return std::pair<bool, int>(ch_->GetBody()->enabled, ch_->GetBody()->tint.b);
    };
    ch_->SetCurrentDebuff(kDebuffFrozen, 5000);
    EXPECT_EQ(body(), std::pair(false, 240));
    Run(10);
    EXPECT_FLOAT_EQ(ch_->position->y, 0.0f);   // frozen stands still
    ch_->SetCurrentDebuff(kDebuffSlow, 1000);
    EXPECT_EQ(ch_->GetCurrentDeBuffTimer(), 1000);
    EXPECT_EQ(body(), std::pair(true, 255));
    EXPECT_TRUE(ch_->GetStatusSprite()->visible);
    Run(10);
    EXPECT_NEAR(ch_->position->y, 8.0f, 1e-3);   // half speed
    Run(53);   // 1008 ms in all: the slow is over
    EXPECT_EQ(status(), none);
    const float y = ch_->position->y;
    Run(10);
    EXPECT_NEAR(ch_->position->y - y, 16.0f, 1e-3);
    ch_->SetCurrentBuff(kBuffTurbo, 100);
    Run(7);
    EXPECT_EQ(std::pair(ch_->GetCurrentBuff(), ch_->GetSpeedMultiplier()), std::pair(kBuffNone, 1.0f));
}

TEST_F(CharacterTest, TurnsAskTheMazeAndAConfusedTurnArrivesInverted)
{
    auto spy = std::make_shared<TurnSpy>();
    EventManager::RegisterListener(spy, ch_, kEventAnyId);
    ch_->SetDirection(kDirRight);
    EXPECT_EQ(std::pair(ch_->GetDirection(), ch_->GetSpeed().x), std::pair(kDirRight, Character::kBaseSpeed));
    ch_->SetCurrentDebuff(kDebuffConfused, 5000);
    ch_->SetDirection(kDirUp);
    EXPECT_EQ(spy->asked, (std::vector<int>{kDirRight, kDirDown}));
    EXPECT_EQ(ch_->GetDirection(), kDirDown);
    ch_->SetDirection(kDirDown);      // inverted: up
    spy->refuse = true;
    ch_->SetDirection(kDirRight);     // inverted: left, refused
    EXPECT_EQ(ch_->GetDirection(), kDirUp);
    // Out-of-range directions do nothing, even confused (which would make them "right").
    const size_t asked = spy->asked.size();
    ch_->SetDirection(kDirNone);
    ch_->SetDirection(4);
    EXPECT_EQ(std::pair(spy->asked.size(), ch_->GetDirection()), std::pair(asked, kDirUp));
    // Frozen ignores turns without asking.
    ch_->SetCurrentDebuff(kDebuffFrozen, 5000);
    spy->refuse = false;
    ch_->SetDirection(kDirLeft);
    EXPECT_EQ(std::pair(spy->asked.size(), ch_->GetDirection()), std::pair(asked, kDirUp));
}

TEST_F(CharacterTest, FreezeMashTakesHalfASecondAtMostEveryThreeHundredMs)
{
    ch_->SetCurrentDebuff(kDebuffFrozen, 5000);
    EXPECT_TRUE(ch_->DefreezeABit());
    EXPECT_EQ(ch_->GetCurrentDeBuffTimer(), 4500);
    EXPECT_FALSE(ch_->DefreezeABit());   // inside the lockout
    Run(18);                              // 288 ms: still locked
    EXPECT_FALSE(ch_->DefreezeABit());
    Run(1);
    ASSERT_TRUE(ch_->DefreezeABit());
    EXPECT_EQ(ch_->GetCurrentDeBuffTimer(), 4500 - 304 - 500);
    ch_->SetCurrentDebuff(kDebuffConfused, 5000);
    Run(20);
    EXPECT_FALSE(ch_->DefreezeABit());   // only when frozen
}

// The turbo setting speeds up versus matches only; acceleration needs a moving axis
// (sign(0) is 0), is clamped, and is refused while digging.
TEST_F(CharacterTest, SpeedSettingAndAcceleration)
{
    auto saved = GameData::gameSettings;
    GameData::gameSettings = StageSettings::New();
    ASSERT_TRUE(GameData::gameSettings->SetOption(U"mov. speed", U"turbo"));
    SetRace(false);
    ch_->ResetSpeed();
    EXPECT_FLOAT_EQ(ch_->GetSpeed().y, Character::kTurboSpeed);
    SetRace(true);
    ch_->ResetSpeed();
    EXPECT_FLOAT_EQ(ch_->GetSpeed().y, Character::kBaseSpeed);
    GameData::gameSettings = saved;

    ch_->SetAccel(300.0f);
    Run(10);
    EXPECT_NEAR(ch_->GetSpeed().y, 100.0f + 300.0f * 0.16f, 1e-3);
    EXPECT_EQ(std::pair(ch_->GetSpeed().x, ch_->position->x), std::pair(0.0f, 0.0f));
    Run(100);
    EXPECT_FLOAT_EQ(ch_->GetSpeed().y, Character::kMaxSpeed);
    ch_->SetAccel(0.0f);
    EXPECT_FLOAT_EQ(ch_->GetSpeed().y, Character::kBaseSpeed);
    ch_->Dig();
    ch_->SetAccel(300.0f);
    EXPECT_FLOAT_EQ(ch_->GetAccel(), 0.0f);
}

TEST_F(CharacterTest, DigTakesSevenFramesStandingThenGoesUndergroundAtPointFour)
{
    // State, body shown, dig sprite shown.
    const auto look = [this] {
        return std::tuple(ch_->GetState(), ch_->GetBody()->visible, ch_->GetDigSprite()->visible);
    };
    ch_->Dig();
    EXPECT_EQ(look(), std::tuple(kCharDigAnimation, false, true));
    std::vector<int> frames{ch_->GetDigSprite()->GetCurrentFrame()};
    int updates = 0;
    while (ch_->GetState() == kCharDigAnimation && updates < 200) {
        ch_->Update(kStep);
        ++updates;
        const int frame = ch_->GetDigSprite()->GetCurrentFrame();
        if (frame != frames.back()) frames.push_back(frame);
        if (ch_->GetState() == kCharDigAnimation) {
            EXPECT_FLOAT_EQ(ch_->position->y, 0.0f);
        }
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    // Each 83 ms frame (12 fps) shows for whole 16 ms updates: 6 each.
    EXPECT_EQ(updates, 7 * 6);
    EXPECT_EQ(look(), std::tuple(kCharUnderground, false, false));
    EXPECT_FLOAT_EQ(ch_->GetSpeedMultiplier(), 0.4f);
    // The update that ended the animation already moved underground: 11 x 0.64 px.
    Run(10);
    EXPECT_NEAR(ch_->position->y, 7.04f, 1e-3);
    // Up again: the same seven frames, then walking with the body shown.
    EXPECT_TRUE(ch_->Resurface());
    EXPECT_FALSE(ch_->Resurface());
    Run(41);
    EXPECT_EQ(ch_->GetState(), kCharDigAnimation);
    EXPECT_NEAR(ch_->position->y, 7.04f, 1e-3);   // standing while it comes up
    Run(1);
    EXPECT_EQ(look(), std::tuple(kCharWalking, true, false));
}

TEST_F(CharacterTest, TeleportRunsThroughItsTweenEvents)
{
    auto counter = std::make_shared<EventCounter>();
    EventManager::RegisterListener(counter, ch_, kEventAnyId);
    ch_->SetDirection(kDirRight);
    ch_->Teleport(200.0f, -96.0f);
    EXPECT_EQ(counter->Count(kEventTeleportStarted), 1);
    EXPECT_TRUE(ch_->IsTeleporting());
    bool hidden = false;
    bool scaled = false;
    int arrivedAt = -1;
    int walkingAt = -1;
    for (int n = 0; n < 300 && walkingAt < 0; ++n) {
        ch_->SetDirection(n % 2 == 0 ? kDirUp : kDirLeft);   // input is ignored meanwhile
        ch_->Update(kStep);
        EXPECT_EQ(ch_->GetDirection(), kDirRight);
        if (!ch_->visible) hidden = true;
        if (ch_->scale.x < 1.0f && ch_->scale.y > 1.0f) scaled = true;
        if (arrivedAt < 0 && counter->Count(kEventTeleportArrived) == 1) {
            arrivedAt = n;
            EXPECT_FLOAT_EQ(ch_->position->x, 200.0f);
            EXPECT_FLOAT_EQ(ch_->position->y, -96.0f);
        }
        if (ch_->GetState() == kCharWalking) walkingAt = n;
    }
    EXPECT_TRUE(hidden && scaled);
    ASSERT_GT(arrivedAt, 31);   // 500 ms beaming out first
    EXPECT_EQ(counter->Count(kEventTeleportArrived), 1);
    EXPECT_NEAR(walkingAt - arrivedAt, 32, 1);   // 500 ms beaming in
    EXPECT_TRUE(ch_->visible);
    EXPECT_FALSE(ch_->GetBeam()->visible);
    EXPECT_FLOAT_EQ(ch_->scale.x, 1.0f);
    ch_->SetDirection(kDirUp);
    EXPECT_EQ(ch_->GetDirection(), kDirUp);
}

TEST_F(CharacterTest, NavigationCursorBlinksOnlyWhileWalking)
{
    ch_->Update(kStep);
    EXPECT_FALSE(ch_->GetNavCursor()->visible);
    ch_->SetNavigationDir(kDirUp);
    int shown = 0;
    for (int n = 0; n < 25; ++n) shown += (ch_->Update(kStep), ch_->GetNavCursor()->visible);   // 400 ms
    EXPECT_GT(shown, 10);
    EXPECT_LT(shown, 15);
    EXPECT_FLOAT_EQ(ch_->GetNavCursor()->position->y, -32.0f);
    EXPECT_EQ(ch_->GetNavCursor()->GetCurrentSequence(), U"UP");
    ch_->Dig();
    Run(25);
    EXPECT_FALSE(ch_->GetNavCursor()->visible);
}

TEST_F(CharacterTest, WalkersRaiseDustEveryTenPixels)
{
    Run(63);   // 100.8 px down: a puff each time more than 10 px are walked (7 updates)
    ASSERT_EQ(hooks.dust.size(), 9u);
    EXPECT_NEAR(hooks.dust[0][0], 0.0f, 1e-3);      // no horizontal speed: no x offset
    EXPECT_NEAR(hooks.dust[0][1], 11.2f + 4.0f - 4.0f, 1e-3);
}

TEST_F(CharacterTest, TheWallBreakerFlickersAndTheTurboLeavesAGhost)
{
    graphics::BeginRender();
    ch_->position->Set(320.0f, 180.0f);
    // Renders once; the body draws and whether one was at the ghost's alpha of 0.6.
    const auto render = [this] {
        device_.ClearCalls();
        ch_->Render();
        int draws = 0;
        bool ghost = false;
        for (const auto& call : device_.Calls()) {
            draws += call.op == DeviceOp::DrawSurface2 ? 1 : 0;
            ghost = ghost || (call.op == DeviceOp::SetAlpha && std::abs(call.args[0] - 0.6f) < 1e-4f);
        }
        return std::pair{draws, ghost};
    };
    EXPECT_EQ(render(), std::pair(1, false));
    ch_->SetCurrentBuff(kBuffWallBreaker, 5005);   // 5005 mod 20 = 5: hidden
    EXPECT_EQ(render(), std::pair(0, false));
    ch_->SetCurrentBuff(kBuffWallBreaker, 5015);
    EXPECT_EQ(render(), std::pair(1, false));
    ch_->SetCurrentBuff(kBuffTurbo, 5000);
    ch_->Update(kStep);   // the ghost trails behind the downward walker
    EXPECT_FLOAT_EQ(ch_->GetGhostOffset().x, 0.0f);
    EXPECT_LE(ch_->GetGhostOffset().y, 0.0f);
    EXPECT_EQ(render(), std::pair(2, true));
    EXPECT_FLOAT_EQ(ch_->alpha, 1.0f);
    graphics::EndRender();
}

}  // namespace
}  // namespace zelka
