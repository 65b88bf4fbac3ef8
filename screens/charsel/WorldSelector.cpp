#include "screens/charsel/WorldSelector.h"

#include "engine/text/Label.h"
#include "engine/text/RetroFont.h"
#include "engine/text/RetroFontWithShadow.h"
#include "engine/ui/ArrowCursor.h"
#include "services/data/GameData.h"
#include "screens/charsel/CharSelConstants.h"
#include "screens/charsel/LockNotice.h"
#include "screens/charsel/WrapIndex.h"

#include <array>
#include <cmath>

namespace zelka {

namespace {

constexpr float kTitleY = -40.0f;
constexpr float kTitleScale = 2.0f;
constexpr float kHintY = -8.0f;
constexpr float kHintScale = 0.75f;
constexpr float kNameY = 20.0f;
constexpr float kNameScale = 1.5f;
constexpr float kArrowY = 22.0f;
const std::array<int, 3> kTitleTop{255, 204, 0};
const RGB kTitleBottom{220, 64, 90};

Ref<Label> AddLabel(GDO& parent, Ref<Font> font, float scale, const String& text, float y)
{
    const Ref<Label> label = Label::New(std::move(font), scale);
    label->SetStyle(kLabelSingleLine);
    label->SetText(text);
    parent.AddChild2(label, 0.0f, y);
    return label;
}

}  // namespace

WorldSelector::WorldSelector() : RectangleGDO(kChoicePanelWidth, kChoicePanelHeight, false)
{
    tint = RGB(0, 0, 0);
}

Ref<WorldSelector> WorldSelector::New()
{
    auto selector = std::make_shared<WorldSelector>();
    selector->BuildChildren();
    for (int i = 0; i < GameData::GetTotalWorlds(); ++i) {
        selector->notices_.push_back(NewLockNotice(GameData::GetWorldLock(i)));
    }
    selector->SelectWorld(GameData::currentWorldNdx);
    return selector;
}

void WorldSelector::BuildChildren()
{
    if (GameData::secFont) {
        const Ref<Font> title =
            RetroFont::New(RetroFontWithShadow::kSecondaryFontFile, kTitleTop, kTitleBottom);
        AddLabel(*this, title ? title : GameData::secFont, kTitleScale, U"WORLD", kTitleY);
        const Ref<Label> hint = AddLabel(*this, GameData::secFont, kHintScale,
                                         U"- A new random maze will be generated -", kHintY);
        hint->tint = RGB(kGreyLabel, kGreyLabel, kGreyLabel);
        worldLabel_ = AddLabel(*this, GameData::secFont, kNameScale, U"", kNameY);
        worldLabel_->name = U"WORLD_LABEL";
    }
    left_ = ArrowCursor::New(kArrowKindBig);
    left_->name = U"CURSOR_LEFT";
    AddChild2(left_, 0.0f, kArrowY);
    right_ = ArrowCursor::New(kArrowKindBig);
    right_->name = U"CURSOR_RIGHT";
    AddChild2(right_, 0.0f, kArrowY);
}

void WorldSelector::SelectWorld(int index)
{
    const int count = GameData::GetTotalWorlds();
    if (count == 0) {
        return;
    }
    selected_ = WrapIndex(index, count);
    float halfWidth = 0.0f;
    if (worldLabel_) {
        worldLabel_->SetText(GameData::GetWorldName(selected_));
        const int grey = IsLocked(selected_) ? kLockedWorldGrey : kColorMax;
        worldLabel_->tint = RGB(grey, grey, grey);
        halfWidth = worldLabel_->GetWidth() / 2;
    }
    left_->position->x = -(halfWidth + kSelectorArrowGap);
    right_->position->x = halfWidth + kSelectorArrowGap;
    right_->scale.x = -std::abs(right_->scale.x);
}

Ref<GDO> WorldSelector::GetLockNotice(int index) const
{
    if (index < 0 || index >= static_cast<int>(notices_.size())) {
        return nullptr;
    }
    return notices_[index];
}

void WorldSelector::Deallocate()
{
    RectangleGDO::Deallocate();
    for (const Ref<GDO>& notice : notices_) {
        if (notice) {
            notice->Deallocate();
        }
    }
    notices_.clear();
}

}  // namespace zelka
