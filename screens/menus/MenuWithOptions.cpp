#include "screens/menus/MenuWithOptions.h"

#include "engine/audio/SoundManager.h"
#include "engine/text/Label.h"
#include "engine/text/LabelWithShadow.h"
#include "engine/text/TextConstants.h"
#include "engine/ui/Panel.h"
#include "services/data/GameData.h"
#include "services/input/InputConstants.h"
#include "services/mapping/BothPlayersInput.h"
#include "services/mapping/InputMapping.h"
#include "services/player/PlayerData.h"
#include "screens/menus/MenuConstants.h"

#include <utility>

namespace zelka {

MenuWithOptions::MenuWithOptions(float width, float height) : RectangleGDO(width, height, false)
{
    neverCulled = true;
}

Ref<MenuWithOptions> MenuWithOptions::New(float width, float height, Ref<PlayerData> owner,
                                          Ref<RectangleGDO> cursorFrame)
{
    auto menu = std::make_shared<MenuWithOptions>(width, height);
    SetupMenu(*menu, std::move(owner), std::move(cursorFrame));
    return menu;
}

void MenuWithOptions::SetupMenu(MenuWithOptions& menu, Ref<PlayerData> owner,
                                Ref<RectangleGDO> cursorFrame)
{
    menu.owner_ = std::move(owner);
    menu.cursor_ = Cursor::New(std::move(cursorFrame));
    menu.AddChild(menu.cursor_);
    SoundManager::PreloadSFX(kSfxMenuCancel);
    SoundManager::PreloadSFX(kSfxMenuMove);
}

Ref<GDO> MenuWithOptions::AddOption(Ref<GDO> node, float x, float y)
{
    if (!node) {
        return nullptr;
    }
    options_.push_back(node);
    AddChild2(node, x, y);
    return node;
}

void MenuWithOptions::ReplaceOption(int index, Ref<GDO> node)
{
    if (!node || index < 0 || index >= GetOptionCount()) {
        return;
    }
    const Ref<GDO> old = options_[index];
    if (old == node) {
        return;
    }
    node->DetachFromParent();  // first: it may be one of our children, shifting the slot
    const int slot = FindChild2(old.get());
    node->position->Set(old->position->x, old->position->y);
    old->DetachFromParent();
    AddChild(node, slot);
    options_[index] = node;
    // The cursor holds its target while it slides: send it on to the live row instead of
    // finishing its slide onto a node that is gone from the menu.
    if (cursor_ && cursor_->GetTarget() == old) {
        cursor_->MoveTo(node);
    }
}

Ref<GDO> MenuWithOptions::GetOption(int index) const
{
    if (index < 0 || index >= GetOptionCount()) {
        return nullptr;
    }
    return options_[index];
}

int MenuWithOptions::NormalizeOptionIndex(int index) const
{
    const int count = GetOptionCount();
    if (count == 0) {
        return 0;  // a menu without rows has nothing to wrap around
    }
    // Plain % keeps the sign, so stepping up from row 0 would give -1.
    return (index % count + count) % count;
}

const InputProvider* MenuWithOptions::GetInputProvider() const
{
    if (providerOverride_ != nullptr) {
        return providerOverride_;
    }
    if (owner_) {
        return owner_->GetInputMapping().get();
    }
    return GameData::bothPlayersIn.get();
}

Ref<Label> MenuWithOptions::CreateLabelForOption(const String& text, int alignment,
                                                 float width) const
{
    const Ref<Label> label = Label::New(GameData::secFont, 1.0f);
    label->SetStyle(kLabelSingleLine);
    label->horizontalAlignment = alignment;
    label->SetFontScale(kMenuLabelScaleX, 1.0f);
    label->SetSize(width < 1.0f ? this->width - kMenuLabelMargin : width, kMenuLabelHeight);
    label->SetText(text);
    return label;
}

Ref<Label> MenuWithOptions::CreateExitLabel(float width)
{
    const Ref<LabelWithShadow> exit = LabelWithShadow::New(GameData::secFont, 1.0f);
    exit->SetStyle(kLabelSingleLine);
    exit->horizontalAlignment = kAlignEnd;
    exit->SetFontScale(kMenuLabelScaleX, 1.0f);
    exit->SetSize(width, kMenuLabelHeight);
    exit->SetText(U"EXIT");
    return exit;
}

void MenuWithOptions::Update(int ms)
{
    if (!enabled) {
        return;
    }
    GDO::Update(ms);
    if (inputActive) {
        UpdateInput();
    }
}

void MenuWithOptions::MoveCursorToOption(int index)
{
    if (options_.empty()) {
        return;
    }
    selected_ = NormalizeOptionIndex(index);
    cursor_->MoveTo(options_[selected_]);
}

int MenuWithOptions::CheckBeforeOptionChange(int /*from*/, int /*to*/)
{
    return 0;
}

void MenuWithOptions::OkPressed(int /*index*/) {}

void MenuWithOptions::CancelPressed(int /*index*/, bool /*byEscape*/) {}

void MenuWithOptions::UpdateInput()
{
    const InputProvider* input = GetInputProvider();
    if (input == nullptr) {
        return;
    }
    const int index = selected_;
    int target = index;
    if (input->InputHit(kActionUp)) {
        target = index - 1;
    } else if (input->InputHit(kActionDown)) {
        target = index + 1;
    }
    if (target != index && CheckBeforeOptionChange(index, target) == 0) {
        MoveCursorToOption(target);
        SoundManager::PlaySFX(kSfxMenuMove, kSfxChannelGeneral, false);
        return;
    }
    if (input->InputHit(kActionAccept) || input->InputHit(kActionStart)) {
        OkPressed(index);
    } else if (input->InputHit(kActionCancel)) {
        SoundManager::PlaySFX(kSfxMenuCancel, kSfxChannelGeneral, false);
        CancelPressed(index, false);
    } else if (GameData::GlobalCancelPressed()) {
        CancelPressed(index, true);
    }
}

Panel* MenuWithOptions::EnclosingPanel() const
{
    return dynamic_cast<Panel*>(GetParent());
}

void MenuWithOptions::CloseEnclosingPanel() const
{
    if (Panel* panel = EnclosingPanel()) {
        panel->Close2(false, true);
    }
}

}  // namespace zelka
