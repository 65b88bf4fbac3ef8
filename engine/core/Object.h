#pragma once

#include <memory>

namespace zelka {

// Root of every engine and game object. Objects are created by static `New` factories
// that return `Ref<T>`; `shared_from_this` works only once such a factory has returned.
// Destructors have no side effects: objects release what they hold in `Deallocate`.
class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;
};

}  // namespace zelka
