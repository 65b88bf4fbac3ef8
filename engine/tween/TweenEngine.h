#pragma once

#include "engine/core/Cog.h"
#include "engine/tween/Tween.h"

#include <map>
#include <vector>

namespace zelka {

// Writes value x factor + offset into one float property of a target.
class TweenBinding : public Object {
public:
    TweenBinding(Ref<ObjectWithFloatProperties> target_, const String& property_, float factor_,
                 float offset_)
        : target(std::move(target_)), property(property_), factor(factor_), offset(offset_)
    {
    }

    Ref<ObjectWithFloatProperties> target;
    String property;
    float factor;
    float offset;
    bool refused = false;  // the target refused the property once (reported then)
};

// One named tween of a TweenEngine with its bindings, written in the order added.
class TweenEntry : public Object, public Resource {
public:
    TweenEntry(Ref<Tween> tween_, const String& name_) : tween(std::move(tween_)), name(name_) {}

    void AddBinding(Ref<ObjectWithFloatProperties> target, const String& property, float factor,
                    float offset);
    // The first binding of that target (by identity) and property; the rest keep their order.
    void RemoveBinding(const ObjectWithFloatProperties* target, std::u32string_view property);
    void Deallocate() override { bindings.clear(); }

    Ref<Tween> tween;
    String name;
    std::vector<Ref<TweenBinding>> bindings;
};

// A cog that advances named tweens, in name order, and writes their values into bound
// float properties. A driven tween that stops sends kEventTweenEngineStopped (source: the
// engine, data: the entry) in the update in which it stopped.
class TweenEngine : public Cog {
public:
    explicit TweenEngine(const String& name) : Cog(name) {}
    static Ref<TweenEngine> New(const String& name);

    // A second tween under a name already used is ignored.
    void AddTween(Ref<Tween> tween, const String& name);
    // Null for a name never added.
    Ref<Tween> GetTween(const String& name) const;
    Ref<TweenEntry> GetEntry(const String& name) const;
    // Nothing when no entry has that name.
    void AddTweenBinding(const String& tweenName, Ref<ObjectWithFloatProperties> target,
                         const String& property, float factor, float offset);
    void RemoveTweenBinding(const String& tweenName, const ObjectWithFloatProperties* target,
                            std::u32string_view property);

    void Update(int ms) override;
    void Deallocate() override;

    size_t EntryCount() const { return entries_.size(); }

private:
    void Process(TweenEntry& entry, int ms);

    std::map<String, Ref<TweenEntry>> entries_;
    unsigned version_ = 0;  // changes whenever entries are added or dropped
};

}  // namespace zelka
