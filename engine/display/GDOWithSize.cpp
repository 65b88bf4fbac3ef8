#include "engine/display/GDOWithSize.h"

namespace zelka {

Ref<GDOWithSize> GDOWithSize::New(float width, float height)
{
    return std::make_shared<GDOWithSize>(width, height);
}

}  // namespace zelka
