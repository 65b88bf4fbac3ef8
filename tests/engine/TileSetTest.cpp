#include "engine/media/TileSet.h"

#include <gtest/gtest.h>

#include "MediaTestSupport.h"
#include "engine/media/Sprite.h"

namespace zelka {
namespace {

class TileSetTest : public testing_media::RecordingFixture {
protected:
    Ref<Texture> Sheet(const char* name, int width, int height)
    {
        device_.AddFakeImage(name, width, height);
        return Texture::New2(FromLatin1(name));
    }
};

TEST_F(TileSetTest, TileGeometryWithAndWithoutBorder)
{
    const auto source = [](const Ref<TileSet>& tiles, int index) {
        tiles->SetCurrentDrawable(index);
        return std::array<int, 2>{tiles->GetSourceX(), tiles->GetSourceY()};
    };
    const Ref<TileSet> grid = TileSet::New(Sheet("grid100x70.png", 100, 70), 32, 32);
    EXPECT_EQ(grid->GetColumns(), 3);
    EXPECT_EQ(grid->GetTotalDrawables(), 6);
    EXPECT_EQ(source(grid, 4), (std::array<int, 2>{32, 32}));
    EXPECT_EQ(source(grid, 7), (std::array<int, 2>{64, 32}));   // clamped to the last
    EXPECT_EQ(grid->GetCurrentIndex(), 5);
    EXPECT_EQ(source(grid, -3), (std::array<int, 2>{0, 0}));

    // 3 tiles of 16 plus a 1-pixel gap after each: 51 pixels hold 3 columns, and with the
    // border flag the grid starts one gap in.
    const Ref<TileSet> bordered = TileSet::New(Sheet("bordered.png", 51, 17), 16, 16, 1, 1, true);
    EXPECT_EQ(bordered->GetColumns(), 3);
    EXPECT_EQ(bordered->GetRows(), 1);
    EXPECT_EQ(source(bordered, 0), (std::array<int, 2>{1, 1}));
    EXPECT_EQ(source(bordered, 1), (std::array<int, 2>{18, 1}));
    const Ref<TileSet> spaced = TileSet::New(Sheet("spaced.png", 51, 17), 16, 16, 1, 1, false);
    EXPECT_EQ(source(spaced, 1), (std::array<int, 2>{17, 0}));
    for (const Ref<TileSet>& tiles : {grid, bordered, spaced}) tiles->Deallocate();
}

TEST_F(TileSetTest, DrawCentresTheTileWithoutTouchingTheSharedHandle)
{
    const Ref<Texture> sheet = Sheet("drawsheet.png", 96, 32);
    const Ref<TileSet> tiles = TileSet::New(sheet, 32, 32);
    const float handleX = sheet->GetImage()->HandleX();
    tiles->SetCurrentDrawable(2);
    tiles->Draw();
    tiles->DrawAt(100, 50);
    const auto draws = SurfaceDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].op, DeviceOp::DrawSurface2);
    // Centred on the origin, then on (100, 50); source x 64 of tile 2, 32 x 32.
    EXPECT_EQ(draws[0].args, (std::vector<float>{-16, -16, 64, 0, 32, 32}));
    EXPECT_EQ(draws[1].args, (std::vector<float>{84, 34, 64, 0, 32, 32}));
    // The image is shared with every other user: its centred handle is unchanged.
    EXPECT_FLOAT_EQ(sheet->GetImage()->HandleX(), handleX);
    EXPECT_FLOAT_EQ(handleX, 48.0f);
    tiles->Deallocate();
}

TEST_F(TileSetTest, ZeroColumnsOrAReleasedSheetDrawNothing)
{
    // Tiles wider than the image, and a zero-sized cell: no tile fits, nothing divides by 0.
    const Ref<TileSet> wide = TileSet::New(Sheet("narrow.png", 20, 20), 32, 16);
    EXPECT_EQ(wide->GetTotalDrawables(), 0);
    wide->SetCurrentDrawable(3);
    wide->Draw();
    const Ref<TileSet> empty = TileSet::New(Sheet("zerocell.png", 20, 20), 0, 0);
    empty->SetCurrentDrawable(1);
    empty->Draw();
    const Ref<Texture> sheet = Sheet("released.png", 32, 32);
    const Ref<TileSet> released = TileSet::New(sheet, 16, 16);
    released->Deallocate();
    EXPECT_FALSE(sheet->IsRegistered());
    EXPECT_EQ(released->GetTexture(), nullptr);
    released->Draw();
    EXPECT_TRUE(SurfaceDraws().empty());
    wide->Deallocate();
    empty->Deallocate();
}

using TileSetDeathTest = TileSetTest;

TEST_F(TileSetDeathTest, MissingSheetIsFatal)
{
    EXPECT_EXIT((testing_media::StdoutToStderr(), Sprite::New(U"no_such_sheet.png", 32, 32, 10)), ::testing::ExitedWithCode(255),
                "Kestro Runtime Error : TileSet::Couldn't retrieve texture's image");
}

}  // namespace
}  // namespace zelka
