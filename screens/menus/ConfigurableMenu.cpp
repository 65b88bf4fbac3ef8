#include "screens/menus/ConfigurableMenu.h"

#include "services/input/InputConstants.h"
#include "services/mapping/InputProvider.h"
#include "screens/menus/ConfigurableOption.h"
#include "screens/menus/MenuConstants.h"

namespace zelka {

Ref<ConfigurableMenu> ConfigurableMenu::New(float width, float height, Ref<PlayerData> owner)
{
    auto menu = std::make_shared<ConfigurableMenu>(width, height);
    SetupConfigurable(*menu, std::move(owner));
    return menu;
}

void ConfigurableMenu::SetupConfigurable(ConfigurableMenu& menu, Ref<PlayerData> owner)
{
    SetupMenu(menu, std::move(owner), nullptr);
    menu.leftArrow_ = ArrowCursor::New(kMenuArrowImage);
    menu.rightArrow_ = ArrowCursor::New(kMenuArrowImage);
    menu.rightArrow_->scale.x = -1.0f;  // mirrored: points the other way
    menu.AddChild(menu.leftArrow_);
    menu.AddChild(menu.rightArrow_);
    menu.overMsg_ = OverlaidWarning::New();
    menu.AddChild(menu.overMsg_);
}

void ConfigurableMenu::MoveCursorToOption(int index)
{
    MenuWithOptions::MoveCursorToOption(index);
    const Ref<GDO> option = GetOption(GetSelectedOption());
    if (!option) {
        leftArrow_->visible = false;
        rightArrow_->visible = false;
        return;
    }
    float left = option->position->x - option->GetWidth() / 2;
    float right = option->position->x + option->GetWidth() / 2;
    if (const auto* row = dynamic_cast<const ConfigurableOption*>(option.get())) {
        const Label& value = *row->GetValueLabel();
        left = option->position->x + value.position->x - value.GetWidth() / 2;
        right = option->position->x + value.position->x + value.GetWidth() / 2;
    }
    leftArrow_->position->Set(left - kArrowGap, option->position->y);
    rightArrow_->position->Set(right + kArrowGap, option->position->y);
    const bool show = ShowArrowsForOption(GetSelectedOption());
    leftArrow_->visible = show;
    rightArrow_->visible = show;
}

void ConfigurableMenu::UpdateInput()
{
    if (!enabled) {
        return;
    }
    const InputProvider* input = GetInputProvider();
    if (input == nullptr) {
        return;
    }
    if (input->InputHit(kActionLeft)) {
        ChangeOptionValue(GetSelectedOption(), -1);
    } else if (input->InputHit(kActionRight)) {
        ChangeOptionValue(GetSelectedOption(), 1);
    } else {
        MenuWithOptions::UpdateInput();
    }
}

bool ConfigurableMenu::ShowArrowsForOption(int /*index*/)
{
    return true;
}

void ConfigurableMenu::ChangeOptionValue(int /*index*/, int /*delta*/) {}

void ConfigurableMenu::ShowOverMsg(const String& text, int ms, bool blink)
{
    AddChild(overMsg_);  // moved, not copied: it stays alive while it changes place
    overMsg_->Show2(text, ms, blink);
}

void ConfigurableMenu::CloseOverMsg()
{
    // A closed message has nothing to fold away: no closing sound for it.
    if (overMsg_->IsVisible()) {
        overMsg_->Close2(false, true);
    }
}

bool ConfigurableMenu::OverMsgVisible() const
{
    return overMsg_->IsVisible();
}

int ConfigurableMenu::OverMsgTimeout() const
{
    return overMsg_->GetTimeout();
}

void ConfigurableMenu::SetOverMsgText(const String& text)
{
    overMsg_->SetText(text);
}

}  // namespace zelka
