#include "engine/stage/Window.h"

#include "engine/display/DrawingState.h"
#include "engine/stage/Game.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

#include <gtest/gtest.h>

namespace zelka {

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset();
        graphics::SetGraphicsDevice(&device);
        device.BeginRender();
        graphics::BeginRender();
    }
    void TearDown() override
    {
        graphics::EndRender();
        Reset();
    }
    static void Reset()
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        Game::globalScale.Set(1.0f, 1.0f);
        Game::globalOffset.Set(0.0f, 0.0f);
    }
    std::array<float, 2> View() const { return {window->GetViewX(), window->GetViewY()}; }

    RecordingGraphicsDevice device{1280, 720};
    Ref<Window> window = Window::New(320.0f, 360.0f);
};

using XY = std::array<float, 2>;

}  // namespace

TEST_F(WindowTest, SetViewFloorsAndClampsToLimits)
{
    EXPECT_FALSE(window->SetViewX(10.7f));   // false: not where asked
    EXPECT_EQ(window->GetViewX(), 10.0f);
    EXPECT_TRUE(window->SetViewX(10.0f));
    EXPECT_FALSE(window->SetViewY(-0.5f));
    EXPECT_EQ(window->GetViewY(), -1.0f);
    auto limits = std::make_shared<WindowLimits>();
    limits->minX = 100.0f;
    limits->maxX = 200.0f;
    window->SetLimits(limits);
    window->SetViewX(50.5f);
    EXPECT_EQ(window->GetViewX(), 100.0f);
    EXPECT_FALSE(window->SetViewX(250.0f));
    EXPECT_EQ(window->GetViewX(), 200.0f);
}

TEST_F(WindowTest, PerAxisApproachLimitsEachAxisAndFollowsOnUpdate)
{
    EXPECT_FALSE(window->Approach(20.0f, 2.0f, 0.5f, 4.0f, 0.1f));
    EXPECT_EQ(View(), (XY{4.0f, 1.0f}));
    // Inside the dead zone on both axes: nothing moves.
    EXPECT_TRUE(window->Approach(4.5f, 1.5f, 0.5f, 4.0f, 1.0f));
    EXPECT_EQ(View(), (XY{4.0f, 1.0f}));
    // A factor above 1 counts as 1: never overshoots.
    window->Approach(10.0f, 1.0f, 5.0f, 100.0f, 0.0f);
    EXPECT_EQ(window->GetViewX(), 10.0f);

    window->Update(16);   // no target: nothing
    EXPECT_EQ(window->GetViewX(), 10.0f);
    window->SetFollow(Vector::New2(110.0f, 1.0f), 0.1f, 50.0f, 0.0f);
    window->Update(16);
    EXPECT_EQ(window->GetViewX(), 20.0f);
}

TEST_F(WindowTest, RadialApproachDeadZoneAndZeroDistance)
{
    window->followMode = kFollowRadial;
    EXPECT_TRUE(window->Approach(3.0f, 0.0f, 0.5f, 10.0f, 5.0f));   // inside the dead zone
    // Target on the view centre with no dead zone: no division by zero, no move.
    EXPECT_FALSE(window->Approach(0.0f, 0.0f, 0.5f, 10.0f, 0.0f));
    EXPECT_EQ(View(), (XY{0.0f, 0.0f}));
    // 30-40-50 triangle, step limited to 10 along the line: (6, 8).
    EXPECT_FALSE(window->Approach(30.0f, 40.0f, 0.5f, 10.0f, 0.0f));
    EXPECT_EQ(View(), (XY{6.0f, 8.0f}));
    EXPECT_FLOAT_EQ(window->DistanceToPoint(9.0f, 12.0f), 5.0f);
}

TEST_F(WindowTest, PreDrawScissorsScaledRectangleAndPostDrawRestoresClip)
{
    window->position->Set(160.0f, 180.0f);
    Game::globalScale.Set(2.0f, 2.0f);
    Game::globalOffset.Set(0.0f, 60.0f);
    same::SetClipping(0.0f, 60.0f, 1280.0f, 720.0f);
    window->PreDraw();
    EXPECT_EQ(device.Scissor(), (std::array<int, 4>{0, 60, 640, 720}));
    EXPECT_FALSE(same::clipIsOn_);  // the clip state is left alone
    window->PostDraw();
    EXPECT_EQ(device.Scissor(), (std::array<int, 4>{0, 60, 1280, 720}));
    EXPECT_TRUE(same::clipIsOn_);
    EXPECT_EQ(graphics::GetMatrix(), (std::array<float, 6>{1, 0, 0, 1, 0, 0}));
}

TEST_F(WindowTest, WorldCoordsToScreenUndoesTheLetterbox)
{
    window->position->Set(160.0f, 180.0f);
    window->SetViewX(100.0f);
    window->SetViewY(50.0f);
    Game::globalScale.Set(2.0f, 2.0f);
    Game::globalOffset.Set(0.0f, 60.0f);
    graphics::Translate(0.0f, 60.0f);  // what the frame sets up before the windows
    graphics::Scale(2.0f, 2.0f);
    window->PreDraw();
    window->PostDraw();
    const Vector p = window->WorldCoordsToScreen(110.0f, 40.0f);
    EXPECT_EQ((XY{p.x, p.y}), (XY{170.0f, 170.0f}));
    // A minimised window has a scale of 0: the point comes back unchanged, not infinite.
    Game::globalScale.Set(0.0f, 0.0f);
    const Vector q = window->WorldCoordsToScreen(110.0f, 40.0f);
    EXPECT_EQ((XY{q.x, q.y}), (XY{110.0f, 40.0f}));
}

}  // namespace zelka
