#include "match/camera/SplitScreenCamera.h"

#include "engine/stage/Window.h"
#include "engine/ui/VerticalShaker.h"
#include "match/camera/CameraSubject.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zelka {
namespace {

struct FakePlayer : CameraSubject {
    Vector GetCameraPosition() const override { return position; }
    bool IsTeleporting() const override { return teleporting; }
    bool ReachedTeleportPosition() const override { return reached; }
    void SetWindowShaker(const Ref<VerticalShaker>& s) override { shaker = s; }

    Vector position;
    bool teleporting = false;
    bool reached = false;
    Ref<VerticalShaker> shaker;
};

class SplitScreenCameraTest : public ::testing::Test {
protected:
    void SetUp() override { camera->SetScreens(false, false); }

    void Place(float x1, float y1, float x2, float y2)
    {
        p1.position.Set(x1, y1);
        p2.position.Set(x2, y2);
    }
    void Step(int times = 1)
    {
        for (int i = 0; i < times; ++i) camera->SetWindowToPlayers(p1, p2);
    }
    // Where a window sits on screen: width, height, centre x and y.
    static std::vector<float> Box(const Window& w)
    {
        return {static_cast<float>(w.GetWidth()), static_cast<float>(w.GetHeight()), w.position->x,
                w.position->y};
    }
    // Split with player 1 on the left half, both halves settled on their players.
    void SplitApart(float x1, float x2)
    {
        Place(-300, 0, 245, 0);   // 545 apart
        Step();
        ASSERT_TRUE(camera->IsSplit());
        Place(x1, 0, x2, 0);
        Step(60);
    }

