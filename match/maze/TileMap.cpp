#include "match/maze/TileMap.h"

#include "engine/collision/Circle.h"
#include "engine/display/DrawingState.h"
#include "match/MatchConstants.h"

#include <algorithm>
#include <cmath>

namespace zelka {

Ref<TileMap> TileMap::New(Ref<TileSet> tileSet, int columns, int rows)
{
    auto map = std::make_shared<TileMap>();
    map->tileSet_ = std::move(tileSet);
    map->blockCols_ = kVisibilityBlock;
    map->blockRows_ = kVisibilityBlock;
    map->SetMapSize(columns, rows);
    return map;
}

void TileMap::SetMapSize(int columns, int rows)
{
    columns = std::max(columns, 0);
    rows = std::max(rows, 0);
    if (columns != columns_ || rows != rows_) {
        columns_ = columns;
        rows_ = rows;
        tiles_.assign(static_cast<size_t>(columns) * static_cast<size_t>(rows), kEmptyTile);
    }
    Fill(kEmptyTile);
    ClampBlocks();
}

int TileMap::GetTile(int c, int r) const
{
    return IsInside(c, r) ? tiles_[static_cast<size_t>(c + r * columns_)] : kEmptyTile;
}

void TileMap::SetTile(int c, int r, int value)
{
    if (IsInside(c, r)) {
        tiles_[static_cast<size_t>(c + r * columns_)] = value;
    }
}

void TileMap::Fill(int value)
{
    std::fill(tiles_.begin(), tiles_.end(), value);
}

void TileMap::SetVisibilityTestBlockSize(int blockColumns, int blockRows)
{
    blockCols_ = blockColumns;
    blockRows_ = blockRows;
    ClampBlocks();
}

void TileMap::ClampBlocks()
{
    blockCols_ = std::clamp(blockCols_, 1, std::max(columns_, 1));
    blockRows_ = std::clamp(blockRows_, 1, std::max(rows_, 1));
    blocksX_ = (columns_ + blockCols_ - 1) / blockCols_;
    blocksY_ = (rows_ + blockRows_ - 1) / blockRows_;
}

float TileMap::GetWidth() const
{
    return tileSet_ ? static_cast<float>(tileSet_->GetDrawableWidth() * columns_) : 0.0f;
}

float TileMap::GetHeight() const
{
    return tileSet_ ? static_cast<float>(tileSet_->GetDrawableHeight() * rows_) : 0.0f;
}

void TileMap::Draw()
{
    if (!tileSet_ || tiles_.empty()) {
        return;
    }
    const float tw = static_cast<float>(tileSet_->GetDrawableWidth());
    const float th = static_cast<float>(tileSet_->GetDrawableHeight());
    const float left = -0.5f * tw * static_cast<float>(columns_);
    const float top = -0.5f * th * static_cast<float>(rows_);
    const std::array<float, 6> m = same::GetTransform();
    // Every block has the same half-diagonal after the transform; only its centre moves.
    const float hw = 0.5f * tw * static_cast<float>(blockCols_);
    const float hh = 0.5f * th * static_cast<float>(blockRows_);
    const float r1 = std::hypot(m[0] * hw + m[2] * hh, m[1] * hw + m[3] * hh);
    const float r2 = std::hypot(m[0] * hw - m[2] * hh, m[1] * hw - m[3] * hh);
    const float radius = std::max(r1, r2);
    for (int by = 0; by < blocksY_; ++by) {
        for (int bx = 0; bx < blocksX_; ++bx) {
            const float cx = left + (static_cast<float>(bx) + 0.5f) * 2.0f * hw;
            const float cy = top + (static_cast<float>(by) + 0.5f) * 2.0f * hh;
            const Circle circle(m[0] * cx + m[2] * cy + m[4], m[1] * cx + m[3] * cy + m[5], radius);
            if (!same::CheckIfInsideClipping(circle)) {
                continue;
            }
            const int c1 = std::min(columns_, (bx + 1) * blockCols_);
            const int r1b = std::min(rows_, (by + 1) * blockRows_);
            for (int r = by * blockRows_; r < r1b; ++r) {
                for (int c = bx * blockCols_; c < c1; ++c) {
                    const int v = tiles_[static_cast<size_t>(c + r * columns_)];
                    if (v == kEmptyTile) {
                        continue;
                    }
                    tileSet_->SetCurrentDrawable(v);
                    tileSet_->DrawAt(left + (static_cast<float>(c) + 0.5f) * tw,
                                     top + (static_cast<float>(r) + 0.5f) * th);
                }
            }
        }
    }
}

void TileMap::Deallocate()
{
    if (tileSet_) {
        tileSet_->Deallocate();
        tileSet_.reset();
    }
    GDO::Deallocate();
}

}  // namespace zelka
