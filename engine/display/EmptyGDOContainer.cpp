#include "engine/display/EmptyGDOContainer.h"

namespace zelka {

Ref<EmptyGDOContainer> EmptyGDOContainer::New()
{
    return std::make_shared<EmptyGDOContainer>();
}

}  // namespace zelka
