#pragma once

#include <filesystem>

namespace zelka::assets {

// One review sheet per group (characters, worlds, items, ui, fonts): every image at 2x
// on a checker background, labelled with its path. Writes <dir>/<group>.png.
void WriteContactSheets(const std::filesystem::path& dir);

}  // namespace zelka::assets
