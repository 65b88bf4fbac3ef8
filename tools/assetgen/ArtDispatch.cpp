#include "tools/assetgen/Art.h"
#include "tools/assetgen/Glyphs.h"

namespace zelka::assets {

namespace {

// The framework's fallback font: 96 cells of 10 px (1-px border each side), chars 32-127.
Canvas VexoFont()
{
    Canvas c(960, 16);
    for (int code = 32; code < 127; ++code) {
        Canvas g = GlyphImage(FontFace::Block8, code);
        c.Draw(g, (code - 32) * 10 + 1, 4);
    }
    return c;
}

}  // namespace

Canvas MakeImage(const std::string& path)
{
    if (path == "vexo_font.png") return VexoFont();
    if (path == "press_start_k_0.imx") return BuildStdFont().page;
    if (path == "upheaval_0.imx") return BuildSecFont().page;
    for (auto family : {CharacterArt, WorldArt, ItemArt, UiArt, TitleArt}) {
        Canvas c = family(path);
        if (c.W() > 0) return c;
    }
    return {};
}

}  // namespace zelka::assets
