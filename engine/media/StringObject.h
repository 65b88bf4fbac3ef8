#pragma once

#include "engine/core/Object.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

// A text wrapped as an Object, to travel as event data.
class StringObject : public Object {
public:
    explicit StringObject(String text) : value(std::move(text)) {}
    static Ref<StringObject> New(String text) { return std::make_shared<StringObject>(std::move(text)); }

    String value;
};

}  // namespace zelka
