#include "platform/graphics/Graphics.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <tuple>
#include <utility>
#include <vector>

#include "platform/files/DataPath.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka {
namespace {

using Corners = std::vector<std::array<int, 2>>;

class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        graphics::ResetContext();
        graphics::SetGraphicsDevice(&device_);
    }
    void TearDown() override { graphics::ResetContext(); }

    // Starts a frame and forgets the calls BeginRender made.
    void BeginFrame()
    {
        graphics::BeginRender();
        device_.ClearCalls();
    }

    // Applies a recorded matrix to a point.
    static std::array<float, 2> Apply(const std::array<float, 6>& m, float x, float y)
    {
        return {m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5]};
    }

    static Corners CornersOf(const Image& image)
    {
        Corners corners;
        for (int i = 0; i < image.Frames(); ++i) corners.push_back({image.GetFrame(i).x, image.GetFrame(i).y});
        return corners;
    }

    RecordingGraphicsDevice device_{640, 360};
};

using ImageTest = GraphicsTest;

// Fatal errors print on standard output; death tests match standard error.
void StdoutToStderr() { dup2(STDERR_FILENO, STDOUT_FILENO); }

TEST_F(GraphicsTest, TwoTranslatesAndARectSendTheMatrixOnce)
{
    BeginFrame();
    graphics::Translate(10, 5);
    graphics::Translate(3, 4);
    graphics::DrawRect(0, 0, 2, 2);
    graphics::DrawRect(4, 4, 2, 2);   // unchanged matrix: not sent again
    ASSERT_EQ(device_.Count(DeviceOp::SetMatrix), 1);
    const std::array<float, 6> expected{1, 0, 0, 1, 13, 9};
    EXPECT_EQ(std::pair(device_.Draws().at(0).matrix, device_.Draws().at(1).matrix), std::pair(expected, expected));

    // Push and pop alone send nothing; the next draw sends the restored matrix.
    graphics::PushMatrix();
    graphics::Scale(2, 2);
    graphics::PopMatrix();
    EXPECT_EQ(device_.Count(DeviceOp::SetMatrix), 1);
    graphics::DrawLine(0, 0, 1, 1);
    EXPECT_EQ(std::pair(device_.Count(DeviceOp::SetMatrix), device_.Matrix()), std::pair(2, expected));
}

TEST_F(GraphicsTest, TransformsComposeWithTheGivenMatrixFirstOnAStackThatGrows)
{
    graphics::Translate(10, 0);
    graphics::Scale(2, 3);
    EXPECT_EQ(Apply(graphics::GetMatrix(), 1, 1), (std::array<float, 2>{12, 3}));  // scale first

    graphics::SetMatrix(1, 0, 0, 1, 0, 0);
    EXPECT_FALSE(graphics::Context().tformed);
    graphics::Rotate(90);   // counter-clockwise on a y-down screen
    EXPECT_TRUE(graphics::Context().tformed);
    const auto p = Apply(graphics::GetMatrix(), 1, 0);
    EXPECT_NEAR(p[0], 0, 1e-6);
    EXPECT_NEAR(p[1], -1, 1e-6);

    // A non-uniform shear through Transform2 composes the same way.
    graphics::SetMatrix(2, 0, 0, 2, 5, 5);
    graphics::Transform2(std::array<float, 6>{1, 1, 0, 1, 1, 0});
    std::array<float, 6> m{};
    graphics::GetMatrix2(m);
    EXPECT_EQ(m, (std::array<float, 6>{2, 2, 0, 2, 7, 5}));

    // 40 matrices: more than the 32 of the initial stack.
    graphics::SetMatrix(1, 0, 0, 1, 0, 0);
    for (int i = 0; i < 40; ++i) {
        graphics::PushMatrix();
        graphics::Translate(1, 0);
    }
    for (int i = 39; i >= 0; --i) {
        graphics::PopMatrix();
        EXPECT_FLOAT_EQ(graphics::GetMatrix()[4], static_cast<float>(i));
    }
    graphics::Translate(7, 0);
    graphics::PopMatrix();   // unmatched: nothing happens
    EXPECT_FLOAT_EQ(graphics::GetMatrix()[4], 7);
    EXPECT_EQ(graphics::Context().matrixSp, 0);
}

