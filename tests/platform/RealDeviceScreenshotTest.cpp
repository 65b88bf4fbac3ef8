// Draws shapes and an image through the graphics module on the real GL device, checks the
// read-back frame and saves it as tests/screenshots/shapes.png beside the test binary.
#include <gtest/gtest.h>

#include "tests/platform/StbImageWrite.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "tests/support/HiddenGlWindow.h"

namespace zelka {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

// 0xAARRGGBB as ReadPixels returns it.
constexpr std::uint32_t kBackground = 0xFF202060u;   // Cls(32, 32, 96)
constexpr std::uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kYellow = 0xFFFFFF00u;
constexpr std::uint32_t kMagenta = 0xFFFF00FFu, kCyan = 0xFF00FFFFu, kWhite = 0xFFFFFFFFu;

TEST(RealDeviceScreenshot, ShapesAndImageLandOnTheirPixels)
{
    testing::HiddenGlWindow window(kWidth, kHeight);
    ASSERT_TRUE(window.IsOpen()) << "no display (run under xvfb-run)";
    GLGraphicsDevice device([&window](int& w, int& h) { window.Size(w, h); });
    graphics::SetGraphicsDevice(&device);

    // An 8x8 image in quadrants: magenta, cyan / half-transparent white, opaque white;
    // straight alpha in, premultiplied on store. Drawn 64x64 at (480, 220).
    std::vector<int> imagePixels(64);
    for (int i = 0; i < 64; ++i) {
        const bool left = i % 8 < 4, top = i / 8 < 4;
        imagePixels[i] = static_cast<int>(top ? (left ? kMagenta : kCyan) : (left ? 0x80FFFFFFu : kWhite));
    }
    Ref<Image> image = graphics::CreateImage(8, 8);
    ASSERT_NE(image, nullptr);
    image->WritePixels(imagePixels, 0, 0, 8, 8);

    ASSERT_EQ(device.BeginRender(), 1);
    graphics::BeginRender();
    graphics::Cls(32, 32, 96);
    graphics::SetColor(255, 0, 0);
    graphics::DrawRect(40, 40, 200, 120);
    // The module has no oval call; the game reaches the device for it, after a drawing call
    // has sent the current (identity) matrix.
    graphics::SetColor(0, 255, 0);
    graphics::RenderDevice()->DrawOval(300, 60, 160, 100);
    graphics::SetColor(255, 255, 0);
    graphics::DrawLine(40, 200, 600, 200);
    graphics::SetColor(255, 255, 255);
    graphics::DrawImage2(*image, 480, 220, 0, 8, 8);
    std::vector<int> frame(static_cast<std::size_t>(kWidth) * kHeight, 0);
    graphics::ReadPixels(frame, 0, 0, kWidth, kHeight);
    device.EndRender();
    graphics::EndRender();

    const auto at = [&frame](int x, int y) { return static_cast<std::uint32_t>(frame[y * kWidth + x]); };
    const struct {
        int x, y;
        std::uint32_t colour;
        const char* what;
    } probes[] = {
        {5, 5, kBackground, "background"},           {kWidth - 1, kHeight - 1, kBackground, "background"},
        {41, 41, kRed, "rectangle, top left"},      {238, 158, kRed, "rectangle, bottom right"},
        {241, 100, kBackground, "right of it"},     {380, 110, kGreen, "oval centre"},
        {305, 110, kGreen, "oval's left end"},      {302, 62, kBackground, "oval's box corner"},
        {300, 200, kYellow, "line on row 200"},     {300, 198, kBackground, "beside the line"},
        {481, 221, kMagenta, "image, top left"},    {542, 221, kCyan, "image, top right"},
        {542, 282, kWhite, "image, bottom right"},  {479, 236, kBackground, "left of the image"},
        {544, 236, kBackground, "right of the image"},
    };
    for (const auto& p : probes) EXPECT_EQ(at(p.x, p.y), p.colour) << p.what << std::hex << " 0x" << at(p.x, p.y);
    // Half-transparent white over the background: 128 + bg * (1 - 128/255), give or take
    // the blender's rounding.
    const std::uint32_t blended = at(496, 268);
    for (const auto& [shift, expected] : {std::pair{16, 0x8F}, {8, 0x8F}, {0, 0xAF}}) {
        EXPECT_NEAR(static_cast<int>((blended >> shift) & 0xFF), expected, 2) << std::hex << blended;
    }

    // Saved as RGBA with opaque alpha: the window has no alpha channel to keep.
    std::vector<std::uint8_t> rgba;
    for (int pixel : frame) {
        for (int shift : {16, 8, 0}) rgba.push_back(static_cast<std::uint8_t>(pixel >> shift));
        rgba.push_back(0xFF);
    }
    const std::filesystem::path folder = std::filesystem::path(files::ApplicationFolder()) / "screenshots";
    std::filesystem::create_directories(folder);
    EXPECT_NE(stbi_write_png((folder / "shapes.png").c_str(), kWidth, kHeight, 4, rgba.data(), kWidth * 4), 0);
    image->Discard();
    graphics::ResetContext();
}

}  // namespace
}  // namespace zelka
