#include "platform/graphics/Graphics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/files/DataPath.h"

namespace zelka::graphics {

namespace {

constexpr int kMatrixFloats = 6;
constexpr int kDefaultFontFrames = 96;    // characters 32-127
constexpr int kDefaultFirstChar = 32;
constexpr float kDegreesToRadians = std::numbers::pi_v<float> / 180.0f;
constexpr const char* kDefaultFontPath = "vexo_font.png";

struct ModuleState {
    GraphicsContext context;
    GraphicsDevice* device = nullptr;         // the game's device, owned by the delegate
    GraphicsDevice* renderDevice = nullptr;   // == device inside a frame, else null
    PathResolver resolver;
};

ModuleState& State()
{
    static ModuleState& state = *new ModuleState;  // never destroyed: see App.cpp
    return state;
}

void UpdateTransformed(GraphicsContext& c)
{
    c.tformed = !(c.ix == 1 && c.iy == 0 && c.jx == 0 && c.jy == 1 && c.tx == 0 && c.ty == 0);
}

// Sends a changed matrix once, before the next device draw.
GraphicsDevice* DrawDevice()
{
    ModuleState& s = State();
    GraphicsContext& c = s.context;
    if (s.renderDevice != nullptr && c.matDirty) {
        s.renderDevice->SetMatrix(c.ix, c.iy, c.jx, c.jy, c.tx, c.ty);
        c.matDirty = false;
    }
    return s.renderDevice;
}

int FlagsOrDefault(int flags)
{
    return flags == -1 ? Image::DefaultFlags : flags;
}

Ref<Surface> LoadSurfaceAt(std::string_view path)
{
    ModuleState& s = State();
    if (s.device == nullptr) {
        return nullptr;
    }
    const std::string filePath =
        s.resolver ? s.resolver(path) : files::PathToFilePath(data::FixDataPath(path));
    if (filePath.empty()) {
        return nullptr;
    }
    return s.device->LoadSurface(filePath);
}

const Frame* FrameOf(const Image& image, int frame)
{
    if (image.GetSurface() == nullptr || frame < 0 || frame >= image.Frames()) {
        return nullptr;
    }
    return &image.GetFrame(frame);
}

// Push, translate to (x, y), rotate, scale, move the handle to the origin.
void PushImageMatrix(const Image& image, float x, float y, float rotation, float scaleX,
                     float scaleY)
{
    PushMatrix();
    Translate(x, y);
    Rotate(rotation);
    Scale(scaleX, scaleY);
    Translate(-image.HandleX(), -image.HandleY());
}

}  // namespace

void SetGraphicsDevice(GraphicsDevice* device)
{
    State().device = device;
    if (device == nullptr) {
        State().renderDevice = nullptr;
    }
}

GraphicsDevice* GetGraphicsDevice()
{
    return State().device;
}

GraphicsDevice* RenderDevice()
{
    return State().renderDevice;
}

GraphicsContext& Context()
{
    return State().context;
}

void ResetContext()
{
    State() = ModuleState{};
}

void SetPathResolver(PathResolver resolver)
{
    State().resolver = std::move(resolver);
}

void BeginRender()
{
    ModuleState& s = State();
    GraphicsContext& c = s.context;
    s.renderDevice = s.device;
    c.ix = 1;
    c.iy = 0;
    c.jx = 0;
    c.jy = 1;
    c.tx = 0;
    c.ty = 0;
    c.tformed = false;
    c.matDirty = true;
    c.matrixSp = 0;
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetBlend(kBlendAlpha);
    const float width = s.device != nullptr ? static_cast<float>(s.device->Width()) : 0.0f;
    const float height = s.device != nullptr ? static_cast<float>(s.device->Height()) : 0.0f;
    SetScissor(0, 0, width, height);
}

void EndRender()
{
    State().renderDevice = nullptr;
}

void SetColor(float r, float g, float b)
{
    GraphicsContext& c = Context();
    c.colorR = r;
    c.colorG = g;
    c.colorB = b;
    if (GraphicsDevice* device = RenderDevice()) {
        device->SetColor(r, g, b);
    }
}

void SetAlpha(float alpha)
{
    Context().alpha = alpha;
    if (GraphicsDevice* device = RenderDevice()) {
        device->SetAlpha(alpha);
    }
}

float GetAlpha()
{
    return Context().alpha;
}

std::array<float, 3> GetColor()
{
    const GraphicsContext& c = Context();
    return {c.colorR, c.colorG, c.colorB};
}

void SetBlend(int blend)
{
    Context().blend = blend;
    if (GraphicsDevice* device = RenderDevice()) {
        device->SetBlend(blend);
    }
}

int GetBlend()
{
    return Context().blend;
}

void SetScissor(float x, float y, float width, float height)
{
    GraphicsContext& c = Context();
    c.scissorX = x;
    c.scissorY = y;
    c.scissorWidth = width;
    c.scissorHeight = height;
    if (GraphicsDevice* device = RenderDevice()) {
        device->SetScissor(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                           static_cast<int>(height));
    }
}

std::array<float, 4> GetScissor()
{
    const GraphicsContext& c = Context();
    return {c.scissorX, c.scissorY, c.scissorWidth, c.scissorHeight};
}

void SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty)
{
    GraphicsContext& c = Context();
    c.ix = ix;
    c.iy = iy;
    c.jx = jx;
    c.jy = jy;
    c.tx = tx;
    c.ty = ty;
    UpdateTransformed(c);
    c.matDirty = true;
}

