// Draws shapes and an image through the graphics module on the real GL device, checks the
// read-back frame and saves it as tests/screenshots/shapes.png beside the test binary.
#include <gtest/gtest.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/WindowGeneration.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "tests/support/HiddenGlWindow.h"

namespace zelka {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;
constexpr int kRgbaBytes = 4;

// 0xAARRGGBB as ReadPixels returns it.
constexpr std::uint32_t kBackground = 0xFF202060u;   // Cls(32, 32, 96)
constexpr std::uint32_t kRed = 0xFFFF0000u;
constexpr std::uint32_t kGreen = 0xFF00FF00u;
constexpr std::uint32_t kYellow = 0xFFFFFF00u;
constexpr std::uint32_t kMagenta = 0xFFFF00FFu;
constexpr std::uint32_t kCyan = 0xFF00FFFFu;
constexpr std::uint32_t kHalfWhite = 0x80FFFFFFu;    // straight alpha in, premultiplied on store

// The 8x8 test image: quadrants magenta (top-left), cyan (top-right), half-transparent
// white (bottom-left), opaque white (bottom-right).
constexpr int kImageSize = 8;
constexpr float kImageScale = 8;          // drawn 64x64
constexpr float kImageX = 480;
constexpr float kImageY = 220;

std::vector<int> TestImagePixels()
{
    std::vector<int> pixels(kImageSize * kImageSize);
    for (int y = 0; y < kImageSize; ++y) {
        for (int x = 0; x < kImageSize; ++x) {
            const bool left = x < kImageSize / 2;
            const bool top = y < kImageSize / 2;
            std::uint32_t argb = top ? (left ? kMagenta : kCyan) : (left ? kHalfWhite : 0xFFFFFFFFu);
            pixels[y * kImageSize + x] = static_cast<int>(argb);
        }
    }
    return pixels;
}

int Channel(std::uint32_t argb, int shift)
{
    return static_cast<int>((argb >> shift) & 0xFFu);
}

// Channels within `tolerance` of each other (blending may round either way).
::testing::AssertionResult NearColour(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift : {16, 8, 0}) {
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
            return ::testing::AssertionFailure()
                   << std::hex << "got 0x" << actual << ", expected 0x" << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

class RealDeviceScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testing::HiddenGlWindow::Available()) {
            GTEST_SKIP() << "no display (run under xvfb-run)";
        }
        window_ = std::make_unique<testing::HiddenGlWindow>(kWidth, kHeight);
        ASSERT_TRUE(window_->IsOpen());
        device_ = std::make_unique<GLGraphicsDevice>(
            [this](int& w, int& h) { window_->Size(w, h); });
        graphics::SetGraphicsDevice(device_.get());
    }

    void TearDown() override
    {
        graphics::ResetContext();
        device_.reset();
        window_.reset();
    }

    std::unique_ptr<testing::HiddenGlWindow> window_;
    std::unique_ptr<GLGraphicsDevice> device_;
};

void WritePng(const std::filesystem::path& path, const std::vector<int>& argb, int width,
              int height)
{
    std::vector<std::uint8_t> rgba(argb.size() * kRgbaBytes);
    for (std::size_t i = 0; i < argb.size(); ++i) {
        const auto pixel = static_cast<std::uint32_t>(argb[i]);
        rgba[i * kRgbaBytes + 0] = static_cast<std::uint8_t>(Channel(pixel, 16));
        rgba[i * kRgbaBytes + 1] = static_cast<std::uint8_t>(Channel(pixel, 8));
        rgba[i * kRgbaBytes + 2] = static_cast<std::uint8_t>(Channel(pixel, 0));
        rgba[i * kRgbaBytes + 3] = 0xFF;   // the window has no alpha channel to keep
    }
    ASSERT_NE(stbi_write_png(path.c_str(), width, height, kRgbaBytes, rgba.data(),
                             width * kRgbaBytes),
              0)
        << path;
}

TEST_F(RealDeviceScreenshotTest, ShapesAndImageLandOnTheirPixels)
{
    Ref<Image> image = graphics::CreateImage(kImageSize, kImageSize);
    ASSERT_NE(image, nullptr);
    const std::vector<int> imagePixels = TestImagePixels();
    image->WritePixels(imagePixels, 0, 0, kImageSize, kImageSize);

    ASSERT_EQ(device_->BeginRender(), 1);
    graphics::BeginRender();
    graphics::Cls(32, 32, 96);

    graphics::SetColor(255, 0, 0);
    graphics::DrawRect(40, 40, 200, 120);

    // The module has no oval call; the game reaches the device for it, after a drawing call
    // has sent the current (identity) matrix.
    graphics::SetColor(0, 255, 0);
    ASSERT_NE(graphics::RenderDevice(), nullptr);
    graphics::RenderDevice()->DrawOval(300, 60, 160, 100);

    graphics::SetColor(255, 255, 0);
    graphics::DrawLine(40, 200, 600, 200);

    graphics::SetColor(255, 255, 255);
    graphics::DrawImage2(*image, kImageX, kImageY, 0, kImageScale, kImageScale);

    std::vector<int> frame(static_cast<std::size_t>(kWidth) * kHeight, 0);
    graphics::ReadPixels(frame, 0, 0, kWidth, kHeight);
    device_->EndRender();
    graphics::EndRender();

    const auto at = [&frame](int x, int y) {
        return static_cast<std::uint32_t>(frame[static_cast<std::size_t>(y) * kWidth + x]);
    };
    EXPECT_EQ(at(5, 5), kBackground);
    EXPECT_EQ(at(kWidth - 1, kHeight - 1), kBackground);
    // Rectangle: inside near both corners, and just outside its right edge.
    EXPECT_EQ(at(41, 41), kRed);
    EXPECT_EQ(at(238, 158), kRed);
    EXPECT_EQ(at(241, 100), kBackground);
    // Oval: centre and near its left end; its bounding box corner stays clear.
    EXPECT_EQ(at(380, 110), kGreen);
    EXPECT_EQ(at(305, 110), kGreen);
    EXPECT_EQ(at(302, 62), kBackground);
    // Line along row 200 (pixel centres), nothing on the rows beside it.
    EXPECT_EQ(at(300, 200), kYellow);
    EXPECT_EQ(at(300, 198), kBackground);
    // Image quadrants, 32 pixels each, NEAREST-scaled.
    const int x = static_cast<int>(kImageX);
    const int y = static_cast<int>(kImageY);
    EXPECT_EQ(at(x + 1, y + 1), kMagenta);
    EXPECT_EQ(at(x + 62, y + 1), kCyan);
    EXPECT_EQ(at(x + 62, y + 62), 0xFFFFFFFFu);
    // Half-transparent white over the background: 128 + bg * (1 - 128/255).
    EXPECT_TRUE(NearColour(at(x + 16, y + 48), 0xFF8F8FAFu, 2));
    EXPECT_EQ(at(x - 1, y + 16), kBackground);
    EXPECT_EQ(at(x + 64, y + 16), kBackground);

    const std::filesystem::path folder =
        std::filesystem::path(files::ApplicationFolder()) / "screenshots";
    std::filesystem::create_directories(folder);
    WritePng(folder / "shapes.png", frame, kWidth, kHeight);
    image->Discard();
}

}  // namespace
}  // namespace zelka
