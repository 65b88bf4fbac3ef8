#include "platform/graphics/Surface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/graphics/GraphicsDevice.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"
#include "tests/platform/StbImageWrite.h"
#include "tests/platform/TestFiles.h"

namespace zelka {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A real PNG file, from the same writer the asset generator uses. channels: 1 grey,
// 2 grey-alpha, 3 RGB, 4 RGBA; 8 bits each.
Bytes EncodePng(int width, int height, int channels, const Bytes& pixels)
{
    Bytes png;
    stbi_write_png_to_func(
        [](void* out, void* data, int size) {
            auto* bytes = static_cast<std::uint8_t*>(data);
            static_cast<Bytes*>(out)->insert(static_cast<Bytes*>(out)->end(), bytes, bytes + size);
        },
        &png, width, height, channels, pixels.data(), width * channels);
    return png;
}

// A 2 x 2 red JPEG (baseline, 4:2:0), as an image editor writes one.
Bytes SmallJpeg()
{
    const std::string hex =
        "ffd8ffe000104a46494600010100000100010000ffdb004300100b0c0e0c0a100e0d0e1211101318281a181616183123"
        "251d283a333d3c3933383740485c4e404457453738506d51575f626768673e4d71797064785c656763ffdb0043011112"
        "121815182f1a1a2f63423842636363636363636363636363636363636363636363636363636363636363636363636363"
        "6363636363636363636363636363ffc00011080002000203012200021101031101ffc400150001010000000000000000"
        "0000000000000005ffc40014100100000000000000000000000000000000ffc400150101010000000000000000000000"
        "0000000506ffc40014110100000000000000000000000000000000ffda000c03010002110311003f008a00b5e3ffd9";
    Bytes bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) bytes.push_back(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

TEST(Surface, SetDataPremultipliesGreyAlphaAndRgbaOnlyAndRefusesBadShapes)
{
    RecordingSurface rgba;
    ASSERT_TRUE(rgba.SetData({200, 100, 50, 128, 255, 255, 255, 0}, 2, 1, 4));
    EXPECT_EQ(rgba.Pixels(), (Bytes{100, 50, 25, 128, 0, 0, 0, 0}));   // x*a/255, truncated
    RecordingSurface greyAlpha;
    ASSERT_TRUE(greyAlpha.SetData({255, 51}, 1, 1, 2));
    EXPECT_EQ(greyAlpha.Pixels(), (Bytes{51, 51}));
    RecordingSurface rgb;   // no alpha: unchanged
    ASSERT_TRUE(rgb.SetData({1, 2, 3}, 1, 1, 3));
    EXPECT_EQ(rgb.Pixels(), (Bytes{1, 2, 3}));

    RecordingSurface surface;
    EXPECT_FALSE(surface.SetData(Bytes(8), 2, 1, 0));   // depth outside 1-4
    EXPECT_FALSE(surface.SetData(Bytes(10), 2, 1, 5));
    EXPECT_FALSE(surface.SetData(Bytes(7), 2, 1, 4));   // one byte short
    EXPECT_FALSE(surface.SetData(Bytes(8), 0, 1, 4));
    EXPECT_FALSE(surface.Width() != 0 || surface.HasPixels());
}

TEST(Surface, SetSubDataClipsAndConvertsArgbToPremultipliedRgba)
{
    RecordingSurface surface(3, 2, kSurfaceDepthRgba);
    const int white = static_cast<int>(0xFFFFFFFFu);
    // A 3x3 rectangle at (1, -1): only (1..2, 0) and (1..2, 1) lie inside.
    surface.SetSubData(1, -1, 3, 3, std::vector<int>(9, white), 0, 3);
    std::vector<int> alphas;
    for (std::size_t i = 3; i < surface.Pixels().size(); i += 4) alphas.push_back(surface.Pixels()[i]);
    EXPECT_EQ(alphas, (std::vector<int>{0, 255, 255, 0, 255, 255}));
    EXPECT_EQ(surface.Uploads(), 1);

    // A source array shorter than the rectangle: entries past its end are skipped, as are
    // negative indices from a negative offset.
    RecordingSurface other(2, 2, kSurfaceDepthRgba);
    const std::vector<int> two{white, static_cast<int>(0x80FF4020u)};
    other.SetSubData(0, 0, 2, 2, two, -1, 2);
    EXPECT_EQ(other.Pixels(), (Bytes{0, 0, 0, 0, 255, 255, 255, 255, 128, 32, 16, 128, 0, 0, 0, 0}));
    // Far outside, or sizes that overflow int arithmetic: nothing written.
    other.SetSubData(2147483000, 0, 2147483000, 1, two, 0, 2);
    other.SetSubData(-5, -5, 2, 2, two, 0, 2);
    EXPECT_EQ(other.Uploads(), 1);

    RecordingSurface rgb;   // not RGBA: ignored
    ASSERT_TRUE(rgb.SetData({1, 2, 3}, 1, 1, 3));
    rgb.SetSubData(0, 0, 1, 1, two, 0, 1);
    EXPECT_EQ(rgb.Pixels(), (Bytes{1, 2, 3}));
    rgb.Discard();
    rgb.Discard();
    EXPECT_EQ(std::pair(rgb.HasPixels(), rgb.Width()), std::pair(false, 1));
}

TEST(Surface, DecodesPngOnlyAtItsOwnChannelCountWithinBounds)
{
    for (int depth = 1; depth <= 4; ++depth) {
        SCOPED_TRACE(depth);
        Bytes pixels(static_cast<std::size_t>(3 * 2 * depth));
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 7);
        ImageData image;
        ASSERT_TRUE(DecodeImageData(EncodePng(3, 2, depth, pixels), image));
        EXPECT_EQ(std::tuple(image.width, image.height, image.depth, image.pixels), std::tuple(3, 2, depth, pixels));
    }
    ImageData image;
    EXPECT_FALSE(DecodeImageData(Bytes{1, 2, 3, 4}, image));
    EXPECT_FALSE(DecodeImageData(Bytes{}, image));
    // A well-formed JPEG is refused like any other format the game's data never holds.
    EXPECT_FALSE(DecodeImageData(SmallJpeg(), image));
    // A data chunk claiming 2 GB in a file of a few bytes: refused before any buffer grows.
    Bytes huge = EncodePng(1, 1, 1, {9});
    huge[8 + 25] = 0x7F;   // the data chunk's length, after the signature and the header chunk
    EXPECT_FALSE(DecodeImageData(huge, image));
    // Sizes beyond 8192 pixels a side are refused before their pixels are made.
    EXPECT_TRUE(DecodeImageData(EncodePng(8192, 1, 1, Bytes(8192, 7)), image));
    EXPECT_FALSE(DecodeImageData(EncodePng(8193, 1, 1, Bytes(8193, 7)), image));
}

TEST(Surface, WidenToRgbaFillsGreyAndOpaqueAlpha)
{
    ImageData grey{{10, 20}, 2, 1, 1};
    ASSERT_TRUE(WidenToRgba(grey));
    EXPECT_EQ(grey.pixels, (Bytes{10, 10, 10, 255, 20, 20, 20, 255}));
    ImageData greyAlpha{{10, 77}, 1, 1, 2};
    ASSERT_TRUE(WidenToRgba(greyAlpha));
    EXPECT_EQ(greyAlpha.pixels, (Bytes{10, 10, 10, 77}));   // not premultiplied
    ImageData rgb{{1, 2, 3}, 1, 1, 3};
    ASSERT_TRUE(WidenToRgba(rgb));
    EXPECT_EQ(rgb.pixels, (Bytes{1, 2, 3, 255}));
    ImageData bad{{1, 2, 3, 4, 5}, 1, 1, 5};
    EXPECT_FALSE(WidenToRgba(bad));
}

TEST(Surface, DeviceLoadsAFileIntoAPremultipliedSurface)
{
    const std::string path = testing::WriteTempFile("surface_test.png", EncodePng(1, 1, 4, {255, 255, 255, 51}));
    RecordingGraphicsDevice device;
    Ref<Surface> surface = device.LoadSurface(path);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->Pixels(), (Bytes{51, 51, 51, 51}));
    EXPECT_EQ(static_cast<RecordingSurface&>(*surface).Binds(), 1);
    EXPECT_EQ(device.LoadSurface(path + ".missing"), nullptr);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace zelka
