#pragma once

#include "screens/menus/OptionInterface.h"

namespace zelka {

class ContentLock;

// A named entry with a code and, when its content is still locked, a lock card.
class MenuOption : public OptionInterface {
public:
    MenuOption(String name, int code, Ref<GDO> lockCard);
    // The card is made once, here, from the lock (none for a null or open lock).
    static Ref<MenuOption> New(const String& name, int code, const Ref<ContentLock>& lock);

    // Implements OptionInterface.
    String GetName() const override { return name_; }
    Ref<GDO> GetLock() const override { return lockCard_; }
    int GetCode() const override { return code_; }
    const OptionInterface* GetOption2() const override { return this; }

protected:
    static Ref<GDO> MakeLockCard(const Ref<ContentLock>& lock);

private:
    String name_;
    int code_ = 0;
    Ref<GDO> lockCard_;
};

}  // namespace zelka