TEST_F(GraphicsTest, BeginRenderResetsAndSendsTheStateAndSettersOutsideAFrameOnlyStore)
{
    graphics::Translate(5, 5);
    graphics::PushMatrix();
    graphics::SetColor(10, 20, 30);
    graphics::SetAlpha(0.5f);
    graphics::SetBlend(kBlendAdditive);
    graphics::DrawRect(0, 0, 1, 1);
    EXPECT_TRUE(device_.Calls().empty());
    EXPECT_EQ(std::pair(graphics::GetColor(), graphics::GetAlpha()), std::pair(std::array<float, 3>{10, 20, 30}, 0.5f));

    graphics::BeginRender();
    std::vector<std::pair<DeviceOp, std::vector<float>>> sent;
    for (const auto& call : device_.Calls()) sent.emplace_back(call.op, call.args);
    EXPECT_EQ(sent, (decltype(sent){{DeviceOp::SetColor, {255, 255, 255}}, {DeviceOp::SetAlpha, {1}},
                                    {DeviceOp::SetBlend, {0}}, {DeviceOp::SetScissor, {0, 0, 640, 360}}}));
    EXPECT_EQ(std::pair(graphics::Context().matrixSp, graphics::Context().tformed), std::pair(0, false));
    // The identity is still sent before the first draw.
    graphics::DrawRect(0, 0, 1, 1);
    EXPECT_EQ(std::pair(device_.Count(DeviceOp::SetMatrix), device_.Matrix()),
              std::pair(1, std::array<float, 6>{1, 0, 0, 1, 0, 0}));

    graphics::SetScissor(1.9f, 2.9f, 3.9f, 4.9f);   // truncated for the device
    EXPECT_EQ(device_.Scissor(), (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(graphics::GetScissor(), (std::array<float, 4>{1.9f, 2.9f, 3.9f, 4.9f}));

    graphics::EndRender();
    const std::size_t draws = device_.Draws().size();
    graphics::DrawRect(0, 0, 1, 1);
    EXPECT_TRUE(!graphics::RenderDevice() && device_.Draws().size() == draws);
}

TEST_F(GraphicsTest, DrawImageTakesTheWholeSurfacePathOnlyForAFullFrame)
{
    device_.AddFakeImage("ship.png", 32, 16);
    device_.AddFakeImage("strip.png", 40, 10);
    Ref<Image> whole = graphics::LoadImage("ship.png");
    Ref<Image> bordered = graphics::LoadImage("ship.png", 1, kImageXPadding);
    Ref<Image> strip = graphics::LoadImage("strip.png", 4, kImageMidHandle);
    ASSERT_TRUE(whole && bordered && strip);
    whole->SetHandle(4, 2);
    BeginFrame();

    graphics::DrawImage(*whole, 10, 10);
    graphics::DrawImage(*bordered, 10, 10);
    graphics::DrawImage2(*strip, 100, 50, 90, 2, 1, 2);
    const auto draws = device_.Draws();
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(std::pair(draws[0].op, draws[0].args), std::pair(DeviceOp::DrawSurface, std::vector<float>{6, 8}));
    EXPECT_EQ(draws[0].surface, whole->GetSurface());
    EXPECT_EQ(std::pair(draws[1].op, draws[1].args),
              std::pair(DeviceOp::DrawSurface2, std::vector<float>{10, 10, 1, 0, 30, 16}));

    // DrawImage2 draws at the origin under the composed matrix. The frame's centre (5, 5)
    // lands on (100, 50); its right edge centre (10, 5) is scaled by 2 along x, then turned
    // 90 degrees: 10 pixels up.
    EXPECT_EQ(std::pair(draws[2].op, draws[2].args),
              std::pair(DeviceOp::DrawSurface2, std::vector<float>{0, 0, 20, 0, 10, 10}));
    for (const auto& [x, y, toX, toY] : {std::array<float, 4>{5, 5, 100, 50}, {10, 5, 100, 40}}) {
        const auto point = Apply(draws[2].matrix, x, y);
        EXPECT_NEAR(point[0], toX, 1e-4);
        EXPECT_NEAR(point[1], toY, 1e-4);
    }
    EXPECT_FALSE(graphics::Context().tformed);

    graphics::DrawImageRect(*strip, 7, 8, 1, 2, 3, 4, 1);
    EXPECT_EQ(device_.Draws().back().args, (std::vector<float>{2, 3, 11, 2, 3, 4}));
    graphics::DrawImage(*strip, 0, 0, 4);   // no such frame: nothing drawn
    EXPECT_EQ(device_.Draws().size(), 4u);
}

TEST_F(GraphicsTest, ImagesAndTheDefaultFontResolveIntoTheDataFolder)
{
    files::SetApplicationFolder("/opt/zelka-test");
    device_.AddFakeImage("/opt/zelka-test/data/ui/arrow.png", 8, 8);
    EXPECT_NE(graphics::LoadImage("ui/arrow.png"), nullptr);
    EXPECT_NE(graphics::LoadImage("kestro://data/ui/arrow.png"), nullptr);
    EXPECT_EQ(graphics::LoadImage("./ui/arrow.png"), nullptr);   // relative to the working folder
    files::SetApplicationFolder(std::nullopt);

    // A missing default font image gives no font, silently.
    graphics::SetPathResolver([](std::string_view path) { return "no-such-folder/" + std::string(path); });
    graphics::SetFont();
    EXPECT_EQ(graphics::GetFont(), nullptr);
    EXPECT_EQ(graphics::Context().firstChar, 32);
    device_.AddFakeImage("no-such-folder/vexo_font.png", 960, 10);
    graphics::SetFont();
    ASSERT_NE(graphics::GetFont(), nullptr);
    EXPECT_EQ(std::pair(graphics::GetFont()->Frames(), graphics::GetFont()->Width()), std::pair(96, 8));
    Ref<Image> own = graphics::CreateImage(8, 8, 4);
    graphics::SetFont(own, 65);
    EXPECT_EQ(std::pair(graphics::GetFont(), graphics::Context().firstChar), std::pair(own, 65));
}

TEST_F(GraphicsTest, PixelPitchZeroMeansTheWidth)
{
    BeginFrame();
    device_.FillReadPixels(0x12345678);
    std::vector<int> pixels(6, 0);
    graphics::ReadPixels(pixels, 0, 0, 3, 2);
    EXPECT_EQ(device_.Calls().back().args, (std::vector<float>{0, 0, 3, 2, 0, 3}));
    EXPECT_EQ(pixels, std::vector<int>(6, 0x12345678));

    Ref<Image> image = graphics::CreateImage(2, 2);
    image->WritePixels(std::vector<int>(4, static_cast<int>(0xFFFF0000u)), 0, 0, 2, 2);
    EXPECT_EQ(device_.Calls().back().args, (std::vector<float>{0, 0, 2, 2, 0, 2}));
    EXPECT_EQ(image->GetSurface()->Pixels(),
              (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255}));
}

TEST_F(ImageTest, FramesFollowTheBorderFlagsAndWrapToTheNextRow)
{
    device_.AddFakeImage("font.png", 960, 10);
    Ref<Image> font = graphics::LoadImage("font.png", 96, kImageXPadding);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(std::tuple(font->Frames(), font->Width(), font->Height()), std::tuple(96, 8, 10));
    EXPECT_EQ(CornersOf(*font)[1], (std::array<int, 2>{11, 0}));
    EXPECT_EQ(CornersOf(*font)[95], (std::array<int, 2>{951, 0}));
    EXPECT_EQ(font->Flags() & kImageFullFrame, 0);

    device_.AddFakeImage("tiles.png", 64, 32);
    Ref<Image> tiles = graphics::LoadImage2("tiles.png", 16, 16, 8);
    ASSERT_NE(tiles, nullptr);
    EXPECT_EQ(CornersOf(*tiles),
              (Corners{{0, 0}, {16, 0}, {32, 0}, {48, 0}, {0, 16}, {16, 16}, {32, 16}, {48, 16}}));
    EXPECT_EQ(tiles->Width(), 16);

    Image strip;
    strip.Init(device_.CreateSurface(20, 10), 2, kImageYPadding | kImageMidHandle);
    // The mid-handle bit is cleared once applied.
    EXPECT_EQ(std::pair(strip.Flags(), strip.Height()), std::pair(kImageYPadding, 8));
    EXPECT_EQ(CornersOf(strip)[1], (std::array<int, 2>{10, 1}));
    EXPECT_FLOAT_EQ(strip.HandleY(), 4);
    Image whole;
    whole.Init(device_.CreateSurface(20, 10), 0, kImageMidHandle);   // count 0 counts as 1
    EXPECT_EQ(std::pair(whole.Frames(), whole.Flags()), std::pair(1, kImageFullFrame));
    EXPECT_FLOAT_EQ(whole.HandleX(), 10);
}

TEST_F(ImageTest, FrameOutsideTheSurfaceAndASecondInitAreFatal)
{
    device_.AddFakeImage("tiles.png", 64, 32);
    // A ninth 16x16 frame would start a third row on a 32-pixel-high surface.
    EXPECT_EXIT((StdoutToStderr(), (void)graphics::LoadImage2("tiles.png", 16, 16, 9)),
                ::testing::ExitedWithCode(255), "Kestro Runtime Error : Image frame outside surface");
    // A frame wider than the surface.
    EXPECT_EXIT((StdoutToStderr(), (void)graphics::LoadImage2("tiles.png", 80, 16, 1)),
                ::testing::ExitedWithCode(255), "Image frame outside surface");
    Image image;
    image.Init(device_.CreateSurface(8, 8), 1, 0);
    EXPECT_EXIT((StdoutToStderr(), image.Init(device_.CreateSurface(8, 8), 1, 0)),
                ::testing::ExitedWithCode(255), "Kestro Runtime Error : Image already initialized");
}

TEST_F(ImageTest, GrabbedImageSharesTheSurfaceAndNeverDiscardsIt)
{
    device_.AddFakeImage("sheet.png", 64, 32);
    Ref<Image> sheet = graphics::LoadImage("sheet.png", 1, kImageXPadding);
    ASSERT_NE(sheet, nullptr);
    Ref<Image> cells = sheet->GrabImage(0, 0, 20, 16, 4, 0);
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(std::pair(cells->GetSurface(), cells->Source()), std::pair(sheet->GetSurface(), sheet));
    // Inside the 62-wide frame at x = 1: three per row, then the next row.
    EXPECT_EQ(CornersOf(*cells), (Corners{{1, 0}, {21, 0}, {41, 0}, {1, 16}}));

    auto* surface = static_cast<RecordingSurface*>(sheet->GetSurface().get());
    cells->Discard();
    EXPECT_FALSE(surface->Discarded() || !cells->GetSurface());
    sheet->Discard();
    EXPECT_TRUE(surface->Discarded() && !sheet->GetSurface());

    Ref<Image> strip = graphics::CreateImage(8, 8, 2);
    EXPECT_EQ(strip->GrabImage(0, 0, 4, 4, 1, 0), nullptr);   // more than one frame
}

}  // namespace
}  // namespace zelka
