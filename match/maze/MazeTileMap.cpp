#include "match/maze/MazeTileMap.h"

#include "engine/core/EventManager.h"
#include "engine/core/Random.h"
#include "engine/tween/Ease.h"
#include "match/MatchConstants.h"
#include "match/MatchEvents.h"
#include "match/PlayerStageData.h"
#include "match/maze/BlockTrap.h"
#include "match/maze/BreakAnimation.h"
#include "match/maze/FallingRock.h"
#include "match/maze/MazeItem.h"
#include "services/data/GameData.h"
#include "services/player/PlayerData.h"

#include <algorithm>
#include <cmath>

namespace zelka {

namespace {

// Floor tile numbers of the two floor-set layouts.
constexpr int kPlainRubble = 1;
constexpr int kPlainTrap = 2;
constexpr int kPlainRock = 3;
constexpr int kTrailRubble = 16;
constexpr int kTrailTrap = 17;
constexpr int kTrailRock = 18;

// The lower edge of a maze element, the key the wall layer is drawn by.
float LowerEdge(const GDO& node)
{
    return node.position->y + node.GetHeight() * 0.5f;
}

// The first child of `layer` of type T standing in cell (c, r); null when there is none.
template <class T>
Ref<T> FindInCell(const GDO& layer, int c, int r)
{
    for (int i = 0; i < layer.ChildCount(); ++i) {
        auto node = std::dynamic_pointer_cast<T>(layer.GetChild(i));
        if (node && node->GetColumn() == c && node->GetRow() == r) {
            return node;
        }
    }
    return nullptr;
}

}  // namespace

Ref<MazeTileMap> MazeTileMap::New(Ref<TileSet> floorSet, Ref<TileSet> wallSet, int columns,
                                  int rows, Ref<TileSet> lightSet)
{
    auto map = std::make_shared<MazeTileMap>();
    map->columns_ = std::max(columns, 0);
    map->rows_ = std::max(rows, 0);
    const int floorTiles = floorSet ? floorSet->GetTotalDrawables() : 0;
    map->floor_ = TileMap::New(std::move(floorSet), columns, rows);
    map->trails_ = floorTiles >= kTrailFloorTiles;
    NORMAL_FLOOR_TILE = 0;
    RUBBLE_FLOOR_TILE = map->trails_ ? kTrailRubble : kPlainRubble;
    TRAP_FLOOR_TILE = map->trails_ ? kTrailTrap : kPlainTrap;
    TRAP2_FLOOR_TILE = map->trails_ ? kTrailRock : kPlainRock;
    map->walls_ = TileMap::New(std::move(wallSet), columns, rows);
    map->AddChild(map->floor_);
    map->AddChild(map->walls_);
    if (lightSet) {
        map->light_ = TileMap::New(std::move(lightSet), columns, rows);
        map->AddChild(map->light_);
        map->breath_ = Tween::New(QuadraticEaseInOut::New(), kLightBreathFrom, kLightBreathTo,
                                  kLightBreathMs, true, true);
        map->breath_->Start();
        map->ResetLightMap();
    }
    map->items_.assign(static_cast<size_t>(map->columns_ * map->rows_), nullptr);
    for (auto& anim : map->breaks_) {
        anim = BreakAnimation::New();
        map->walls_->AddChild(anim);
    }
    return map;
}

float MazeTileMap::TileCenterX(int c) const
{
    return static_cast<float>(c * kTileSize + kHalfTile - columns_ * kHalfTile);
}

float MazeTileMap::TileCenterY(int r) const
{
    return static_cast<float>(r * kTileSize + kHalfTile - rows_ * kHalfTile);
}

void MazeTileMap::SetItemAtCell(int c, int r, Ref<MazeItem> item)
{
    if (!floor_->IsInside(c, r)) {
        return;
    }
    Ref<MazeItem>& slot = items_[static_cast<size_t>(TileIndex(c, r))];
    lastItem_->column = c;
    lastItem_->row = r;
    if (slot && item) {
        // A replacement: listeners see the removal before the new item.
        slot.reset();
        EventManager::SendEvent(this, kEventItemChanged, lastItem_.get());
    }
    slot = std::move(item);
    EventManager::SendEvent(this, kEventItemChanged, lastItem_.get());
}

Ref<MazeItem> MazeTileMap::GetItemAtCell(int c, int r) const
{
    return floor_->IsInside(c, r) ? items_[static_cast<size_t>(TileIndex(c, r))] : nullptr;
}

Ref<BlockTrap> MazeTileMap::GetTrapAt(int c, int r) const
{
    return FindInCell<BlockTrap>(*walls_, c, r);
}

Ref<FallingRock> MazeTileMap::GetFallingRockAt(int c, int r) const
{
    return FindInCell<FallingRock>(*walls_, c, r);
}

Ref<BlockTrap> MazeTileMap::AddTrap(int c, int r)
{
    auto trap = BlockTrap::New(c, r);
    walls_->AddChild2(trap, TileCenterX(c), TileCenterY(r) - kTrapAboveCentre);
    floor_->SetTile(c, r, TRAP_FLOOR_TILE);
    return trap;
}

Ref<FallingRock> MazeTileMap::AddFallingRock(int c, int r)
{
    auto rock = FallingRock::New(c, r);
    walls_->AddChild2(rock, TileCenterX(c), TileCenterY(r) - kRockAboveCentre);
    floor_->SetTile(c, r, TRAP2_FLOOR_TILE);
    return rock;
}

void MazeTileMap::ActivateBlockTraps(bool up)
{
    trapTimer_ = up ? kTrapRaisedMs : 0;
    for (int i = 0; i < walls_->ChildCount(); ++i) {
        if (auto* trap = dynamic_cast<BlockTrap*>(walls_->GetChild(i).get())) {
            trap->PlaySequence(up ? U"on" : U"off");
        }
    }
    EventManager::SendEvent(this, kEventTrapsToggled);
}

void MazeTileMap::BreakWallAt(int c, int r)
{
    for (const auto& anim : breaks_) {
        if (!anim->IsPlaying()) {
            anim->position->Set(TileCenterX(c), TileCenterY(r));
            anim->PlayBreakSequence();
            return;
        }
    }
}

int MazeTileMap::WallMaskAt(int c, int r) const
{
    // Outside the map counts as no wall (GetTile gives -1 there).
    int mask = 0;
    for (int d = 0; d < kDirCount; ++d) {
        if (walls_->GetTile(c + kDirStepC[d], r + kDirStepR[d]) != kEmptyTile) {
            mask |= kDirSide[d];
        }
    }
    return mask;
}

void MazeTileMap::_RecomputeMazeWalls(int c0, int r0, int c1, int r1, bool randomise)
{
    c0 = std::max(c0, 0);
    r0 = std::max(r0, 0);
    c1 = std::min(c1, columns_ - 1);
    r1 = std::min(r1, rows_ - 1);
    const Ref<TileSet>& set = walls_->GetTileSet();
    const int n = set ? set->GetTotalDrawables() : 0;
    const bool hasVariants = n > kFirstWallVariant;
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            const int old = walls_->GetTile(c, r);
            if (old == kEmptyTile) {
                if (floor_->GetTile(c, r) == kEmptyTile) {
                    floor_->SetTile(c, r, NORMAL_FLOOR_TILE);
                }
                continue;
            }
            int value = WallMaskAt(c, r);
            if (value == kHorizontalWall && hasVariants && r != rows_ - 1) {
                if (randomise) {
                    // Both draws are always taken: a seeded maze depends on the count.
                    const float r1draw = random::Rnd();
                    const float r2draw = random::Rnd();
                    const int variant =
                        kFirstWallVariant +
                        static_cast<int>(static_cast<float>(n - kFirstWallVariant) * r1draw);
                    if (r2draw * 100.0f >= static_cast<float>(kWallVariantPercent)) {
                        value = variant;
                    }
                } else if (old >= kFirstWallVariant && old < n) {
                    value = old;
                }
            }
            walls_->SetTile(c, r, value);
        }
    }
}

