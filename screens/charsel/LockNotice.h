#pragma once

#include "platform/core/Ref.h"
#include "screens/app/PanelState.h"

namespace zelka {

class ContentLock;
class GDO;
class Panel;

// The lock card shown for a locked character or world: a closed Panel, or null when the
// lock is null or already open (the content then counts as unlocked).
[[nodiscard]] Ref<GDO> NewLockNotice(const Ref<ContentLock>& lock);

// The notice as the Panel it is; null for null or for any other node.
[[nodiscard]] Panel* AsNoticePanel(const Ref<GDO>& notice);

}  // namespace zelka
