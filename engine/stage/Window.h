#pragma once

#include "engine/display/GDOBase.h"

#include <array>

namespace zelka {

// Allowed range of a window's view centre.
class WindowLimits : public Object {
public:
    float minX = 0.0f;
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
};

inline constexpr int kFollowRadial = 1;  // Window follow mode; any other value steps per axis

// A camera: a rectangle of the virtual screen (centred on its position) through which the
// stage's world root is drawn, showing the world point `view centre` at its centre. It has
// no children. Declared only where no X11 header is included (Xlib has its own Window).
class Window : public GDOBase, public Resource {
public:
    Window(float width, float height) : size_(width, height) {}
    Window() = default;
    static Ref<Window> New(float width, float height);
    static Ref<Window> New2();

    float GetWidth() const override { return size_.x; }
    float GetHeight() const override { return size_.y; }
    void SetSize(float width, float height);
    // Follows the target, if one is set, with the follow values; ms is not used.
    void Update(int ms) override;
    void Deallocate() override {}

    float GetViewX() const { return view_.x; }
    float GetViewY() const { return view_.y; }
    // Stores floor(x), clamped to the limits when set; returns whether that equals x.
    bool SetViewX(float x);
    bool SetViewY(float y);
    // One smoothing step of the view centre toward (x, y): factor clamped to 0..1, a
    // negative dead zone counts as 0. True (and nothing moves) inside the dead zone.
    bool Approach(float x, float y, float factor, float maxStep, float deadZone);
    float DistanceToPoint(float x, float y) const;

    // Scissors the device to the window and sets up the view matrix; PostDraw undoes both
    // (scissor back to the current clip rectangle, clipping on).
    void PreDraw();
    void PostDraw();
    // A world point through the latest PreDraw's matrix, in virtual-screen pixels. With a
    // global scale of 0 on an axis (a minimised window) that axis is returned unchanged.
    Vector WorldCoordsToScreen(float x, float y) const;
    const std::array<float, 6>& GetViewMatrix() const { return viewMatrix_; }

    void SetLimits(Ref<WindowLimits> limits) { limits_ = std::move(limits); }
    const Ref<WindowLimits>& GetLimits() const { return limits_; }
    void SetFollow(Ref<Vector> target, float factor, float maxStep, float deadZone);

    int followMode = 0;

private:
    Vector size_;
    Vector view_;
    std::array<float, 6> viewMatrix_{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    Ref<WindowLimits> limits_;
    Ref<Vector> followTarget_;
    float followFactor_ = 0.0f;
    float followMaxStep_ = 0.0f;
    float followDeadZone_ = 0.0f;
};

}  // namespace zelka
