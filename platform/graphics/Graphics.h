#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Ref.h"
#include "platform/graphics/GraphicsDevice.h"
#include "platform/graphics/Image.h"

namespace zelka {

// The process-wide drawing state. Read it through graphics::Context(); change it only
// through the graphics:: functions, which keep the device in step.
struct GraphicsContext {
    Ref<Image> defaultFont;          // loaded on first SetFont without an image; may stay null
    Ref<Image> font;                 // current font, null when none could be loaded
    int firstChar = 32;              // character code of the font's frame 0
    float ix = 1, iy = 0, jx = 0, jy = 1, tx = 0, ty = 0;   // current matrix
    bool tformed = false;            // matrix is not the identity
    bool matDirty = true;            // matrix changed since it was last sent to the device
    float colorR = 255, colorG = 255, colorB = 255;   // 0-255
    float alpha = 1;                 // 0-1
    int blend = kBlendAlpha;
    float scissorX = 0, scissorY = 0, scissorWidth = 0, scissorHeight = 0;
    std::vector<float> matrixStack = std::vector<float>(192);   // 32 matrices, doubles when full
    int matrixSp = 0;                // floats in use on the stack
};

namespace graphics {

// The device the game draws with (owned by the game delegate; null clears it). While a frame
// is being drawn it is also the render device.
void SetGraphicsDevice(GraphicsDevice* device);
[[nodiscard]] GraphicsDevice* GetGraphicsDevice();
// The device of the current frame, null outside BeginRender..EndRender.
[[nodiscard]] GraphicsDevice* RenderDevice();
GraphicsContext& Context();
// Resets the context to its start state and drops the device (for tests).
void ResetContext();
// Turns a game path ("vexo_font.png", "kestro://data/...") into a file-system path for the
// device; "" when it cannot be opened. Without one (the default, or null) the path is fixed
// into the data folder and its scheme resolved (data::FixDataPath, files::PathToFilePath).
using PathResolver = std::function<std::string(std::string_view path)>;
void SetPathResolver(PathResolver resolver);

// Starts a frame: identity matrix (sent on the first draw), empty stack, colour white,
// alpha 1, blend 0, scissor the whole device, sent in that order.
void BeginRender();
// Ends the frame: no render device until the next BeginRender.
void EndRender();

// State setters store into the context and forward to the render device if there is one.
void SetColor(float r, float g, float b);
void SetAlpha(float alpha);
[[nodiscard]] float GetAlpha();
[[nodiscard]] std::array<float, 3> GetColor();
void SetBlend(int blend);
[[nodiscard]] int GetBlend();
// Sent to the device truncated to ints.
void SetScissor(float x, float y, float width, float height);
[[nodiscard]] std::array<float, 4> GetScissor();

void SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty);
void SetMatrix2(std::span<const float> m);   // at least 6 values
[[nodiscard]] std::array<float, 6> GetMatrix();
void GetMatrix2(std::span<float> m);         // fills the first 6 entries
// Multiplies so that the given matrix applies first.
void Transform(float ix, float iy, float jx, float jy, float tx, float ty);
void Transform2(std::span<const float> m);
void Translate(float x, float y);
void Scale(float x, float y);
// Degrees, counter-clockwise on screen (y points down): (cos, -sin, sin, cos).
void Rotate(float degrees);
void PushMatrix();
// Without a matching push it does nothing.
void PopMatrix();

// With an image: it becomes the font, frame 0 showing firstChar. Without: the default font
// (vexo_font.png, 96 frames, x-border) with first character 32, null when it is missing.
void SetFont(Ref<Image> image = nullptr, int firstChar = 32);
[[nodiscard]] Ref<Image> GetFont();

// Drawing: each sends a changed matrix to the device first (once), then draws.
void Cls(float r = 0, float g = 0, float b = 0);
void DrawRect(float x, float y, float w, float h);
void DrawLine(float x1, float y1, float x2, float y2);
void DrawPoly(std::span<const float> xy);
// xyuv per vertex; texture coordinates offset by the frame's corner.
void DrawPoly2(std::span<const float> xyuv, const Image& image, int frame = 0);
void DrawImage(const Image& image, float x, float y, int frame = 0);
void DrawImage2(const Image& image, float x, float y, float rotation, float scaleX,
                float scaleY, int frame = 0);
void DrawImageRect(const Image& image, float x, float y, int srcX, int srcY, int srcW, int srcH,
                   int frame = 0);
void DrawImageRect2(const Image& image, float x, float y, int srcX, int srcY, int srcW,
                    int srcH, float rotation, float scaleX, float scaleY, int frame = 0);
// Window pixels as 0xAARRGGBB; a pitch of 0 means w.
void ReadPixels(std::span<int> pixels, int x, int y, int w, int h, int offset = 0,
                int pitch = 0);

// Images from files: the path is resolved in the data folder. Null if it cannot be loaded.
// A flags value of -1 means Image::DefaultFlags.
[[nodiscard]] Ref<Image> LoadImage(std::string_view path, int frameCount = 1, int flags = -1);
[[nodiscard]] Ref<Image> LoadImage2(std::string_view path, int frameWidth, int frameHeight,
                                    int frameCount, int flags = -1);
// An RGBA image of frameCount frames of width x height, side by side on one surface.
[[nodiscard]] Ref<Image> CreateImage(int width, int height, int frameCount = 1, int flags = -1);

}  // namespace graphics
}  // namespace zelka
