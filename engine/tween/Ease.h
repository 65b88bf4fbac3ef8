#pragma once

#include "engine/core/Object.h"
#include "platform/core/Ref.h"

namespace zelka {

// An easing curve: F(t, b, c, d) with t the elapsed ms, b the begin value, c the change
// (end - begin) and d the duration in ms. Angles are in degrees; all arithmetic is in
// single precision so curves match bit for bit across builds.
class EaseFunction : public Object {
public:
    virtual float F(float t, float b, float c, float d) = 0;
};

class LinearEase : public EaseFunction {
public:
    static Ref<LinearEase> New();
    float F(float t, float b, float c, float d) override;
};

class CubicEaseIn : public EaseFunction {
public:
    static Ref<CubicEaseIn> New();
    float F(float t, float b, float c, float d) override;
};

class CubicEaseOut : public EaseFunction {
public:
    static Ref<CubicEaseOut> New();
    float F(float t, float b, float c, float d) override;
};

class CubicEaseInOut : public EaseFunction {
public:
    static Ref<CubicEaseInOut> New();
    float F(float t, float b, float c, float d) override;
};

class QuadraticEaseInOut : public EaseFunction {
public:
    static Ref<QuadraticEaseInOut> New();
    float F(float t, float b, float c, float d) override;
};

class SineEaseInOut : public EaseFunction {
public:
    static Ref<SineEaseInOut> New();
    float F(float t, float b, float c, float d) override;
};

class BounceEaseOut : public EaseFunction {
public:
    static Ref<BounceEaseOut> New();
    float F(float t, float b, float c, float d) override;
};

class BounceEaseIn : public EaseFunction {
public:
    static Ref<BounceEaseIn> New();
    float F(float t, float b, float c, float d) override;

private:
    BounceEaseOut out_;
};

class BounceEaseInOut : public EaseFunction {
public:
    static Ref<BounceEaseInOut> New();
    float F(float t, float b, float c, float d) override;

private:
    BounceEaseIn in_;
    BounceEaseOut out_;
};

// The elastic curves keep their period, computed on the first evaluation past the two
// early returns, for every later call whatever the duration: share one elastic ease only
// among tweens of one duration.
class ElasticEaseBase_ : public EaseFunction {
public:
    float F(float t, float b, float c, float d) override;
    float GetPeriod() const { return period_; }

protected:
    float period_ = 0.0f;
};

class ElasticEaseOut : public ElasticEaseBase_ {
public:
    static Ref<ElasticEaseOut> New();
    float F(float t, float b, float c, float d) override;
};

class ElasticEaseInOut : public ElasticEaseBase_ {
public:
    static Ref<ElasticEaseInOut> New();
    float F(float t, float b, float c, float d) override;
};

}  // namespace zelka