    Ref<Window> w1 = Window::New(640, 360);
    Ref<Window> w2 = Window::New(0, 0);
    Ref<SplitScreenCamera> camera = SplitScreenCamera::New(w1, w2);
    FakePlayer p1;
    FakePlayer p2;
};

TEST_F(SplitScreenCameraTest, SharedScreenFollowsTheMidpointAndSharesOneShaker)
{
    EXPECT_EQ(Box(*w1), (std::vector<float>{640, 296, 320, 212}));
    EXPECT_FALSE(w2->visible);

    Place(100, 0, 300, 0);   // midpoint 200 away: capped at 16 px per update
    Step();
    EXPECT_EQ((std::vector<float>{w1->GetViewX(), w1->GetViewY(), w2->GetViewX()}),
              (std::vector<float>{16, 0, 16}));
    Place(16, 0, 24, 10);    // close: 0.3 of the distance, floored (4 x 0.3, 5 x 0.3)
    Step();
    EXPECT_EQ(w1->GetViewX(), 17);
    EXPECT_EQ(w1->GetViewY(), 1);
    EXPECT_EQ(p1.shaker, camera->GetShaker1());
    EXPECT_EQ(p2.shaker, camera->GetShaker1());
    // A quake aimed at either player shakes the one window on screen.
    p2.shaker->Shake(300);
    p2.shaker->Process2(16);
    EXPECT_NE(w1->position->y, 212);
}

TEST_F(SplitScreenCameraTest, SplitsBeyond544AcrossOr236Point8Down)
{
    Place(-272, 0, 272, 0);   // exactly 544
    Step(30);
    EXPECT_FALSE(camera->IsSplit());
    Place(0, -118, 0, 118.5f);   // 236.5 up and down: 0.8 of the 296-px window is 236.8
    Step(30);
    EXPECT_FALSE(camera->IsSplit());

    Place(-272, 0, 273, 0);   // 545
    Step();
    ASSERT_TRUE(camera->IsSplit());
    EXPECT_TRUE(w2->visible);
    EXPECT_EQ(Box(*w1), (std::vector<float>{318, 296, 160, 212}));   // player 1 is on the left
    EXPECT_EQ(Box(*w2), (std::vector<float>{318, 296, 480, 212}));
    // Each half starts on its side of the shared picture (midpoint 0.5, floored).
    EXPECT_EQ(w1->GetViewX(), -160);
    EXPECT_EQ(w2->GetViewX(), 160);
    Step();
    EXPECT_EQ(p1.shaker, camera->GetShaker1());
    EXPECT_EQ(p2.shaker, camera->GetShaker2());
}

TEST_F(SplitScreenCameraTest, StaysSplitAt409AndJoinsOnlyOnceBothHalvesConverge)
{
    SplitApart(-300, 109);   // 409 apart
    EXPECT_TRUE(camera->IsSplit());
    EXPECT_EQ(w1->GetViewX(), -300);   // each half settled on its own player
    EXPECT_EQ(w2->GetViewX(), 109);

    Place(-300, 40, 108, -40);   // 408 apart: both halves head for mid -96, +-160
    const float mid = -96;
    int steps = 0;
    while (camera->IsSplit() && steps < 200) {
        const float before = w1->GetViewX();
        Step();
        ++steps;
        if (camera->IsSplit()) {
            EXPECT_LE(std::fabs(w1->GetViewX() - before), 8);   // joining eases gently
            // Still split: at least one half was not yet within 10 px after this step.
            EXPECT_TRUE(w1->DistanceToPoint(mid - 160, 0) > 10 ||
                        w2->DistanceToPoint(mid + 160, 0) > 10);
        }
    }
    ASSERT_FALSE(camera->IsSplit());
    EXPECT_GE(steps, 4);   // 44 px to go at no more than 8 px a step
    EXPECT_EQ(w1->GetViewX(), mid);
    EXPECT_EQ(w1->GetViewY(), 0);
    EXPECT_EQ(Box(*w1), (std::vector<float>{640, 296, 320, 212}));
    EXPECT_FALSE(w2->visible);
    Step();
    EXPECT_EQ(p2.shaker, camera->GetShaker1());
}

TEST_F(SplitScreenCameraTest, CrossedPlayersKeepTheirWindowsUntilTheOrderMatches)
{
    // Split by height (237 px) with player 1 a little left, then they cross while apart.
    Place(-10, -118, 10, 119);
    Step();
    ASSERT_TRUE(camera->IsSplit());
    ASSERT_EQ(w1->position->x, 160);
    Place(100, -150, -100, 150);
    Step(40);
    // Now close on both axes, but player 1 is right of player 2 while his window is on the
    // left half: each half keeps following its own player.
    Place(100, 0, -100, 0);
    Step(100);
    EXPECT_TRUE(camera->IsSplit());
    // (Easing upwards is floored, so a view can stall up to 3 px short.)
    EXPECT_NEAR(w1->GetViewX(), 100, 3);
    EXPECT_NEAR(w2->GetViewX(), -100, 3);
    EXPECT_EQ(w1->position->x, 160);
    // Back in the windows' order: they join.
    Place(-100, 0, 100, 0);
    Step(100);
    EXPECT_EQ(std::pair(camera->IsSplit(), w1->GetViewX()), std::pair(false, 0.0f));
}

TEST_F(SplitScreenCameraTest, TeleportSwapHoldsThenJumpsAndSwapsHalves)
{
    SplitApart(-400, 400);
    ASSERT_EQ(w1->position->x, 160);
    const auto views = [this] { return std::pair(w1->GetViewX(), w2->GetViewX()); };
    const auto before = views();
    p1.teleporting = p2.teleporting = true;
    p1.reached = p2.reached = false;
    for (int i = 0; i < 20; ++i) {   // in flight, the beams carry them across
        Place(-400 + 40 * i, 0, 400 - 40 * i, 0);
        Step();
        EXPECT_TRUE(camera->IsHolding());
        EXPECT_EQ(views(), before) << i;
    }
    Place(400, 0, -400, 0);
    p1.reached = true;   // one arrived: still holding
    Step();
    EXPECT_EQ(views(), before);
    p2.reached = true;   // both arrived (still beaming out)
    Step();
    EXPECT_TRUE(!camera->IsHolding() && camera->IsSplit());
    // Each view jumps onto its player, and player 1's half moves to the right.
    EXPECT_EQ((std::vector<float>{w1->GetViewX(), w2->GetViewX(), w1->position->x, w2->position->x}),
              (std::vector<float>{400, -400, 480, 160}));
    p1.teleporting = p2.teleporting = false;
    Step(10);
    EXPECT_EQ(w1->position->x, 480);
    // On a shared screen a teleport only pauses the camera.
    Place(420, 0, 380, 0);
    Step(100);
    ASSERT_FALSE(camera->IsSplit());
    const float shared = w1->GetViewX();
    p1.teleporting = p2.teleporting = true;
    p1.reached = false;
    Place(300, 0, 500, 0);
    Step(5);
    EXPECT_EQ(w1->GetViewX(), shared);
    p1.reached = true;
    Step();
    EXPECT_FALSE(camera->IsHolding() || camera->IsSplit());
}

}  // namespace
}  // namespace zelka
