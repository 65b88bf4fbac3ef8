#pragma once

#include <memory>

namespace zelka {

// Shared ownership for every engine and game object. Parents hold their children by Ref;
// a child's pointer back to its parent is raw and is cleared when it is removed.
template <class T>
using Ref = std::shared_ptr<T>;

}  // namespace zelka
