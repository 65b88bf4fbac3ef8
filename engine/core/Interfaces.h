#pragma once

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
    virtual bool SetFloatProperty(std::u32string_view name, float value) = 0;
};

// Marker for objects that report a width and a height.
class ObjectWithSize {
public:
    virtual ~ObjectWithSize() = default;
};

}  // namespace zelka
