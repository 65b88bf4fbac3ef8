// Text drawing, label wrapping and texture loading timings.
// The texture load uses the real GL device when a display is there (xvfb-run -a), else the
// recording device (no upload). It reads the generated data set beside the build root.
#include <benchmark/benchmark.h>

#include <GLFW/glfw3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/crypt/FileCrypt.h"
#include "engine/display/DrawingState.h"
#include "engine/media/Texture.h"
#include "engine/text/Font.h"
#include "engine/text/Label.h"
#include "platform/files/DataPath.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/WindowGeneration.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "platform/graphics/null/RecordingGraphicsDevice.h"

namespace zelka {
namespace {

constexpr int kGlyphsPerLine = 50;
constexpr int kLinesPerFrame = 40;   // 2,000 glyphs a frame
constexpr int kWrapChars = 500;
constexpr int kWrapBoxWidth = 200;   // pixels, at scale 0.5

// A device that only counts: the timings are the font's, not a recorder's.
class CountingDevice final : public GraphicsDevice {
public:
    int Width() const override { return 640; }
    int Height() const override { return 360; }
    int BeginRender() override { return 1; }
    void EndRender() override {}
    void DiscardGraphics() override {}
    Ref<Surface> LoadSurface(std::string_view path) override { return recorder_.LoadSurface(path); }
    Ref<Surface> CreateSurface(int w, int h) override { return recorder_.CreateSurface(w, h); }
    Ref<Surface> NewSurface() override { return recorder_.NewSurface(); }
    void Cls(float, float, float) override {}
    void SetAlpha(float) override {}
    void SetColor(float, float, float) override {}
    void SetBlend(int) override {}
    void SetScissor(int, int, int, int) override {}
    void SetMatrix(float, float, float, float, float, float) override {}
    void DrawPoint(float, float) override {}
    void DrawRect(float, float, float, float) override {}
    void DrawLine(float, float, float, float) override {}
    void DrawOval(float, float, float, float) override {}
    void DrawPoly(std::span<const float>) override {}
    void DrawPoly2(std::span<const float>, const Ref<Surface>&, float, float) override {}
    void DrawSurface(const Ref<Surface>&, float, float) override { ++draws; }
    void DrawSurface2(const Ref<Surface>&, float, float, int, int, int, int) override { ++draws; }
    void ReadPixels(std::span<int>, int, int, int, int, int, int) override {}
    void WritePixels2(const Ref<Surface>&, std::span<const int>, int, int, int, int, int,
                      int) override {}

