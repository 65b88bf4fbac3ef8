#pragma once

// Hand-drawn glyph designs: '#' is ink, anything else is clear. Missing rows are clear.

#include <string>
#include <vector>

namespace zelka::assets {

struct GlyphDesign {
    int code;
    std::vector<std::string> rows;
};

const std::vector<GlyphDesign>& Block8Designs();
const std::vector<GlyphDesign>& DisplayDesigns();

}  // namespace zelka::assets
