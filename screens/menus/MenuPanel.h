#pragma once

#include "engine/ui/Panel.h"
#include "platform/core/Ref.h"
#include "platform/core/Text.h"

#include <memory>

namespace zelka {

// An overlay panel holding one menu that both players drive; it unfolds along y.
template <class TMenu>
class MenuPanel : public Panel {
public:
    [[nodiscard]] const Ref<TMenu>& GetMenu() const { return menu_; }

protected:
    // A new panel of type P named `name`, its menu `menuY` px below its centre.
    template <class P>
    static Ref<P> NewMenuPanel(const String& name, float menuY)
    {
        auto panel = std::make_shared<P>();
        panel->menu_ = TMenu::New(nullptr);
        Setup(*panel, panel->menu_, U"scale.y", 0.0f, 1.0f, kPanelDefaultMs, nullptr);
        panel->menu_->position->Set(0.0f, menuY);
        panel->name = name;
        return panel;
    }

    Ref<TMenu> menu_;
};

}  // namespace zelka