void SetMatrix2(std::span<const float> m)
{
    if (m.size() >= kMatrixFloats) {
        SetMatrix(m[0], m[1], m[2], m[3], m[4], m[5]);
    }
}

std::array<float, 6> GetMatrix()
{
    const GraphicsContext& c = Context();
    return {c.ix, c.iy, c.jx, c.jy, c.tx, c.ty};
}

void GetMatrix2(std::span<float> m)
{
    const std::array<float, 6> current = GetMatrix();
    for (std::size_t i = 0; i < current.size() && i < m.size(); ++i) {
        m[i] = current[i];
    }
}

void Transform(float ix, float iy, float jx, float jy, float tx, float ty)
{
    const GraphicsContext& c = Context();
    SetMatrix(c.ix * ix + c.jx * iy, c.iy * ix + c.jy * iy, c.ix * jx + c.jx * jy,
              c.iy * jx + c.jy * jy, c.ix * tx + c.jx * ty + c.tx, c.iy * tx + c.jy * ty + c.ty);
}

void Transform2(std::span<const float> m)
{
    if (m.size() >= kMatrixFloats) {
        Transform(m[0], m[1], m[2], m[3], m[4], m[5]);
    }
}

void Translate(float x, float y)
{
    Transform(1, 0, 0, 1, x, y);
}

void Scale(float x, float y)
{
    Transform(x, 0, 0, y, 0, 0);
}

void Rotate(float degrees)
{
    const float radians = degrees * kDegreesToRadians;
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    Transform(cosine, -sine, sine, cosine, 0, 0);
}

void PushMatrix()
{
    GraphicsContext& c = Context();
    if (c.matrixSp + kMatrixFloats > static_cast<int>(c.matrixStack.size())) {
        c.matrixStack.resize(std::max<std::size_t>(c.matrixStack.size() * 2, kMatrixFloats));
    }
    float* top = &c.matrixStack[static_cast<std::size_t>(c.matrixSp)];
    top[0] = c.ix;
    top[1] = c.iy;
    top[2] = c.jx;
    top[3] = c.jy;
    top[4] = c.tx;
    top[5] = c.ty;
    c.matrixSp += kMatrixFloats;
}

void PopMatrix()
{
    GraphicsContext& c = Context();
    if (c.matrixSp < kMatrixFloats) {
        return;
    }
    c.matrixSp -= kMatrixFloats;
    const float* top = &c.matrixStack[static_cast<std::size_t>(c.matrixSp)];
    SetMatrix(top[0], top[1], top[2], top[3], top[4], top[5]);
}

void SetFont(Ref<Image> image, int firstChar)
{
    GraphicsContext& c = Context();
    if (image != nullptr) {
        c.font = std::move(image);
        c.firstChar = firstChar;
        return;
    }
    if (c.defaultFont == nullptr) {
        c.defaultFont = LoadImage(kDefaultFontPath, kDefaultFontFrames, kImageXPadding);
    }
    c.font = c.defaultFont;
    c.firstChar = kDefaultFirstChar;
}

Ref<Image> GetFont()
{
    return Context().font;
}

void Cls(float r, float g, float b)
{
    if (GraphicsDevice* device = DrawDevice()) {
        device->Cls(r, g, b);
    }
}

void DrawRect(float x, float y, float w, float h)
{
    if (GraphicsDevice* device = DrawDevice()) {
        device->DrawRect(x, y, w, h);
    }
}

void DrawLine(float x1, float y1, float x2, float y2)
{
    if (GraphicsDevice* device = DrawDevice()) {
        device->DrawLine(x1, y1, x2, y2);
    }
}

