#include "engine/media/StaticImage.h"

#include <gtest/gtest.h>

#include "MediaTestSupport.h"

namespace zelka {
namespace {

class StaticImageTest : public testing_media::RecordingFixture {};

TEST_F(StaticImageTest, TextureFrameIsTruncatedAndClamped)
{
    device_.AddFakeImage("two_frames.png", 40, 10);
    const Ref<StaticImage> image = StaticImage::New(Texture::GetTexture(U"two_frames.png", 2, false));
    EXPECT_TRUE(image->SetFloatProperty(U"textureframe", 2.9f));
    EXPECT_EQ(image->GetTextureFrame(), 1);
    image->SetFloatProperty(U"textureframe", -1.0f);
    EXPECT_EQ(image->GetTextureFrame(), 0);
    EXPECT_TRUE(image->SetFloatProperty(U"alpha", 0.5f));   // other keys reach the node
    EXPECT_FLOAT_EQ(image->alpha, 0.5f);
    EXPECT_FLOAT_EQ(image->GetWidth(), 20.0f);   // one frame
    image->Deallocate();

    // No texture, or one whose file is missing: frame 0, size 0, nothing drawn.
    const Ref<StaticImage> bare = StaticImage::New2();
    bare->SetTextureFrame(3);
    EXPECT_EQ(bare->GetTextureFrame(), 0);
    bare->Draw();
    bare->SetTexture(Texture::GetTexture(U"absent_picture.png"));
    EXPECT_FLOAT_EQ(bare->GetHeight(), 0.0f);
    bare->Draw();
    EXPECT_TRUE(SurfaceDraws().empty());
    bare->Deallocate();
}

TEST_F(StaticImageTest, DrawsTheFrameCentredEvenAfterTheSharedHandleMoved)
{
    device_.AddFakeImage("frames3.png", 60, 10);
    const Ref<Texture> texture = Texture::GetTexture(U"frames3.png", 3, false);
    const Ref<StaticImage> image = StaticImage::New(texture);
    image->SetTextureFrame(2);
    image->Draw();
    texture->GetImage()->SetHandle(0, 0);   // another user's doing
    image->Draw();
    const auto draws = SurfaceDraws();
    ASSERT_EQ(draws.size(), 2u);
    for (const DeviceCall& call : draws) {
        ASSERT_EQ(call.op, DeviceOp::DrawSurface2);
        EXPECT_FLOAT_EQ(call.args[0], -10.0f);
        EXPECT_FLOAT_EQ(call.args[1], -5.0f);
        EXPECT_FLOAT_EQ(call.args[2], 40.0f);   // frame 2's corner in the surface
    }
    image->Deallocate();
}

// Whether a kept texture survives is the texture's rule (TextureTest).
TEST_F(StaticImageTest, ReleaseDeallocatesItsTexture)
{
    device_.AddFakeImage("single.png", 16, 16);
    const Ref<Texture> texture = Texture::GetTexture(U"single.png");
    const Ref<StaticImage> image = StaticImage::New(texture);
    image->Draw();
    ASSERT_EQ(SurfaceDraws().size(), 1u);
    EXPECT_EQ(SurfaceDraws()[0].op, DeviceOp::DrawSurface);   // one frame = whole surface
    image->Deallocate();
    EXPECT_FALSE(texture->IsRegistered());
    EXPECT_EQ(image->GetTexture(), nullptr);
}

}  // namespace
}  // namespace zelka
