#include "match/maze/BlockTrap.h"

#include "engine/media/Texture.h"
#include "match/MatchConstants.h"
#include "match/maze/MazeItem.h"
#include "services/data/GameData.h"

namespace zelka {

namespace {
constexpr int kTrapWidth = 32;     // px
constexpr int kTrapHeight = 48;    // px
constexpr int kTrapFps = 10;       // the two-frame rise
}  // namespace

Ref<BlockTrap> BlockTrap::New(int column, int row)
{
    auto tiles = TileSet::New(Texture::GetTexture(GameData::WorldAssetPath(U"blocktrap.png")),
                              kTrapWidth, kTrapHeight);
    auto trap = std::make_shared<BlockTrap>(tiles, kTrapFps);
    trap->column_ = column;
    trap->row_ = row;
    trap->DefineSequence2(U"idle", {0}, false);
    trap->DefineSequence2(U"on", {0, 1}, false);
    trap->DefineSequence2(U"off", {1, 0}, false);
    trap->PlaySequence(U"idle");
    return trap;
}

void BlockTrap::Update(int ms)
{
    Sprite::Update(ms);
    const int frame = GetCurrentFrame();
    for (int i = 0; i < ChildCount(); ++i) {
        GetChild(i)->position->y = static_cast<float>(-kTrapLiftPerFrame * frame);
    }
    if (item_ != nullptr && item_->GetLifetime() != 0) {
        item_->SetActive(frame == 0);
    }
}

}  // namespace zelka
