#pragma once

#include "engine/EngineConstants.h"

#include <array>

namespace zelka {

class Circle;
class GDO;

// Process-wide drawing state of the display tree: the current tint with its stack, the
// current clip rectangle (device pixels) and a scratch copy of the drawing matrix.
namespace same {

inline int TINTr_ = kColorMax;
inline int TINTg_ = kColorMax;
inline int TINTb_ = kColorMax;
inline std::array<float, 3 * kTintStackDepth> RGBSTK_{};  // 32 entries of r, g, b
inline int RGBptr_ = 0;                                    // floats in use
inline std::array<float, 4> CS_{};                         // clip x, y, width, height
inline bool clipIsOn_ = false;
inline std::array<float, 6> TMB_{};                        // scratch matrix (ix, iy, jx, jy, tx, ty)

// Start state: white tint, empty stack, clip off and empty (tests call it between cases).
void ResetDrawingState();

// Saves the current tint. Fatal "RGB Stack overflow!" beyond 32 entries.
void PushTint();
// Restores the latest saved tint (clamped 0..255) into the state and the device colour.
// Fatal "RGB Stack is empty. Nothing to Pop()!" when nothing is saved.
void PopTint();
// Each component clamped to 0..255, stored and sent as the device colour.
void SetTint(int r, int g, int b);

// Only stores the clip rectangle (device pixels).
void SetClipping(float x, float y, float width, float height);
// Scissors the device to the stored rectangle (integer parts) and turns clipping on.
void ApplyCurrentClipping();
// Scissors the device to the whole device and turns clipping off.
void UndoClipping();

// TMB_ filled with the current drawing matrix.
const std::array<float, 6>& GetTransform();
void GetTransform2(float out[6]);

// Whether a device-space circle may show inside the clip rectangle (the whole device
// while clipping is off).
bool CheckIfInsideClipping(const Circle& circle);

// Device size in pixels: the graphics device's, else the framework's stored size.
int DeviceWidth();
int DeviceHeight();

}  // namespace same

}  // namespace zelka
