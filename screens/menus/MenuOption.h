#pragma once

#include "screens/menus/OptionInterface.h"

#include <functional>

namespace zelka {

class ContentLock;

// A named entry with a code and, when its content is still locked, a lock card.
class MenuOption : public OptionInterface {
public:
    // Makes the card for an active lock (null for none). The screens that draw lock cards
    // install it; until then no entry shows a card.
    using LockCardMaker = std::function<Ref<GDO>(const ContentLock&)>;
    static void SetLockCardMaker(LockCardMaker maker);

    MenuOption(String name, int code, Ref<GDO> lockCard);
    // The card is made once, here, from the lock (none for a null lock).
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