    RecordingGraphicsDevice& Recorder() { return recorder_; }
    long draws = 0;

private:
    RecordingGraphicsDevice recorder_;
};

// 95 printable glyphs of 8 x 8 on a fake 128 x 64 page, kerning on a few pairs.
Ref<Font> SyntheticFont()
{
    std::string description = "common lineHeight=10\npage id=0 file=\"bench_page.png\"\n";
    for (int code = 32; code <= 126; ++code) {
        const int index = code - 32;
        description += "char id=" + std::to_string(code) + " x=" + std::to_string(index % 16 * 8) +
                       " y=" + std::to_string(index / 16 * 8) +
                       " width=8 height=8 xoffset=0 yoffset=1 xadvance=8 page=0\n";
    }
    description += "kerning first=65 second=86 amount=-1\nkerning first=84 second=111 amount=-1\n";
    auto font = std::make_shared<Font>();
    font->ParseFontDescription_(FromLatin1(description));
    return font;
}

String Paragraph(int length)
{
    static const String words[] = {U"MAZE", U"VAULT", U"GEM", U"AT", U"TUMBLING", U"IDOL", U"A"};
    String text;
    for (int i = 0; static_cast<int>(text.size()) < length; ++i) {
        text += words[i % 7];
        text += (i % 11 == 10) ? U'\n' : U' ';
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void RenderStringFrame(benchmark::State& state, float scale)
{
    CountingDevice device;
    device.Recorder().AddFakeImage("bench_page.png", 128, 64);
    graphics::ResetContext();
    same::ResetDrawingState();
    graphics::SetGraphicsDevice(&device);
    graphics::BeginRender();
    const Ref<Font> font = SyntheticFont();
    String line = Paragraph(kGlyphsPerLine - 4);
    line = Font::FT_Color(255, 200, 0) + line;
    for (auto _ : state) {
        for (int i = 0; i < kLinesPerFrame; ++i) {
            font->RenderString(line, 0, i * 9, false, scale, scale);
        }
    }
    state.counters["glyphs/frame"] = static_cast<double>(device.draws) / state.iterations();
    state.SetItemsProcessed(state.iterations() * kLinesPerFrame * kGlyphsPerLine);
    font->Deallocate();
    graphics::EndRender();
    graphics::ResetContext();
}

void BM_RenderString2000GlyphsScale1(benchmark::State& state)
{
    RenderStringFrame(state, 1.0f);
}
BENCHMARK(BM_RenderString2000GlyphsScale1)->Unit(benchmark::kMicrosecond);

void BM_RenderString2000GlyphsScaleHalf(benchmark::State& state)
{
    RenderStringFrame(state, 0.5f);
}
BENCHMARK(BM_RenderString2000GlyphsScaleHalf)->Unit(benchmark::kMicrosecond);

void BM_LabelWrap500Chars(benchmark::State& state)
{
    CountingDevice device;
    device.Recorder().AddFakeImage("bench_page.png", 128, 64);
    graphics::ResetContext();
    graphics::SetGraphicsDevice(&device);
    const Ref<Font> font = SyntheticFont();
    const Ref<Label> label = Label::New(font, 0.5f);
    label->SetSize(kWrapBoxWidth, 0);
    const String texts[2] = {Paragraph(kWrapChars), Paragraph(kWrapChars - 1) + U"!"};
    int which = 0;
    for (auto _ : state) {
        label->SetText(texts[which]);   // alternating: every call wraps afresh
        which ^= 1;
        benchmark::DoNotOptimize(label->GetLines().size());
    }
    state.counters["lines"] = static_cast<double>(label->GetLines().size());
    font->Deallocate();
    graphics::ResetContext();
}
BENCHMARK(BM_LabelWrap500Chars)->Unit(benchmark::kMicrosecond);

// The benchmark executables sit in bench/ under the build root that holds data/.
void UseBuildRootData()
{
    static const bool once = [] {
        files::SetApplicationFolder(files::FolderOf(files::ApplicationFolder()));
        return true;
    }();
    (void)once;
}

// The largest enciphered image of the data root, by file size.
std::string LargestSheet()
{
    std::string best;
    std::uintmax_t bestSize = 0;
    const std::filesystem::path folder = files::ApplicationFolder() + "/data";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".imx" && entry.file_size() > bestSize) {
            bestSize = entry.file_size();
            best = entry.path().filename().string();
        }
    }
    return best;
}

class HiddenGLWindow {
public:
    HiddenGLWindow()
    {
        if (std::getenv("DISPLAY") == nullptr) {
            return;
        }
        static const bool initialised = glfwInit() == GLFW_TRUE;
        if (!initialised) {
            return;
        }
        glfwDefaultWindowHints();
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        window_ = glfwCreateWindow(64, 64, "media bench", nullptr, nullptr);
        if (window_ == nullptr) {
            return;
        }
        glfwMakeContextCurrent(window_);
        graphics::NotifyWindowOpened();
        device_ = std::make_unique<GLGraphicsDevice>(
            [this](int& w, int& h) { glfwGetFramebufferSize(window_, &w, &h); });
    }
    ~HiddenGLWindow()
    {
        device_.reset();
        if (window_ != nullptr) {
            graphics::NotifyWindowClosed();
            glfwDestroyWindow(window_);
        }
    }
    HiddenGLWindow(const HiddenGLWindow&) = delete;
    HiddenGLWindow& operator=(const HiddenGLWindow&) = delete;

    GraphicsDevice* Device() { return device_.get(); }

private:
    GLFWwindow* window_ = nullptr;
    std::unique_ptr<GLGraphicsDevice> device_;
};

void BM_TextureLoadLargestSheet(benchmark::State& state)
{
    UseBuildRootData();
    const std::string sheet = LargestSheet();
    if (sheet.empty()) {
        state.SkipWithError("no generated data set beside the build root");
        return;
    }
    HiddenGLWindow window;
    RecordingGraphicsDevice recorder;
    GraphicsDevice* device = window.Device() != nullptr ? window.Device() : &recorder;
    graphics::ResetContext();
    graphics::SetGraphicsDevice(device);
    Texture::encryptionEnabled = true;
    // Asked for as the game does: "x.png", read from "x.imx".
    const String path = FromLatin1(sheet.substr(0, sheet.size() - 4) + ".png");
    int width = 0;
    for (auto _ : state) {
        const Ref<Texture> texture = Texture::New2(path);
        width = texture->GetWidth();
        texture->Deallocate();   // deletes the GL texture again
    }
    state.SetLabel(sheet + (window.Device() != nullptr ? " (GL upload)" : " (no display: no upload)"));
    state.counters["width"] = width;
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(
                                files::ApplicationFolder() + "/data/" + sheet)));
    Texture::encryptionEnabled = false;
    graphics::ResetContext();
}
BENCHMARK(BM_TextureLoadLargestSheet)->Unit(benchmark::kMicrosecond);

void BM_DecipherLargestSheet(benchmark::State& state)
{
    UseBuildRootData();
    const std::string sheet = LargestSheet();
    if (sheet.empty()) {
        state.SkipWithError("no generated data set beside the build root");
        return;
    }
    const std::string file = files::ApplicationFolder() + "/data/" + sheet;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto plain = FileCrypt::DecryptFileToMem(file);
        bytes = plain ? plain->size() : 0;
    }
    state.SetLabel(sheet);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_DecipherLargestSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelka
