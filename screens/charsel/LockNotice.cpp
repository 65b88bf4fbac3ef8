#include "screens/charsel/LockNotice.h"

#include "engine/ui/Panel.h"
#include "screens/locks/LockCard.h"

namespace zelka {

Ref<GDO> NewLockNotice(const Ref<ContentLock>& lock)
{
    return contentlock::CreateLockGDO(lock);
}

Panel* AsNoticePanel(const Ref<GDO>& notice)
{
    return dynamic_cast<Panel*>(notice.get());
}

}  // namespace zelka
