#include "engine/stage/Window.h"

#include "engine/core/MathUtil.h"
#include "engine/display/DrawingState.h"
#include "engine/stage/Game.h"
#include "platform/graphics/Graphics.h"

#include <cmath>

namespace zelka {

Ref<Window> Window::New(float width, float height)
{
    return std::make_shared<Window>(width, height);
}

Ref<Window> Window::New2()
{
    return std::make_shared<Window>();
}

void Window::SetSize(float width, float height)
{
    size_.Set(width, height);
}

void Window::SetFollow(Ref<Vector> target, float factor, float maxStep, float deadZone)
{
    followTarget_ = std::move(target);
    followFactor_ = factor;
    followMaxStep_ = maxStep;
    followDeadZone_ = deadZone;
}

void Window::Update(int /*ms*/)
{
    if (const Ref<Vector> target = followTarget_) {
        Approach(target->x, target->y, followFactor_, followMaxStep_, followDeadZone_);
    }
}

bool Window::SetViewX(float x)
{
    float v = std::floor(x);
    if (limits_) {
        v = math::Clamp(v, limits_->minX, limits_->maxX);
    }
    view_.x = v;
    return v == x;
}

bool Window::SetViewY(float y)
{
    float v = std::floor(y);
    if (limits_) {
        v = math::Clamp(v, limits_->minY, limits_->maxY);
    }
    view_.y = v;
    return v == y;
}

bool Window::Approach(float x, float y, float factor, float maxStep, float deadZone)
{
    factor = math::Clamp(factor, 0.0f, 1.0f);
    deadZone = math::Max(deadZone, 0.0f);
    const float dx = x - view_.x;
    const float dy = y - view_.y;
    if (followMode == kFollowRadial) {
        const float d = std::sqrt(dx * dx + dy * dy);
        if (deadZone > d) {
            return true;
        }
        if (d == 0.0f) {
            return false;  // already there: no direction to step along
        }
        const float step = math::Min(factor * d, maxStep);
        SetViewX(view_.x + dx * step / d);
        SetViewY(view_.y + dy * step / d);
        return false;
    }
    if (deadZone > std::fabs(dx) && deadZone > std::fabs(dy)) {
        return true;
    }
    SetViewX(view_.x + math::Sgn(dx) * math::Min(factor * std::fabs(dx), maxStep));
    SetViewY(view_.y + math::Sgn(dy) * math::Min(factor * std::fabs(dy), maxStep));
    return false;
}

float Window::DistanceToPoint(float x, float y) const
{
    const float dx = x - view_.x;
    const float dy = y - view_.y;
    return std::sqrt(dx * dx + dy * dy);
}

void Window::PreDraw()
{
    const Vector& scale0 = Game::globalScale;
    const Vector& offset = Game::globalOffset;
    const float left = position->x - size_.x * 0.5f;
    const float top = position->y - size_.y * 0.5f;
    graphics::SetScissor(std::trunc(left * scale0.x + offset.x), std::trunc(top * scale0.y + offset.y),
                         std::trunc(size_.x * scale0.x), std::trunc(size_.y * scale0.y));
    graphics::PushMatrix();
    graphics::Translate(std::ceil(position->x), std::ceil(position->y));
    graphics::Rotate(rotation);
    graphics::Scale(scale.x, scale.y);
    graphics::Translate(std::ceil(-view_.x), std::ceil(-view_.y));
    graphics::GetMatrix2(viewMatrix_);
}

void Window::PostDraw()
{
    graphics::PopMatrix();
    same::ApplyCurrentClipping();
}

Vector Window::WorldCoordsToScreen(float x, float y) const
{
    Vector p(x, y);
    p.Transform(viewMatrix_.data());
    const Vector& s = Game::globalScale;
    const Vector& o = Game::globalOffset;
    // A 0x0 framebuffer (minimised window) gives a scale of 0: no meaningful answer, so
    // the world point comes back as it was rather than as an infinity.
    if (s.x == 0.0f || s.y == 0.0f) {
        return Vector(x, y);
    }
    return Vector((p.x - o.x) / s.x, (p.y - o.y) / s.y);
}

}  // namespace zelka
