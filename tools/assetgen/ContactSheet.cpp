#include "tools/assetgen/ContactSheet.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "tools/assetgen/Art.h"
#include "tools/assetgen/Glyphs.h"
#include "tools/assetgen/Manifest.h"

namespace zelka::assets {

namespace {

constexpr int kSheetW = 1800;
constexpr int kPad = 12;
constexpr int kLabelH = 12;

struct Group {
    AssetGroup id;
    const char* name;
};

void Save(const std::filesystem::path& p, const Canvas& c)
{
    const std::vector<uint8_t> png = EncodePng(c);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
}

// Checker behind the image so transparency and white ink both show.
void Checker(Canvas& c, int x, int y, int w, int h)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            c.Set(x + i, y + j, ((i / 8 + j / 8) % 2) ? Hex(0x3a3a48) : Hex(0x2c2c38));
}

// A small maze assembled from a world's tiles, with pick-ups and two characters.
Canvas MazePreview(int world)
{
    static const char* kMap[] = {
        "###########",
        "#.....#...#",
        "#.###.#.#.#",
        "#...#...#.#",
        "###.#####.#",
        "#.........#",
        "###########",
    };
    const std::string dir = "worlds/world" + std::to_string(world) + "/";
    const Canvas walls = MakeImage(dir + "mazeset.imx");
    const Canvas floor = MakeImage(dir + "floorset.imx");
    const Canvas items = MakeImage("items.imx");
    const int rows = 7, cols = 11;
    Canvas c(cols * 32, rows * 32);
    auto wall = [&](int x, int y) { return x >= 0 && y >= 0 && x < cols && y < rows && kMap[y][x] == '#'; };
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) {
            if (!wall(x, y)) {
                const int trail = (y == 5 && x > 2 && x < 9) ? 12 : 0;
                c.Draw(floor.Crop(trail * 32, 0, 32, 32), x * 32, y * 32);
                continue;
            }
            int mask = (wall(x, y - 1) ? 1 : 0) | (wall(x, y + 1) ? 2 : 0) | (wall(x - 1, y) ? 4 : 0) | (wall(x + 1, y) ? 8 : 0);
            if (mask == 12 && y < rows - 1 && (x * 7 + y) % 5 == 0) mask = 16 + (x + y) % 4;
            c.Draw(floor.Crop(0, 0, 32, 32), x * 32, y * 32);
            c.Draw(walls.Crop(mask * 32, 0, 32, 32), x * 32, y * 32);
        }
    c.Draw(items.Crop(0, 0, 32, 32), 1 * 32, 1 * 32);
    c.Draw(items.Crop(32, 0, 32, 32), 2 * 32, 1 * 32);
    c.Draw(items.Crop(2 * 32, 32, 32, 32), 7 * 32, 3 * 32);
    c.Draw(floor.Crop(17 * 32, 0, 32, 32), 9 * 32, 5 * 32);
    const Canvas mira = MakeImage("mira/sprite.imx");
    const Canvas brak = MakeImage("brak/sprite.imx");
    c.Draw(mira.Crop(0, 0, 32, 40), 5 * 32, 5 * 32 - 13);
    c.Draw(brak.Crop(2 * 32, 0, 32, 44), 9 * 32, 2 * 32 - 15);
    return c;
}

Canvas FontSample(bool display)
{
    Canvas c(760, 70);
    const FontFace f = display ? FontFace::Display : FontFace::Block8;
    const int s = display ? 2 : 1;
    DrawText(c, f, "The Haunted Graveyard - CAP'N BRAKKEN 1337", 4, 4, s, kWhite, display);
    DrawText(c, f, "- A new random maze will be generated -", 4, 26, s, Hex(0xffe070), display);
    DrawText(c, f, "IT'S-A-TRAP! THE BALL&CHAIN (x3) 100%", 4, 48, s, Hex(0x80d0ff), display);
    return c;
}

}  // namespace

void WriteContactSheets(const std::filesystem::path& dir)
{
    std::filesystem::create_directories(dir);
    const Group groups[] = {{AssetGroup::Characters, "characters"}, {AssetGroup::Worlds, "worlds"},
                            {AssetGroup::Items, "items"}, {AssetGroup::Ui, "ui"}, {AssetGroup::Fonts, "fonts"}};
    for (const Group& g : groups) {
        std::vector<std::pair<std::string, Canvas>> images;
        for (const AssetEntry& e : Manifest())
            if (e.group == g.id && (e.kind == AssetKind::EncImage || e.kind == AssetKind::PlainPng))
                images.emplace_back(e.path, MakeImage(e.path).Scaled(2));
        // Small sheets first so the sprite strips sit together at the top.
        std::stable_sort(images.begin(), images.end(),
                         [](const auto& a, const auto& b) { return a.second.H() < 150 && b.second.H() >= 150; });
        if (g.id == AssetGroup::Worlds)
            for (int w = 0; w < kWorldCount; ++w)
                images.emplace_back("preview: world" + std::to_string(w), MazePreview(w).Scaled(2));
        if (g.id == AssetGroup::Fonts) {
            images.emplace_back("sample: press_start_k", FontSample(false).Scaled(2));
            images.emplace_back("sample: upheaval", FontSample(true).Scaled(2));
        }
        // Shelf layout: left to right, wrapping at the sheet width.
        std::vector<std::pair<int, int>> pos;
        int x = kPad, y = kPad, shelf = 0;
        for (const auto& [name, img] : images) {
            const int w = std::max(img.W(), TextWidth(FontFace::Block8, name, 1) + 4);
            if (x + w > kSheetW - kPad && x > kPad) { x = kPad; y += shelf + kPad; shelf = 0; }
            pos.emplace_back(x, y);
            x += w + kPad;
            shelf = std::max(shelf, img.H() + kLabelH);
        }
        Canvas sheet(kSheetW, y + shelf + kPad, Hex(0x15151c));
        for (size_t i = 0; i < images.size(); ++i) {
            const auto& [name, img] = images[i];
            const auto [px, py] = pos[i];
            DrawText(sheet, FontFace::Block8, name, px, py, 1, Hex(0xffe070));
            Checker(sheet, px, py + kLabelH, img.W(), img.H());
            sheet.Draw(img, px, py + kLabelH);
        }
        Save(dir / (std::string(g.name) + ".png"), sheet);
    }
}

}  // namespace zelka::assets