void DrawPoly(std::span<const float> xy)
{
    if (GraphicsDevice* device = DrawDevice()) {
        device->DrawPoly(xy);
    }
}

void DrawPoly2(std::span<const float> xyuv, const Image& image, int frame)
{
    const Frame* f = FrameOf(image, frame);
    GraphicsDevice* device = DrawDevice();
    if (f != nullptr && device != nullptr) {
        device->DrawPoly2(xyuv, image.GetSurface(), static_cast<float>(f->x),
                          static_cast<float>(f->y));
    }
}

void DrawImage(const Image& image, float x, float y, int frame)
{
    const Frame* f = FrameOf(image, frame);
    GraphicsDevice* device = DrawDevice();
    if (f == nullptr || device == nullptr) {
        return;
    }
    const float left = x - image.HandleX();
    const float top = y - image.HandleY();
    if ((image.Flags() & kImageFullFrame) != 0) {
        device->DrawSurface(image.GetSurface(), left, top);
    } else {
        device->DrawSurface2(image.GetSurface(), left, top, f->x, f->y, image.Width(),
                             image.Height());
    }
}

void DrawImage2(const Image& image, float x, float y, float rotation, float scaleX,
                float scaleY, int frame)
{
    PushImageMatrix(image, x, y, rotation, scaleX, scaleY);
    // The handle is already in the matrix.
    const Frame* f = FrameOf(image, frame);
    GraphicsDevice* device = DrawDevice();
    if (f != nullptr && device != nullptr) {
        if ((image.Flags() & kImageFullFrame) != 0) {
            device->DrawSurface(image.GetSurface(), 0, 0);
        } else {
            device->DrawSurface2(image.GetSurface(), 0, 0, f->x, f->y, image.Width(),
                                 image.Height());
        }
    }
    PopMatrix();
}

void DrawImageRect(const Image& image, float x, float y, int srcX, int srcY, int srcW, int srcH,
                   int frame)
{
    const Frame* f = FrameOf(image, frame);
    GraphicsDevice* device = DrawDevice();
    if (f != nullptr && device != nullptr) {
        device->DrawSurface2(image.GetSurface(), x - image.HandleX(), y - image.HandleY(),
                             srcX + f->x, srcY + f->y, srcW, srcH);
    }
}

void DrawImageRect2(const Image& image, float x, float y, int srcX, int srcY, int srcW,
                    int srcH, float rotation, float scaleX, float scaleY, int frame)
{
    PushImageMatrix(image, x, y, rotation, scaleX, scaleY);
    const Frame* f = FrameOf(image, frame);
    GraphicsDevice* device = DrawDevice();
    if (f != nullptr && device != nullptr) {
        device->DrawSurface2(image.GetSurface(), 0, 0, srcX + f->x, srcY + f->y, srcW, srcH);
    }
    PopMatrix();
}

void ReadPixels(std::span<int> pixels, int x, int y, int w, int h, int offset, int pitch)
{
    if (pitch == 0) {
        pitch = w;
    }
    if (GraphicsDevice* device = RenderDevice()) {
        device->ReadPixels(pixels, x, y, w, h, offset, pitch);
    }
}

Ref<Image> LoadImage(std::string_view path, int frameCount, int flags)
{
    Ref<Surface> surface = LoadSurfaceAt(path);
    if (surface == nullptr) {
        return nullptr;
    }
    auto image = std::make_shared<Image>();
    image->Init(std::move(surface), frameCount, FlagsOrDefault(flags));
    return image;
}

Ref<Image> LoadImage2(std::string_view path, int frameWidth, int frameHeight, int frameCount,
                      int flags)
{
    Ref<Surface> surface = LoadSurfaceAt(path);
    if (surface == nullptr) {
        return nullptr;
    }
    const int width = surface->Width();
    const int height = surface->Height();
    auto image = std::make_shared<Image>();
    image->Init2(std::move(surface), 0, 0, frameWidth, frameHeight, frameCount,
                 FlagsOrDefault(flags), nullptr, 0, 0, width, height);
    return image;
}

Ref<Image> CreateImage(int width, int height, int frameCount, int flags)
{
    GraphicsDevice* device = GetGraphicsDevice();
    if (device == nullptr) {
        return nullptr;
    }
    frameCount = std::max(frameCount, 1);
    auto image = std::make_shared<Image>();
    image->Init(device->CreateSurface(width * frameCount, height), frameCount,
                FlagsOrDefault(flags));
    return image;
}

}  // namespace zelka::graphics
