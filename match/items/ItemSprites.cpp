#include "match/items/ItemSprites.h"

#include "match/items/ItemChestSprite.h"
#include "match/items/ItemConstants.h"
#include "match/maze/GemSprite.h"

#include <vector>

namespace zelka {

namespace {

const String kItemSheet = U"items.png";
const String kIdle = U"idle";

constexpr int kGemBox = 16;               // px
constexpr int kTreasureBox = 30;
constexpr int kChestBox = 24;
constexpr int kIdolBox = 24;
constexpr int kTreasureFps = 8;
// The idol's frame rate is not given by the art; 10 frames per second reads well.
constexpr int kIdolFps = 10;
constexpr int kIdolWidth = 32;            // px, frames of "idol.png"
constexpr int kIdolHeight = 48;
constexpr int kIdolPauseFrames = 10;      // frame 0 shown this often before the glint
constexpr int kIdolLastFrame = 8;

// Frames of "items.png".
constexpr int kGemIdleFirst = 0;
constexpr int kGemIdleLast = 3;
constexpr int kGemRespawnFirst = 34;
constexpr int kGemRespawnLast = 39;
constexpr int kTreasureFirst = 14;
constexpr int kTreasureLast = 33;

}  // namespace

Ref<Sprite> ItemSprites::MakeSprite(int type, const Item* item)
{
    switch (type) {
    case kItemGem: {
        auto gem = GemSprite::New(Texture::GetTexture(kItemSheet));
        gem->DefineSequence(U"item_respawn", kGemRespawnFirst, kGemRespawnLast, false);
        gem->DefineSequence(kIdle, kGemIdleFirst, kGemIdleLast, true);
        return gem;
    }
    case kItemTreasure: {
        auto treasure = Sprite::New(kItemSheet, kItemTileSize, kItemTileSize, kTreasureFps);
        treasure->DefineSequence2(kIdle, {kTreasureFirst}, false);
        treasure->DefineSequence(U"collect", kTreasureFirst, kTreasureLast, false);
        return treasure;
    }
    case kItemIdol: {
        auto idol = Sprite::New(U"idol.png", kIdolWidth, kIdolHeight, kIdolFps);
        std::vector<int> frames(kIdolPauseFrames, 0);
        for (int frame = 1; frame <= kIdolLastFrame; ++frame) {
            frames.push_back(frame);
        }
        idol->DefineSequence2(kIdle, frames, false);
        return idol;
    }
    default:
        return ItemChestSprite::New(item);
    }
}

int ItemSprites::BoxSize(int type)
{
    switch (type) {
    case kItemGem:
        return kGemBox;
    case kItemTreasure:
        return kTreasureBox;
    case kItemIdol:
        return kIdolBox;
    default:
        return kChestBox;
    }
}

}  // namespace zelka
