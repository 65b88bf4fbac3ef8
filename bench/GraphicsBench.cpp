// Batch renderer timings on the real GL backend. Needs a display: run under xvfb-run -a.
#include <benchmark/benchmark.h>


#include <cstdint>
#include <memory>
#include <vector>

#include "bench/support/BenchGLWindow.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/gl/GLCounters.h"
#include "platform/graphics/gl/GLGraphicsDevice.h"
#include "platform/graphics/gl/GLSurface.h"

namespace zelka {
namespace {

constexpr int kQuadsPerFrame = 10000;
constexpr int kQuadSize = 16;        // pixels per side of every quad
constexpr int kUploadSide = 1024;    // the premultiply + upload image
constexpr int kWarmUpFrames = 30;    // llvmpipe compiles its pipeline on the first draws

Ref<Surface> Checkerboard(GraphicsDevice& device, int side)
{
    Ref<Surface> surface = device.CreateSurface(side, side);
    std::vector<int> pixels(static_cast<std::size_t>(side) * side);
    for (int i = 0; i < side * side; ++i) {
        pixels[static_cast<std::size_t>(i)] = ((i / side + i) & 1) != 0 ? static_cast<int>(0xFFFF8000u)
                                                                        : static_cast<int>(0x80204080u);
    }
    device.WritePixels2(surface, pixels, 0, 0, side, side, 0, side);
    return surface;
}

// Quad i's top-left corner, spread over the window.
void QuadPosition(int i, int width, int height, float& x, float& y)
{
    x = static_cast<float>((i * 37) % (width - kQuadSize));
    y = static_cast<float>((i * 53) % (height - kQuadSize));
}

void BM_BatchQuads(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    BenchGLWindow window(width, height);
    if (!window.Ok()) {
        state.SkipWithError("no GL window (run under xvfb-run)");
        return;
    }
    GLGraphicsDevice& device = window.Device();
    Ref<Surface> surface = Checkerboard(device, kQuadSize);
    auto frame = [&] {
        device.BeginRender();
        device.Cls(0, 0, 0);
        for (int i = 0; i < kQuadsPerFrame; ++i) {
            float x;
            float y;
            QuadPosition(i, width, height, x, y);
            device.SetColor(255, static_cast<float>(i & 255), 128);
            device.DrawSurface(surface, x, y);
        }
        device.EndRender();
        glFinish();
    };
    TimeFrames(state, frame);
    state.counters["quads/frame"] = kQuadsPerFrame;
}
BENCHMARK(BM_BatchQuads)->Args({640, 360})->Args({1280, 720})->Unit(benchmark::kMillisecond)->UseRealTime();

// The same quads through the module's DrawImage2 (push, translate, rotate, scale, pop).
void BM_DrawImage2Quads(benchmark::State& state)
{
    constexpr int kWidth = 640;
    constexpr int kHeight = 360;
    BenchGLWindow window(kWidth, kHeight);
    if (!window.Ok()) {
        state.SkipWithError("no GL window (run under xvfb-run)");
        return;
    }
    graphics::SetGraphicsDevice(&window.Device());
    auto image = std::make_shared<Image>();
    image->Init(Checkerboard(window.Device(), kQuadSize), 1, kImageMidHandle);
    for (int i = 0; i < kWarmUpFrames; ++i) {
        window.Device().BeginRender();
        graphics::BeginRender();
        graphics::DrawImage2(*image, 0, 0, 0, 1, 1);
        graphics::EndRender();
        window.Device().EndRender();
        glFinish();
    }
    const long drawCallsBefore = GLStats().drawCalls;
    for (auto _ : state) {
        window.Device().BeginRender();
        graphics::BeginRender();
        graphics::Cls(0, 0, 0);
        for (int i = 0; i < kQuadsPerFrame; ++i) {
            float x;
            float y;
            QuadPosition(i, kWidth, kHeight, x, y);
            graphics::DrawImage2(*image, x, y, static_cast<float>(i % 360), 1, 1);
        }
        graphics::EndRender();
        window.Device().EndRender();
        glFinish();
    }
    state.counters["draw_calls/frame"] = static_cast<double>(GLStats().drawCalls - drawCallsBefore) /
                                         static_cast<double>(state.iterations());
    graphics::ResetContext();
}
BENCHMARK(BM_DrawImage2Quads)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reference: the same textured quads from plain client arrays, filled each frame and drawn
// with one glDrawArrays, no batch logic.
void BM_ClientArrayQuads(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    BenchGLWindow window(width, height);
    if (!window.Ok()) {
        state.SkipWithError("no GL window (run under xvfb-run)");
        return;
    }
    GLGraphicsDevice& device = window.Device();
    Ref<Surface> surface = Checkerboard(device, kQuadSize);
    auto& texture = static_cast<GLSurface&>(*surface);
    const std::size_t vertices = static_cast<std::size_t>(kQuadsPerFrame) * 4;
    std::vector<float> xy(vertices * 2);
    std::vector<float> uv(vertices * 2);
    std::vector<std::uint8_t> rgba(vertices * 4);
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    auto frame = [&] {
        device.BeginRender();
        device.Cls(0, 0, 0);
        for (int i = 0; i < kQuadsPerFrame; ++i) {
            float x;
            float y;
            QuadPosition(i, width, height, x, y);
            for (int c = 0; c < 4; ++c) {
                const std::size_t v = static_cast<std::size_t>(i) * 4 + static_cast<std::size_t>(c);
                xy[v * 2] = x + corners[c][0] * kQuadSize;
                xy[v * 2 + 1] = y + corners[c][1] * kQuadSize;
                uv[v * 2] = corners[c][0];
                uv[v * 2 + 1] = corners[c][1];
                rgba[v * 4] = 255;
                rgba[v * 4 + 1] = static_cast<std::uint8_t>(i & 255);
                rgba[v * 4 + 2] = 128;
                rgba[v * 4 + 3] = 255;
            }
        }
        glEnable(GL_TEXTURE_2D);
        texture.Bind();
        glVertexPointer(2, GL_FLOAT, 0, xy.data());
        glTexCoordPointer(2, GL_FLOAT, 0, uv.data());
        glColorPointer(4, GL_UNSIGNED_BYTE, 0, rgba.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices));
        glDisable(GL_TEXTURE_2D);
        glFinish();
    };
    for (int i = 0; i < kWarmUpFrames; ++i) {
        frame();
    }
    for (auto _ : state) {
        frame();
    }
    state.counters["draw_calls/frame"] = 1;
}
BENCHMARK(BM_ClientArrayQuads)->Args({640, 360})->Args({1280, 720})->Unit(benchmark::kMillisecond)->UseRealTime();

// Premultiplying a 1024x1024 RGBA image and creating + uploading its texture.
void BM_PremultiplyAndUpload1024(benchmark::State& state)
{
    BenchGLWindow window(64, 64);
    if (!window.Ok()) {
        state.SkipWithError("no GL window (run under xvfb-run)");
        return;
    }
    std::vector<std::uint8_t> source(static_cast<std::size_t>(kUploadSide) * kUploadSide * 4);
    for (std::size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<std::uint8_t>(i * 31);
    }
    for (auto _ : state) {
        Ref<Surface> surface = window.Device().NewSurface();
        if (!surface->SetData(source, kUploadSide, kUploadSide, kSurfaceDepthRgba)) {
            state.SkipWithError("SetData refused the image");
            break;
        }
        surface->Bind();
        glFinish();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(source.size()));
}
BENCHMARK(BM_PremultiplyAndUpload1024)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace zelka
