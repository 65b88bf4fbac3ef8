#include "match/items/ItemChestSprite.h"

#include "match/items/Item.h"
#include "match/items/ItemTable.h"

#include <ctime>
#include <vector>

namespace zelka {

namespace {

const String kItemSheet = U"items.png";
const String kIdle = U"idle";
// The sheet's frame rate is not given by the art; 10 frames per second reads well.
constexpr int kChestFps = 10;

constexpr int kDecember = 12;
constexpr int kJanuary = 1;
constexpr int kLastFestiveJanuaryDay = 15;

// "idle", played once: the lid opens a crack and the chest bobs twice.
const std::vector<int> kChestFrames = {4, 4, 5, 6, 7, 8, 8, 9, 10, 9, 10};
const std::vector<int> kStripeFrames = {4, 4, 46, 47, 48, 49, 49, 50, 51, 50, 51};
const std::vector<int> kFestiveChestFrames = {4, 4, 52, 53, 54, 55, 55, 56, 57, 56, 57};
const std::vector<int> kFestiveStripeFrames = {4, 4, 58, 59, 60, 61, 61, 62, 63, 62, 63};
const std::vector<int> kGlintFrames = {40, 41, 42, 43, 44, 45, 4};

Ref<TileSet> Sheet()
{
    return TileSet::New(Texture::GetTexture(kItemSheet), kItemTileSize, kItemTileSize);
}

}  // namespace

bool ItemChestSprite::IsFestive(int month, int day)
{
    return month == kDecember || (month == kJanuary && day <= kLastFestiveJanuaryDay);
}

Ref<ItemChestSprite> ItemChestSprite::New(const Item* item)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return New(item, local.tm_mon + 1, local.tm_mday);
}

Ref<ItemChestSprite> ItemChestSprite::New(const Item* item, int month, int day)
{
    auto chest = std::make_shared<ItemChestSprite>(Sheet(), kChestFps);
    const bool festive = IsFestive(month, day);
    chest->DefineSequence2(kIdle, festive ? kFestiveChestFrames : kChestFrames, false);
    chest->stripe_ = Sprite::New2(Sheet(), kChestFps);
    chest->stripe_->DefineSequence2(kIdle, festive ? kFestiveStripeFrames : kStripeFrames, false);
    chest->glint_ = Sprite::New2(Sheet(), kChestFps);
    chest->glint_->DefineSequence2(kIdle, kGlintFrames, false);
    chest->AddChild(chest->stripe_);
    chest->AddChild(chest->glint_);
    chest->item_ = item;
    chest->ShowType(item ? item->type : kItemNone);
    return chest;
}

void ItemChestSprite::ShowType(int type)
{
    shownType_ = type;
    switch (ItemTable::Category(type)) {
    case kCategorySelf:
        stripe_->tint = RGB(128, 128, 255);
        stripe_->visible = true;
        break;
    case kCategoryTrick:
        stripe_->tint = RGB(190, 96, 255);
        stripe_->visible = true;
        break;
    case kCategoryAttack:
        stripe_->tint = RGB(96, 96, 96);
        stripe_->visible = true;
        break;
    default:
        stripe_->visible = false;
        break;
    }
}

int ItemChestSprite::PlaySequence(const String& sequenceName)
{
    stripe_->PlaySequence(sequenceName);
    glint_->PlaySequence(sequenceName);
    return Sprite::PlaySequence(sequenceName);
}

void ItemChestSprite::Update(int ms)
{
    if (item_ && item_->type != shownType_) {
        ShowType(item_->type);
    }
    Sprite::Update(ms);
}

}  // namespace zelka
