#pragma once

// Image builders, one family per source file. Each returns the finished image for a
// manifest path (relative to data/), or an empty canvas when the path is not its own.

#include <string>

#include "tools/assetgen/Canvas.h"

namespace zelka::assets {

Canvas CharacterArt(const std::string& path);   // <key>/face|portrait|win|lose|sprite
Canvas WorldArt(const std::string& path);       // worlds/worldN/*, lightmap, fallingrock
Canvas ItemArt(const std::string& path);        // items, icons, effect sprites
Canvas UiArt(const std::string& path);          // menus, results, cursors, character select
Canvas TitleArt(const std::string& path);       // title screen, maker's intro

// Any manifest image, by dispatching to the families above (fonts included).
Canvas MakeImage(const std::string& path);

// Outline colour shared by sprites: a dark plum reads better than black on every floor.
inline constexpr Rgba kInk = Hex(0x1c1224);

}  // namespace zelka::assets
