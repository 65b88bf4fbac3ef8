#pragma once

#include "platform/core/Ref.h"
#include "platform/core/Text.h"

namespace zelka {

class GDO;

// An entry of a menu that chooses among modes or submenus (the title menu).
class OptionInterface {
public:
    virtual ~OptionInterface() = default;
    [[nodiscard]] virtual String GetName() const = 0;
    // The lock card shown over the entry; null when it is not locked.
    [[nodiscard]] virtual Ref<GDO> GetLock() const = 0;
    [[nodiscard]] virtual int GetCode() const = 0;
    // The plain entry that stands for this one now (a multi-entry's current entry).
    [[nodiscard]] virtual const OptionInterface* GetOption2() const = 0;
};

}  // namespace zelka
