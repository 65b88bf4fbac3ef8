#include "screens/menus/MenuOption.h"

#include "engine/ui/Panel.h"
#include "services/data/ContentLock.h"
#include "screens/locks/LockCard.h"

#include <utility>

namespace zelka {

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
    return contentlock::CreateLockGDO(lock);
}

}  // namespace zelka
