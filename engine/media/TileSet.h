#pragma once

#include "engine/core/Interfaces.h"
#include "engine/core/Object.h"
#include "engine/media/Texture.h"
#include "platform/core/Ref.h"

namespace zelka {

// Something drawable that holds several pictures of one size and draws the selected one.
class DrawableCollection : public Drawable {
public:
    virtual int GetTotalDrawables() const = 0;
    virtual int GetDrawableHeight() const = 0;
    virtual int GetDrawableWidth() const = 0;
    virtual void SetCurrentDrawable(int index) = 0;
};

// A texture's first frame cut into a grid of equal tiles, numbered row by row from the top
// left; draws the current tile centred on the origin. The tile set owns its texture for
// release: Deallocate releases the texture for every user of it.
class TileSet : public Object, public DrawableCollection, public Resource {
public:
    // Fatal "TileSet::Couldn't retrieve texture's image" when the texture has no image.
    // Spacing is the gap between tiles in pixels; with the border flag the grid starts at
    // (spacingX, spacingY) instead of (0, 0).
    static Ref<TileSet> New(Ref<Texture> texture, int tileWidth, int tileHeight, int spacingX,
                            int spacingY, bool border);
    static Ref<TileSet> New(Ref<Texture> texture, int tileWidth, int tileHeight);

    // Implements DrawableCollection.
    int GetDrawableWidth() const override { return tileWidth_; }
    int GetDrawableHeight() const override { return tileHeight_; }
    int GetTotalDrawables() const override { return columns_ * rows_; }
    bool IsVisible() const override { return true; }
    // Clamped to 0 .. total - 1; a grid without tiles keeps its selection.
    void SetCurrentDrawable(int index) override;
    // The current tile centred on (0, 0); nothing once released or without tiles.
    void Draw() override;
    void Deallocate() override;

    // The current tile centred on (x, y).
    void DrawAt(float x, float y);

    int GetColumns() const { return columns_; }
    int GetRows() const { return rows_; }
    int GetCurrentIndex() const { return current_; }
    int GetSourceX() const { return sourceX_; }
    int GetSourceY() const { return sourceY_; }
    const Ref<Texture>& GetTexture() const { return texture_; }

    TileSet(Ref<Texture> texture, int tileWidth, int tileHeight, int spacingX, int spacingY,
            bool border);

private:
    Ref<Texture> texture_;
    int tileWidth_;
    int tileHeight_;
    int spacingX_;
    int spacingY_;
    bool border_;
    int columns_ = 0;
    int rows_ = 0;
    int current_ = 0;
    int sourceX_ = 0;
    int sourceY_ = 0;
};

}  // namespace zelka
