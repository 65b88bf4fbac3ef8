#include "screens/app/StageTransitions.h"

#include "engine/display/DrawingState.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "tests/engine/NothingRefused.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelka {
namespace {

std::vector<std::vector<float>> Diamonds(int elapsedMs, bool incoming, bool* running = nullptr)
{
    std::vector<std::vector<float>> polys;
    std::array<float, 8> buffer{};
    const bool r = transition::ForEachDiamond(elapsedMs, incoming, buffer,
                                              [&](std::span<const float> xy) {
                                                  polys.emplace_back(xy.begin(), xy.end());
                                              });
    if (running != nullptr) *running = r;
    return polys;
}

}  // namespace

// Which transition each stage gets and how long each runs: the application's timing of
// them (the extra wait, mute) is in ZELKATest.
TEST(StageTransitions, KindByStageAndLengths)
{
    EXPECT_EQ(transition::ForStage(5), transition::Kind::None);
    EXPECT_EQ(transition::ForStage(7), transition::Kind::Fade);
    for (int id : {1, 2, 3, 4, 6, -99999, 42}) {
        EXPECT_EQ(transition::ForStage(id), transition::Kind::Diamonds) << id;
    }
    EXPECT_FLOAT_EQ(transition::FadeAlpha(600, false), 0.5f);
    EXPECT_FLOAT_EQ(transition::FadeAlpha(300, true), 0.75f);
    EXPECT_FLOAT_EQ(transition::FadeAlpha(5000, false), 1.0f);  // clamped
    EXPECT_FLOAT_EQ(transition::FadeAlpha(5000, true), 0.0f);
    EXPECT_FLOAT_EQ(transition::FadeAlpha(-100, false), 0.0f);

    bool running = true;
    Diamonds(499, true, &running);
    EXPECT_TRUE(running);
    const auto done = Diamonds(500, true, &running);
    EXPECT_FALSE(running);
    EXPECT_EQ(done[0], (std::vector<float>{0, 0, 0, 0, 0, 0, 0, 0}));  // nothing left to cover
    const auto covered = Diamonds(900, false, &running);  // clamped: full cover going out
    EXPECT_FALSE(running);
    EXPECT_EQ(covered[0][0], 600.0f);
}

class StageTransitionsDrawing : public ::testing::Test, public NothingRefused {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device);
        device.BeginRender();
        graphics::BeginRender();
    }
    void TearDown() override
    {
        ExpectNothingRefused();
        graphics::EndRender();
        device.EndRender();
        graphics::ResetContext();
        same::ResetDrawingState();
    }
    RecordingGraphicsDevice device{640, 360};
};

TEST_F(StageTransitionsDrawing, FadeDrawsBlackAndRestoresAlphaAndTintDiamondsAllPolygons)
{
    graphics::SetAlpha(0.25f);
    same::SetTint(10, 20, 30);
    EXPECT_TRUE(transition::RenderFade(900, false));
    ASSERT_EQ(device.Count(DeviceOp::DrawRect), 1);
    for (const DeviceCall& call : device.Calls()) {
        if (call.op == DeviceOp::DrawRect) {
            EXPECT_EQ(call.args, (std::vector<float>{0, 0, 640, 360}));
            EXPECT_FLOAT_EQ(call.alpha, 0.75f);
            EXPECT_EQ(call.color, (std::array<float, 3>{0, 0, 0}));
        }
    }
    EXPECT_FLOAT_EQ(graphics::GetAlpha(), 0.25f);
    EXPECT_EQ(graphics::GetColor(), (std::array<float, 3>{10, 20, 30}));
    EXPECT_FALSE(transition::RenderFade(1200, true));

    std::array<float, 8> buffer{};
    EXPECT_TRUE(transition::RenderDiamonds(100, false, buffer));
    EXPECT_EQ(device.Count(DeviceOp::DrawPoly), 17 * 13);
}

}  // namespace zelka
