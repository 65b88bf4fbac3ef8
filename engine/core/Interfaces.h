#pragma once

#include "engine/core/RefusedProperty.h"

#include <string_view>

namespace zelka {

// Small role interfaces mixed into engine objects beside `Object`. A stage finds them
// with dynamic_cast (a layer that is a Resource, a cog that is Drawable).

// Something that holds other objects and lets them go in Deallocate (breaks Ref cycles).
class Resource {
public:
    virtual ~Resource() = default;
    virtual void Deallocate() = 0;
};

// Advanced once per update while enabled; ms is the wall-clock step (may be 0 or huge).
class Updateable {
public:
    virtual ~Updateable() = default;
    virtual bool IsEnabled() const = 0;
    virtual void Update(int ms) = 0;
};

// Drawn each frame while visible.
class Drawable {
public:
    virtual ~Drawable() = default;
    virtual bool IsVisible() const = 0;
    virtual void Draw() = 0;
};

// Numbers that tweens and panels drive by name. Names compare exactly (case-sensitive).
// An unknown name returns false and changes nothing.
class ObjectWithFloatProperties {
public:
    virtual ~ObjectWithFloatProperties() = default;
    // A direct write: a refused name is reported once for the calling line, since code that
    // relies on a refused key (a read-only "width") silently does nothing.
    bool SetFloatProperty(std::u32string_view name, float value,
                          CallSite site = CallSite::Here())
    {
        const bool set = TrySetFloatProperty(name, value);
        if (!set) {
            ReportRefusedProperty(name, site);
        }
        return set;
    }
    // The write alone. Bindings (tweens, panels) call this and report a refusal once per
    // binding themselves, so that no refusal is counted twice.
    virtual bool TrySetFloatProperty(std::u32string_view name, float value) = 0;
};

// Marker for objects that report a width and a height.
class ObjectWithSize {
public:
    virtual ~ObjectWithSize() = default;
};

}  // namespace zelka
