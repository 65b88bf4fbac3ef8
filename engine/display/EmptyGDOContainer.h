#pragma once

#include "engine/display/GDO.h"

namespace zelka {

// A plain, never-culled container of size 0 (stage world root, overlay, panels).
class EmptyGDOContainer : public GDO {
public:
    EmptyGDOContainer() { neverCulled = true; }
    static Ref<EmptyGDOContainer> New();
};

}  // namespace zelka
