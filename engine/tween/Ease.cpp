#include "engine/tween/Ease.h"

#include "engine/EngineConstants.h"

#include <cmath>

namespace zelka {

namespace {

// Seven-digit constants taken to the nearest float, not the exact fractions of 2.75.
constexpr float kBounceStep1 = 0.3636363f;
constexpr float kBounceStep2 = 0.7272727f;
constexpr float kBounceStep3 = 0.9090909f;
constexpr float kBounceCentre2 = 0.5454545f;
constexpr float kBounceCentre3 = 0.8181818f;
constexpr float kBounceCentre4 = 0.9545454f;
constexpr float kBounceScale = 7.5625f;
constexpr float kBounceLift2 = 0.75f;
constexpr float kBounceLift3 = 0.9375f;
constexpr float kBounceLift4 = 0.984375f;
constexpr float kElasticPeriod = 0.3f;         // period as a fraction of the duration
constexpr float kElasticInOutStretch = 1.5f;   // the in-out period is 1.5 times longer
constexpr float kElasticExponent = 10.0f;
constexpr float kHalfTurnDeg = 180.0f;
constexpr float kFullTurnDeg = 360.0f;
constexpr float kQuarter = 4.0f;

float SinDeg(float degrees)
{
    return std::sin(degrees * kDegToRad);
}

float CosDeg(float degrees)
{
    return std::cos(degrees * kDegToRad);
}

// The exponent is formed in float by the caller; only the power is taken in double.
float Pow2(float exponent)
{
    return static_cast<float>(std::pow(2.0, static_cast<double>(exponent)));
}

}  // namespace

Ref<LinearEase> LinearEase::New() { return std::make_shared<LinearEase>(); }
Ref<CubicEaseIn> CubicEaseIn::New() { return std::make_shared<CubicEaseIn>(); }
Ref<CubicEaseOut> CubicEaseOut::New() { return std::make_shared<CubicEaseOut>(); }
Ref<CubicEaseInOut> CubicEaseInOut::New() { return std::make_shared<CubicEaseInOut>(); }
Ref<QuadraticEaseInOut> QuadraticEaseInOut::New() { return std::make_shared<QuadraticEaseInOut>(); }
Ref<SineEaseInOut> SineEaseInOut::New() { return std::make_shared<SineEaseInOut>(); }
Ref<BounceEaseOut> BounceEaseOut::New() { return std::make_shared<BounceEaseOut>(); }
Ref<BounceEaseIn> BounceEaseIn::New() { return std::make_shared<BounceEaseIn>(); }
Ref<BounceEaseInOut> BounceEaseInOut::New() { return std::make_shared<BounceEaseInOut>(); }
Ref<ElasticEaseOut> ElasticEaseOut::New() { return std::make_shared<ElasticEaseOut>(); }
Ref<ElasticEaseInOut> ElasticEaseInOut::New() { return std::make_shared<ElasticEaseInOut>(); }

float LinearEase::F(float t, float b, float c, float d)
{
    return c * t / d + b;
}

float CubicEaseIn::F(float t, float b, float c, float d)
{
    const float s = t / d;
    return c * s * s * s + b;
}

float CubicEaseOut::F(float t, float b, float c, float d)
{
    const float s = t / d - 1.0f;
    return c * (s * s * s + 1.0f) + b;
}

float CubicEaseInOut::F(float t, float b, float c, float d)
{
    const float s = t / (d / 2.0f);
    if (s < 1.0f) {
        return c / 2.0f * s * s * s + b;
    }
    const float u = s - 2.0f;
    return c / 2.0f * (u * u * u + 2.0f) + b;
}

float QuadraticEaseInOut::F(float t, float b, float c, float d)
{
    const float s = t / (d / 2.0f);
    if (s < 1.0f) {
        return c / 2.0f * s * s + b;
    }
    const float u = s - 1.0f;
    return -c / 2.0f * (u * (u - 2.0f) - 1.0f) + b;
}

float SineEaseInOut::F(float t, float b, float c, float d)
{
    return -c / 2.0f * (CosDeg(kHalfTurnDeg * t / d) - 1.0f) + b;
}

float BounceEaseOut::F(float t, float b, float c, float d)
{
    float s = t / d;
    if (s < kBounceStep1) {
        return c * (kBounceScale * s * s) + b;
    }
    if (s < kBounceStep2) {
        s -= kBounceCentre2;
        return c * (kBounceScale * s * s + kBounceLift2) + b;
    }
    if (s < kBounceStep3) {
        s -= kBounceCentre3;
        return c * (kBounceScale * s * s + kBounceLift3) + b;
    }
    s -= kBounceCentre4;
    return c * (kBounceScale * s * s + kBounceLift4) + b;
}

float BounceEaseIn::F(float t, float b, float c, float d)
{
    return c - out_.F(d - t, 0.0f, c, d) + b;
}

float BounceEaseInOut::F(float t, float b, float c, float d)
{
    if (t < d / 2.0f) {
        return in_.F(t * 2.0f, 0.0f, c, d) * 0.5f + b;
    }
    return out_.F(t * 2.0f - d, 0.0f, c, d) * 0.5f + c * 0.5f + b;
}

float ElasticEaseBase_::F(float /*t*/, float /*b*/, float /*c*/, float /*d*/)
{
    return 0.0f;
}

float ElasticEaseOut::F(float t, float b, float c, float d)
{
    if (t == 0.0f) {
        return b;
    }
    const float s = t / d;
    if (s == 1.0f) {
        return b + c;
    }
    if (period_ == 0.0f) {
        period_ = d * kElasticPeriod;
    }
    const float p = period_;
    return Pow2(-kElasticExponent * s) * c * SinDeg((s * d - p / kQuarter) * kFullTurnDeg / p) +
           c + b;
}

float ElasticEaseInOut::F(float t, float b, float c, float d)
{
    if (t == 0.0f) {
        return b;
    }
    const float s = t / (d / 2.0f);
    if (s == 2.0f) {
        return b + c;
    }
    if (period_ == 0.0f) {
        period_ = (d * kElasticPeriod) * kElasticInOutStretch;
    }
    const float p = period_;
    const float u = s - 1.0f;
    const float wave = SinDeg((u * d - p / kQuarter) * kFullTurnDeg / p);
    if (u < 0.0f) {
        return -0.5f * Pow2(kElasticExponent * u) * c * wave + b;
    }
    return 0.5f * Pow2(-kElasticExponent * u) * c * wave + c + b;
}

}  // namespace zelka
