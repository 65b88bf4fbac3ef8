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
    EXPECT_EQ(image->GetTotalTextureFrames(), 2);
    EXPECT_TRUE(image->SetFloatProperty(U"textureframe", 2.9f));
    EXPECT_EQ(image->GetTextureFrame(), 1);
    EXPECT_FLOAT_EQ(image->GetFloatProperty(U"textureframe"), 1.0f);
    image->SetFloatProperty(U"textureframe", -1.0f);
    EXPECT_EQ(image->GetTextureFrame(), 0);
    image->SetFloatProperty(U"textureframe", 0.99f);
    EXPECT_EQ(image->GetTextureFrame(), 0);
    // Other keys still reach the display node.
    EXPECT_TRUE(image->SetFloatProperty(U"alpha", 0.5f));
    EXPECT_FLOAT_EQ(image->alpha, 0.5f);
    EXPECT_FLOAT_EQ(image->GetWidth(), 20.0f);   // one frame
    EXPECT_FLOAT_EQ(image->GetHeight(), 10.0f);
    image->Deallocate();
}

TEST_F(StaticImageTest, WithoutTextureFrameStaysZeroAndNothingIsDrawn)
{
    const Ref<StaticImage> image = StaticImage::New2();
    image->SetTextureFrame(3);
    EXPECT_EQ(image->GetTextureFrame(), 0);
    EXPECT_EQ(image->GetTotalTextureFrames(), 0);
    EXPECT_FLOAT_EQ(image->GetWidth(), 0.0f);
    image->Draw();
    // A texture whose file is missing: no image, size 0, nothing drawn.
    image->SetTexture(Texture::GetTexture(U"absent_picture.png"));
    EXPECT_FLOAT_EQ(image->GetHeight(), 0.0f);
    image->Draw();
    EXPECT_TRUE(SurfaceDraws().empty());
    image->Deallocate();
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

TEST_F(StaticImageTest, ReleaseDeallocatesUnkeptTexturesOnly)
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

    const Ref<Texture> kept = Texture::GetTexture(U"single.png", 1, true);
    const Ref<StaticImage> other = StaticImage::New(kept);
    other->Deallocate();
    EXPECT_TRUE(kept->IsRegistered());
    EXPECT_TRUE(kept->GetImage());
}

}  // namespace
}  // namespace zelka
