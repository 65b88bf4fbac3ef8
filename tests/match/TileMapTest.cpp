#include "match/maze/TileMap.h"

#include <gtest/gtest.h>

#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "match/MatchConstants.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka {
namespace {

class TileMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        same::ResetDrawingState();
        graphics::SetGraphicsDevice(&device_);
        device_.AddFakeImage("tiles.png", 4 * 32, 32);
        map_ = TileMap::New(TileSet::New(Texture::GetTexture(U"tiles.png"), 32, 32), 16, 1);
    }
    void TearDown() override
    {
        map_->Deallocate();
        graphics::ResetContext();
        same::ResetDrawingState();
    }

    RecordingGraphicsDevice device_;   // 640 x 360
    Ref<TileMap> map_;
};

TEST_F(TileMapTest, SizesBlocksAndBounds)
{
    EXPECT_EQ(map_->GetBlockCols(), 4);
    EXPECT_EQ(map_->GetBlockRows(), 1);    // min(4, rows)
    EXPECT_FLOAT_EQ(map_->GetWidth(), 512.0f);
    map_->SetTile(3, 0, 2);
    map_->SetMapSize(16, 1);               // same size: still emptied
    EXPECT_EQ(map_->GetTile(3, 0), kEmptyTile);
    map_->SetMapSize(3, 2);
    EXPECT_EQ(map_->GetBlockCols(), 3);    // clamped to the new size
    map_->SetVisibilityTestBlockSize(10, 0);
    EXPECT_EQ(map_->GetBlockCols(), 3);
    EXPECT_EQ(map_->GetBlockRows(), 1);
    // Outside the grid: nothing is written, not even into the next row.
    map_->SetTile(3, 0, 1);
    map_->SetTile(-1, 1, 1);
    EXPECT_EQ(map_->GetTile(0, 1), kEmptyTile);
    EXPECT_EQ(map_->GetTile(2, 1), kEmptyTile);
    EXPECT_EQ(map_->GetTile(3, 0), kEmptyTile);
    map_->SetMapSize(-4, 5);
    EXPECT_EQ(map_->GetMapCols(), 0);
    EXPECT_FLOAT_EQ(map_->GetWidth(), 0.0f);
}

TEST_F(TileMapTest, DrawsOnlyTheTilesOfBlocksThatShow)
{
    for (int c = 0; c < 16; ++c) map_->SetTile(c, 0, c % 4);
    map_->SetTile(9, 0, kEmptyTile);
    graphics::BeginRender();
    device_.ClearCalls();
    // Centred at x = 0: the map spans -256 .. 256 and the device shows 0 .. 640. The first
    // block (-256 .. -128) is culled, the second's circle still reaches the screen.
    map_->position->Set(0.0f, 180.0f);
    map_->Render();
    // Tiles 4..15 without the empty one, by source x: tile 4 shows picture 0.
    std::vector<float> sourceX;
    for (const auto& call : device_.Calls()) {
        if (call.op == DeviceOp::DrawSurface2) sourceX.push_back(call.args[2]);
    }
    EXPECT_EQ(sourceX, (std::vector<float>{0, 32, 64, 96, 0, 64, 96, 0, 32, 64, 96}));
    graphics::EndRender();
}

}  // namespace
}  // namespace zelka
