#include "screens/menus/MenuOption.h"

#include "engine/display/GDO.h"
#include "services/data/ContentLock.h"

#include <utility>

namespace zelka {

namespace {

MenuOption::LockCardMaker& CardMaker()
{
    static MenuOption::LockCardMaker maker;
    return maker;
}

}  // namespace

void MenuOption::SetLockCardMaker(LockCardMaker maker)
{
    CardMaker() = std::move(maker);
}

MenuOption::MenuOption(String name, int code, Ref<GDO> lockCard)
    : name_(std::move(name)), code_(code), lockCard_(std::move(lockCard))
{
}

Ref<MenuOption> MenuOption::New(const String& name, int code, const Ref<ContentLock>& lock)
{
    return std::make_shared<MenuOption>(name, code, MakeLockCard(lock));
}

Ref<GDO> MenuOption::MakeLockCard(const Ref<ContentLock>& lock)
{
    if (!lock || !CardMaker()) {
        return nullptr;
    }
    return CardMaker()(*lock);
}

}  // namespace zelka
