#include "engine/collision/StaticBox.h"

namespace zelka {

Ref<StaticBox> StaticBox::New(float x, float y, float width, float height, Ref<Object> object)
{
    return std::make_shared<StaticBox>(x, y, width, height, std::move(object));
}

Ref<StaticBox> StaticBox::New2()
{
    return std::make_shared<StaticBox>();
}

}  // namespace zelka
