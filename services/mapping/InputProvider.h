#pragma once

namespace zelka {

// Something that answers whether a player action (kActionAccept..kActionRight) was hit
// in this update.
class InputProvider {
public:
    virtual ~InputProvider() = default;
    [[nodiscard]] virtual bool InputHit(int action) const = 0;
};

}  // namespace zelka
