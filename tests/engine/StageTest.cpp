#include "engine/stage/Stage.h"

#include "engine/display/DrawingState.h"
#include "engine/stage/Game.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zelka {

namespace {

using Log = std::vector<std::string>;

class LoggingNode : public GDO {
public:
    LoggingNode(Log& log, std::string tag) : log_(log), tag_(std::move(tag)) {}
    void Update(int ms) override
    {
        log_.push_back("update " + tag_);
        GDO::Update(ms);
    }
    void Deallocate() override
    {
        log_.push_back("release " + tag_);
        GDO::Deallocate();
    }
    void Draw() override { log_.push_back("draw " + tag_); }

private:
    Log& log_;
    std::string tag_;
};

class LoggingCog : public Cog, public Drawable {
public:
    LoggingCog(Log& log, std::string tag) : Cog(FromLatin1(tag)), log_(log), tag_(std::move(tag)) {}
    void Update(int) override { log_.push_back("update " + tag_); }
    void Deallocate() override { log_.push_back("release " + tag_); }
    bool IsVisible() const override { return true; }
    void Draw() override { log_.push_back("draw " + tag_); }

private:
    Log& log_;
    std::string tag_;
};

class StageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device);
        Game::screenSize.Set(640.0f, 360.0f);
        Game::globalScale.Set(1.0f, 1.0f);
        Game::globalOffset.Set(0.0f, 0.0f);
        same::SetClipping(0.0f, 0.0f, 640.0f, 360.0f);  // the letterbox, as a frame sets it
        stage->GetRootGDO()->AddChild(world);
        stage->AddLayer(layer);
        stage->AddCog(cog);
    }
    void TearDown() override
    {
        stage->Deallocate();
        graphics::ResetContext();
        same::ResetDrawingState();
        Game::screenSize.Set(0.0f, 0.0f);
    }
    Log log;
    RecordingGraphicsDevice device{640, 360};
    Ref<Stage> stage = Stage::New(0);
    Ref<LoggingNode> world = std::make_shared<LoggingNode>(log, "world");
    Ref<LoggingNode> layer = std::make_shared<LoggingNode>(log, "layer");
    Ref<LoggingCog> cog = std::make_shared<LoggingCog>(log, "cog");
};

}  // namespace

TEST_F(StageTest, UpdateRunsWorldThenLayersThenEnabledCogs)
{
    stage->Update(16);
    EXPECT_EQ(log, (Log{"update world", "update layer", "update cog"}));
    log.clear();
    stage->GetRootGDO()->enabled = false;
    cog->Stop();
    stage->Update(16);
    EXPECT_EQ(log, (Log{"update layer"}));
}

TEST_F(StageTest, RenderWorldDrawsWorldAndCogsPerWindowThenOtherLayers)
{
    world->neverCulled = true;
    layer->position->Set(100.0f, 100.0f);  // a point on the device corner would be culled
    auto second = Window::New(100.0f, 100.0f);
    stage->AddLayer(second);
    const auto render = [&]() {
        device.BeginRender();
        graphics::BeginRender();
        stage->RenderWorld();
        graphics::EndRender();
        return std::exchange(log, {});
    };
    EXPECT_EQ(render(), (Log{"draw world", "draw cog", "draw layer", "draw world", "draw cog"}));
    second->visible = false;
    stage->GetRootWindow()->visible = false;
    EXPECT_EQ(render(), (Log{"draw layer"}));
}

// Releasing runs world, layers, cogs in that order; the layers stay listed, emptied.
TEST_F(StageTest, DeallocateOrderIsWorldLayersCogs)
{
    auto child = GDO::New();
    layer->AddChild(child);
    cog->Unhook();   // no game: nothing to unhook from
    EXPECT_EQ(stage->CogCount(), 1);
    stage->Deallocate();
    EXPECT_EQ(log, (Log{"release world", "release layer", "release cog"}));
    EXPECT_EQ(stage->GetRootGDO()->ChildCount(), 0);
    EXPECT_EQ(world->GetParent(), nullptr);
    EXPECT_EQ(child->GetParent(), nullptr);
    EXPECT_EQ(stage->CogCount(), 0);
    EXPECT_EQ(stage->LayerCount(), 2);
    stage->RemoveCog(cog.get());   // not listed: nothing
}

TEST_F(StageTest, AddLayerRefusesAnIndexPastTheEnd)
{
    auto a = GDO::New();
    EXPECT_FALSE(stage->AddLayer(a, 2));   // index == count
    EXPECT_TRUE(stage->AddLayer(a, 1));
    EXPECT_EQ(stage->GetLayer(1), a);
    EXPECT_EQ(stage->GetLayer(2), layer);
}

}  // namespace zelka
