#pragma once

#include "engine/collision/Rectangle.h"

namespace zelka {

// A box that stands for something (the user object: an item, a wall probe ...).
class StaticBox : public Rectangle {
public:
    StaticBox() = default;
    StaticBox(float x, float y, float width, float height, Ref<Object> object)
        : Rectangle(x, y, width, height), userObject(std::move(object))
    {
    }

    static Ref<StaticBox> New(float x, float y, float width, float height, Ref<Object> object);
    static Ref<StaticBox> New2();

    Ref<Object> userObject;
};

}  // namespace zelka
