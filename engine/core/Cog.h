#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

// A named component that a stage updates, in list order, after its display trees
// (engines, timers, the match's control logic). Released with its stage.
class Cog : public Object, public Resource, public Updateable {
public:
    explicit Cog(String name = String()) : name_(std::move(name)) {}

    static Ref<Cog> New(const String& name);

    void Deallocate() override {}
    void Update(int /*ms*/) override {}
    virtual void Stop() { enabled_ = false; }
    bool IsEnabled() const override { return enabled_; }

    void Start() { enabled_ = true; }
    bool IsActive() const { return enabled_; }
    const String& GetName() const { return name_; }
    void SetName(const String& name) { name_ = name; }

    // Takes this cog out of the current game's current stage's cog list (its first entry);
    // nothing when there is no stage or the cog is not listed.
    void Unhook();

protected:
    bool enabled_ = true;
    String name_;
};

}  // namespace zelka