void MazeTileMap::_RecomputeAllWalls(bool randomise)
{
    _RecomputeMazeWalls(0, 0, columns_ - 1, rows_ - 1, randomise);
}

void MazeTileMap::ResetLightMap()
{
    if (light_) {
        light_->Fill(0);
    }
}

void MazeTileMap::AddLightSource(int c, int r, int radius)
{
    if (!light_ || radius < 0) {
        return;
    }
    const int maxLight = std::max(light_->GetTileSet()->GetTotalDrawables() - 1, 0);
    for (int y = r - radius; y <= r + radius; ++y) {
        for (int x = c - radius; x <= c + radius; ++x) {
            const int v = light_->GetTile(x, y);
            if (v == kEmptyTile) {
                continue;   // outside, or a tile taken off the light layer
            }
            const float dx = static_cast<float>(x - c);
            const float dy = static_cast<float>(y - r);
            const int dist = static_cast<int>(std::ceil(std::sqrt(dx * dx + dy * dy)));
            light_->SetTile(x, y, std::clamp(v + std::max(0, radius - dist), 0, maxLight));
        }
    }
}

void MazeTileMap::SortMazeElements()
{
    // Bubble sort that swaps only strictly misordered neighbours: equal lower edges keep
    // their order, so two things on one row do not swap their drawing order every update.
    // Each pass ends at its last swap, and the bound shrinks strictly, so the loop ends.
    int bound = walls_->ChildCount() - 1;
    while (bound > 0) {
        int lastSwap = 0;
        for (int i = 0; i < bound; ++i) {
            if (LowerEdge(*walls_->GetChild(i)) > LowerEdge(*walls_->GetChild(i + 1))) {
                walls_->SwapChildren(i, i + 1);
                lastSwap = i;
            }
        }
        bound = lastSwap;
    }
}

void MazeTileMap::Update(int ms)
{
    EmptyGDOContainer::Update(ms);
    SortMazeElements();
    if (light_) {
        ResetLightMap();
        breath_->Update(ms);
        const int radius = static_cast<int>(std::ceil(breath_->GetValue()));
        for (int player = 1; player <= 2; ++player) {
            const Ref<PlayerData> data = GameData::GetPlayer(player);
            if (data && data->stageData) {
                AddLightSource(data->stageData->tileC, data->stageData->tileR, radius);
            }
        }
    }
    if (trapTimer_ > 0) {
        trapTimer_ -= ms;
        if (trapTimer_ < 1) {
            ActivateBlockTraps(false);
        }
    }
}

void MazeTileMap::Deallocate()
{
    std::fill(items_.begin(), items_.end(), nullptr);
    for (auto& anim : breaks_) {
        anim.reset();
    }
    breath_.reset();
    EmptyGDOContainer::Deallocate();
}

}  // namespace zelka
