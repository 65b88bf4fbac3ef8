#include "engine/media/Texture.h"

#include <gtest/gtest.h>


#include "MediaTestSupport.h"

namespace zelka {
namespace {

using testing_media::RecordingFixture;

TEST(TextureEncryptedFileName, RenamesImageExtensionsOnly)
{
    EXPECT_EQ(Texture::EncryptedFileName_(U"ui/cursor0.png"), U"ui/cursor0.imx");
    EXPECT_EQ(Texture::EncryptedFileName_(U"title/logo.PNG"), U"title/logo.imx");
    EXPECT_EQ(Texture::EncryptedFileName_(U"bg.JPG"), U"bg.imy");
    EXPECT_EQ(Texture::EncryptedFileName_(U"a/b.bmp"), U"a/b.bmp");
    EXPECT_EQ(Texture::EncryptedFileName_(U"a/b.JPEG"), U"a/b.jpeg");   // only lower-cased
    // A dot before a separator is no extension: the path gains a trailing dot.
    EXPECT_EQ(Texture::EncryptedFileName_(U"maps.old/level"), U"maps.old/level.");
    EXPECT_EQ(Texture::EncryptedFileName_(U"maps.old\\level"), U"maps.old\\level.");
    EXPECT_EQ(Texture::EncryptedFileName_(U"noext"), U"noext.");
    EXPECT_EQ(Texture::EncryptedFileName_(U"two.dots.png"), U"two.dots.imx");
    EXPECT_EQ(filepath::StripExt(U"trailing."), U"trailing");
    EXPECT_EQ(filepath::ExtractExt(U"trailing."), U"");
}

class TextureTest : public RecordingFixture {};

TEST_F(TextureTest, RegistrySharesByExactPathAndFrameCount)
{
    device_.AddFakeImage("share_x.png", 64, 32);
    device_.AddFakeImage("Share_X.png", 64, 32);
    const Ref<Texture> a = Texture::GetTexture(U"share_x.png", 1, true);
    EXPECT_EQ(Texture::GetTexture(U"share_x.png", 1, false), a);
    EXPECT_TRUE(a->IsKept());   // a found texture keeps its flag
    const Ref<Texture> fourFrames = Texture::GetTexture(U"share_x.png", 4, false);
    EXPECT_NE(fourFrames, a);
    EXPECT_EQ(fourFrames->GetWidth(), 16);   // frame width
    EXPECT_EQ(fourFrames->GetHeight(), 32);
    const Ref<Texture> otherCase = Texture::GetTexture(U"Share_X.png");
    EXPECT_NE(otherCase, a);   // case-sensitive key
    EXPECT_EQ(Texture::SearchTexture(U"share_x.png", 4), fourFrames);
    EXPECT_EQ(Texture::SearchTexture(U"share_x.png", 2), nullptr);
    // New never searches; the lowest id wins a search.
    const Ref<Texture> fresh = Texture::New2(U"share_x.png");
    EXPECT_NE(fresh, a);
    EXPECT_GT(fresh->GetId(), a->GetId());
    EXPECT_EQ(Texture::SearchTexture(U"share_x.png", 1), a);
    for (const Ref<Texture>& t : {fourFrames, otherCase, fresh}) t->Deallocate();
}

TEST_F(TextureTest, DeallocateReleasesForAllUsersButNotWhenKept)
{
    device_.AddFakeImage("release.png", 8, 8);
    const Ref<Texture> t = Texture::GetTexture(U"release.png");
    const int before = Texture::RegisteredCount();
    const Ref<Surface> surface = t->GetImage()->GetSurface();
    const int id = t->GetId();
    t->Deallocate();
    t->Deallocate();   // twice is harmless
    EXPECT_EQ(Texture::RegisteredCount(), before - 1);
    EXPECT_FALSE(t->GetImage());
    EXPECT_TRUE(static_cast<RecordingSurface&>(*surface).Discarded());
    // The next request loads a fresh texture under a new id: ids are never reused.
    const Ref<Texture> reloaded = Texture::GetTexture(U"release.png");
    EXPECT_GT(reloaded->GetId(), id);
    reloaded->Deallocate();

    const Ref<Texture> kept = Texture::New(U"release.png", 1, true);
    kept->Deallocate();
    EXPECT_TRUE(kept->IsRegistered());
    EXPECT_TRUE(kept->GetImage());

    // A missing file: registered, no image, size 0; frames below 1 count as 1.
    const Ref<Texture> missing = Texture::GetTexture(U"no/such/picture.png", 0, false);
    EXPECT_FALSE(missing->GetImage());
    EXPECT_EQ(missing->GetTotalFrames(), 1);
    EXPECT_EQ(missing->GetWidth(), 0);
    EXPECT_TRUE(missing->IsRegistered());
    missing->Deallocate();
}

TEST_F(TextureTest, WarmUpDrawsEveryFrameOnceAndSkipsImagelessTextures)
{
    device_.AddFakeImage("warm.png", 30, 10);
    const Ref<Texture> warm = Texture::New(U"warm.png", 3, false);
    const Ref<Texture> missing = Texture::New2(U"missing_warm.png");
    const auto warmDraws = [&]() {
        int draws = 0;
        for (const DeviceCall& call : SurfaceDraws()) draws += call.surface == warm->GetImage()->GetSurface() ? 1 : 0;
        return draws;
    };
    Texture::RenderUndrawnTextures();
    EXPECT_FALSE(warm->IsUndrawn());
    EXPECT_TRUE(missing->IsUndrawn());
    EXPECT_EQ(warmDraws(), 3);
    device_.ClearCalls();
    Texture::RenderUndrawnTextures();
    EXPECT_EQ(warmDraws(), 0);   // drawn once only
    warm->Deallocate();
    missing->Deallocate();
}

// The generated data set is enciphered: images are read from .imx files. (GeneratedMediaTest
// draws one and compares its pixels.)
TEST_F(TextureTest, EncipheredLoadingReadsTheRenamedFile)
{
    int size[2] = {0, 0};
    // The plain reader cannot decode a container: the .imx is not an image by itself.
    EXPECT_TRUE(texture::GetImagePixels(U"cursor1.imx", size).empty());
    Texture::encryptionEnabled = true;
    const Ref<Texture> t = Texture::GetTexture(U"cursor1.png");
    ASSERT_TRUE(t->GetImage()) << "generated data set not found (build zelka_data)";
    EXPECT_FLOAT_EQ(t->GetImage()->HandleX(), static_cast<float>(t->GetWidth()) / 2);
    EXPECT_EQ(texture::GetImagePixels(U"cursor1.png", size).size(), static_cast<size_t>(t->GetWidth() * t->GetHeight()));
    EXPECT_EQ(size[1], t->GetHeight());
    EXPECT_EQ(texture::LoadImageEnc("no_such_file.imx", 1, 0), nullptr);
    EXPECT_FALSE(texture::LoadImageDataEnc("no_such_file.imx", {}).has_value());
    t->Deallocate();
}

}  // namespace
}  // namespace zelka
