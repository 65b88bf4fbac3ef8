#include "engine/media/TileSet.h"

#include "platform/core/Fatal.h"
#include "platform/graphics/Graphics.h"

#include <algorithm>

namespace zelka {

namespace {

// Integer division that treats a zero-size cell as "no tiles" instead of dividing by zero.
int CellsIn(int length, int cell)
{
    return cell > 0 ? std::max(length / cell, 0) : 0;
}

}  // namespace

TileSet::TileSet(Ref<Texture> texture, int tileWidth, int tileHeight, int spacingX,
                 int spacingY, bool border)
    : texture_(std::move(texture)), tileWidth_(tileWidth), tileHeight_(tileHeight),
      spacingX_(spacingX), spacingY_(spacingY), border_(border)
{
    const Ref<Image>& image = texture_->GetImage();
    columns_ = CellsIn(image->Width(), tileWidth_ + spacingX_);
    rows_ = CellsIn(image->Height(), tileHeight_ + spacingY_);
    SetCurrentDrawable(0);
}

Ref<TileSet> TileSet::New(Ref<Texture> texture, int tileWidth, int tileHeight, int spacingX,
                          int spacingY, bool border)
{
    if (!texture || !texture->GetImage()) {
        RuntimeError("TileSet::Couldn't retrieve texture's image");
    }
    return std::make_shared<TileSet>(std::move(texture), tileWidth, tileHeight, spacingX,
                                     spacingY, border);
}

Ref<TileSet> TileSet::New(Ref<Texture> texture, int tileWidth, int tileHeight)
{
    return New(std::move(texture), tileWidth, tileHeight, 0, 0, false);
}

void TileSet::SetCurrentDrawable(int index)
{
    const int total = GetTotalDrawables();
    if (total <= 0) {
        return;   // zero columns or rows: nothing to select (and no division by zero)
    }
    current_ = std::clamp(index, 0, total - 1);
    const int originX = border_ ? spacingX_ : 0;
    const int originY = border_ ? spacingY_ : 0;
    sourceX_ = originX + (current_ % columns_) * (tileWidth_ + spacingX_);
    sourceY_ = originY + (current_ / columns_) * (tileHeight_ + spacingY_);
}

void TileSet::Draw()
{
    DrawAt(0, 0);
}

void TileSet::DrawAt(float x, float y)
{
    if (!texture_ || GetTotalDrawables() <= 0) {
        return;
    }
    const Ref<Image>& image = texture_->GetImage();
    if (!image) {
        return;
    }
    // The image is shared (sprites, static images, the warm-up), so its handle stays as it
    // is: DrawImageRect subtracts the handle, and adding it back here places the tile's
    // centre, (tileWidth / 2, tileHeight / 2) in whole pixels, on (x, y).
    const float left = x - static_cast<float>(tileWidth_ / 2) + image->HandleX();
    const float top = y - static_cast<float>(tileHeight_ / 2) + image->HandleY();
    graphics::DrawImageRect(*image, left, top, sourceX_, sourceY_, tileWidth_, tileHeight_, 0);
}

void TileSet::Deallocate()
{
    if (texture_) {
        texture_->Deallocate();
        texture_.reset();
    }
}

}  // namespace zelka
